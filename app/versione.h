// The version both programs print for --version: the project's own, and git's
// description of the sources where the build had one ("1.0 (git 567b8c9)").
#pragma once

#include <string_view>

namespace scenario {

std::string_view versione();

}  // namespace scenario
