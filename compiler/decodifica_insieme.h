// Checks between compiled files that sit together: the table's route length
// sizes the cell grid and the plan, and cell 1 carries the plain code of the
// table's names. A file cut at a record boundary is still a whole file of
// its own kind; only these checks can tell it from a shorter route.
#pragma once

#include <optional>
#include <vector>

#include "compiler/decodifica.h"

namespace scenario {

// Positions are byte offsets in the cell file.
std::optional<Difetto> verifica_celle_con_tabella(const std::vector<Cella>& celle, const Voci& voci);

// Positions are byte offsets in the geometry file.
std::optional<Difetto> verifica_tracciato_con_tabella(const Tracciato& t, const Voci& voci);

}  // namespace scenario
