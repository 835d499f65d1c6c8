// The three driver documents of the built-in scenario: fixed lines of text,
// Windows-1252 bytes.
#pragma once

#include <span>
#include <string_view>

namespace scenario {

std::span<const std::string_view> righe_note();           // 25 lines
std::span<const std::string_view> righe_rallentamenti();  // 46 lines
std::span<const std::string_view> righe_scheda();         // 200 lines

}  // namespace scenario
