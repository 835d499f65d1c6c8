// The fields of a cell and of a table record by name, in file order, with
// their values as a person reads them: what the difference list compares.
#pragma once

#include <string>
#include <utility>
#include <vector>

#include "compiler/stato.h"

namespace scenario::decompila {

using Campi = std::vector<std::pair<std::string, std::string>>;

Campi campi_cella(const Cella& c);
Campi campi_voce(const Voce& v);  // the text as "\"...\"", its bytes as they are

}  // namespace scenario::decompila
