// The compile's report for `scenario compile` and `scenario check`: every
// fault and warning as the person reads them on standard error, and as
// objects in the JSON "diagnostica".
#pragma once

#include <nlohmann/json.hpp>

#include "app/fine_corsa.h"
#include "tool/rapporto.h"

namespace scenario {

// One object per fault or warning, in the report's order:
// {file, riga, colonna, livello, codice, metro, messaggio, suggerimento}.
nlohmann::ordered_json json_diagnostica(const std::vector<Diagnostica>& d);

// Tells `r` the report: each of its lines as a message, the diagnostics for
// "diagnostica".
void riferisci_diagnostica(const Conclusione& c, Rapporto& r);

}  // namespace scenario
