// The scenario's texts are Windows-1252 bytes; JSON and pages want UTF-8.
// This mapping is one to one, so a text shown as UTF-8 comes back byte for byte.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace scenario {

// Every byte to one character: Windows-1252, and the five bytes it leaves
// unassigned (0x81, 0x8D, 0x8F, 0x90, 0x9D) to the control characters of the
// same number, as Windows itself reads them.
std::string utf8_da_1252(std::string_view byte);

// The inverse; nothing when the text holds a character outside the 256.
std::optional<std::string> byte_1252_da_utf8(std::string_view testo);

}  // namespace scenario
