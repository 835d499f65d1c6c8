// The cell file (.dat) read back: one 15-byte record per cell, no header.
#pragma once

#include <string_view>
#include <vector>

#include "compiler/decodifica.h"

namespace scenario {

// Whether `tipo` names an object of the model (TipoCella).
bool tipo_cella_noto(std::uint8_t tipo);

// Cells 0 .. n in order. Checks: whole records, the smallest grid a route
// can have, known cell types, the marker in cell 1.
Decodificato<std::vector<Cella>> decodifica_celle(std::string_view dati);

}  // namespace scenario
