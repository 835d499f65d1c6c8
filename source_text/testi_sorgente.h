// The built-in scenario as its two source texts: every line a fixed literal.
#pragma once

#include <span>
#include <string_view>

namespace scenario {

// The route and the train the built-in texts describe: the stems of every
// file name of a run.
inline constexpr const char* nome_percorso_incorporato = "Vordano_Seli";
inline constexpr const char* numero_treno_incorporato = "4936";

// The line source text: 112 lines.
std::span<const std::string_view> righe_linea();

// The train source text: 102 lines.
std::span<const std::string_view> righe_treno();

}  // namespace scenario
