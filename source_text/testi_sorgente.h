// The built-in scenario as its two source texts: every line a fixed literal.
#pragma once

#include <span>
#include <string_view>

namespace scenario {

// The line source text: 112 lines.
std::span<const std::string_view> righe_linea();

// The train source text: 102 lines.
std::span<const std::string_view> righe_treno();

}  // namespace scenario
