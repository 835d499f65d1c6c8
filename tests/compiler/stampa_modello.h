// How a failing test prints the model's names: a cell type by its name and
// number, never as a raw byte.
#pragma once

#include <ostream>

#include "compiler/modello.h"

namespace scenario {

inline void PrintTo(TipoCella t, std::ostream* os) { *os << nome_tipo_cella(t) << " (" << static_cast<int>(t) << ")"; }

}  // namespace scenario
