// The two halves of memorizza_dati: the line text reader hands the train text
// reader the one value they share, the next free board slot of voci.
#pragma once

#include <cstdint>
#include <optional>

#include "compiler/archivio.h"
#include "compiler/stato.h"

namespace scenario {

// Reads and deletes the line source text. Nothing when the readers stop here
// (a fault that ends memorizza_dati); otherwise the next free board slot.
std::optional<std::int32_t> leggi_testo_linea(Stato& s, Archivio& a);

// Reads and deletes the train source text; stations stay below `prossima_tabella`.
void leggi_testo_treno(Stato& s, Archivio& a, std::int32_t prossima_tabella);

}  // namespace scenario
