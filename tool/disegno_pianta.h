// The plan of `scenario plot`: the line drawn from its geometry, turned so
// that it runs from left to right like the distance axis under it, with
// kilometre ticks and the stations named.
#pragma once

#include <string>

#include "tool/disegno_comune.h"
#include "tool/scenario_caricato.h"

namespace scenario::disegno {

struct Pianta {
    std::string svg;
    // [[metre, x, y], ...] every 50 m in page units, for the script that
    // links the plan with the profile.
    std::string campioni_json;
};

// Within y0 .. y0 + altezza; shows metres 0 .. the end of the view `intera`.
Pianta disegna_pianta(const ScenarioCaricato& s, const Vista& intera, double y0, double altezza);

}  // namespace scenario::disegno
