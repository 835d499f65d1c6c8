// The whole drawing of a compiled scenario as one SVG: a title, the plan and
// the profile, with its own style, readable alone (`scenario plot --svg`)
// and the heart of the page.
#pragma once

#include <string>

#include "tool/scenario_caricato.h"

namespace scenario {

struct DisegnoLinea {
    std::string svg;
    std::string dati_json;  // what the page's script needs beyond the marks' own attributes
};

DisegnoLinea disegna_linea(const ScenarioCaricato& s);

}  // namespace scenario
