// The line geometry (_linea.dat) read back: tagged elements, one per metre
// and coordinate, coordinate 0 of every metre first.
#pragma once

#include <string_view>

#include "compiler/decodifica.h"

namespace scenario {

// Checks: known tags, values inside the file and finite, an even count of at
// least two coordinates for each metre of a 0 m route, and metres 0 and 1 at
// their fixed points (or a plan that was never drawn: nothing assigned).
Decodificato<Tracciato> decodifica_tracciato(std::string_view dati);

}  // namespace scenario
