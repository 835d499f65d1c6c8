// Gradients, speed limits and adhesions come back as runs: one row at metre 0
// and one at each cell where the value changes, the way the readers write
// them cell by cell with a cursor.
#pragma once

#include <cstdint>
#include <functional>
#include <vector>

#include "compiler/sorgente_righe.h"
#include "compiler/stato.h"

namespace scenario::decompila {

using namespace sorgente;  // the rows it recovers

// Which byte of the cell, and the row value that writes a given byte.
enum class Serie { pendenza, velocita, aderenza };

// The rows that make the reader write exactly these bytes into cells
// 0 .. numero_celle. The readers write up to three cells before the grid's
// end; a value beyond that comes from further rows at that last metre, each
// of which writes one cell more.
std::vector<Cambio> cambi(const std::vector<Cella>& celle, Serie serie);

}  // namespace scenario::decompila
