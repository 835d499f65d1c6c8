// The profile of `scenario plot`: lanes under one distance axis holding the
// height, the speed limit and every object of the cell file and the table.
#pragma once

#include <string>

#include "tool/disegno_comune.h"
#include "tool/scenario_caricato.h"

namespace scenario::disegno {

// The stretch "tutta la linea" shows, and the whole stretch the data covers.
Vista vista_intera(const ScenarioCaricato& s);
Vista vista_massima(const ScenarioCaricato& s);

// The profile's SVG elements, top at y0, drawn for `v`; `altezza` receives its height.
std::string disegna_profilo(const ScenarioCaricato& s, const Vista& v, double y0, double& altezza);

}  // namespace scenario::disegno
