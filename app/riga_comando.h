// crea_scenario's command line: it takes none. --help and --version answer
// and end the program; anything else is refused with the usage. Nothing is
// written and no window is shown in either case.
#pragma once

#include <optional>
#include <string>
#include <vector>

namespace scenario {

// The exit status when the arguments ended the program, nothing when there
// were none and the run goes on. `argomenti` excludes the program's name.
std::optional<int> rispondi_agli_argomenti(const std::vector<std::string>& argomenti);

}  // namespace scenario
