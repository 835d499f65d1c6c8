// The route pass after the readers: the walk that adds "abbattimento" points
// around slowdowns, the file markers and competition codes, and the output.
#pragma once

#include <cstdint>

#include "compiler/archivio.h"
#include "compiler/compilatore.h"
#include "compiler/stato.h"

namespace scenario {

// Walks cells 1 .. numero_celle - 2 adding the points, then stamps the markers
// and the codes. Stops with errore_1250 / errore_1251 when a marker place is
// already in use, and then the caller writes nothing.
Esito percorri_celle(Stato& s);

// The points added at one cell of the walk: a warning board or a slowdown start.
void abbattimenti_avviso(Stato& s, std::int32_t i);
void abbattimenti_rallentamento(Stato& s, std::int32_t i);

// The compiled files in their order, as one change: geometry (only when
// scrivi_tracciato is nonzero), scenario table, cells. A failing write throws
// out of here.
void scrivi_compilati(const Stato& s, Archivio& a);

}  // namespace scenario
