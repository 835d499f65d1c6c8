// The curves of the line from its plan geometry. The reader builds the plan
// metre by metre: a straight repeats the last step, an arc turns it by one
// of six curvatures to either side. Each metre is matched against those
// thirteen steps, bit for bit; runs of one turn are the curve rows.
#pragma once

#include <cstdint>
#include <vector>

#include "compiler/decodifica.h"
#include "compiler/sorgente_righe.h"

namespace scenario::decompila {

using namespace sorgente;  // the rows it recovers

struct Geometria {
    std::vector<Curva> curve;
    // Metres whose point no step from the two before gives (a damaged or
    // hand-made plan): the turn in force goes on through them.
    std::vector<std::int32_t> metri_senza_passo;
    // Metres the reader would compute but the file leaves unassigned, or
    // holds as 16-bit integers (only metres 0 and 1 are).
    std::vector<std::int32_t> metri_fuori_forma;
};

Geometria curve_del_tracciato(const Tracciato& t);

}  // namespace scenario::decompila
