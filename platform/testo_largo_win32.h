// Text for the wide-character Win32 calls.
#pragma once

#include <string>
#include <string_view>

namespace scenario {

// UTF-16 of a text; bytes that are not valid UTF-8 are read as Windows-1252.
std::wstring testo_largo(std::string_view testo);

}  // namespace scenario
