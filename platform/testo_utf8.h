// Text for displays that draw UTF-8 (Xft, and Win32 through UTF-16).
#pragma once

#include <string>
#include <string_view>

namespace scenario {

// Valid UTF-8 passes unchanged. A byte that starts no valid sequence is read
// as Windows-1252, the code page of the scenario's own texts, so neither a
// system message nor a scenario text is ever cut or garbled on screen.
std::string testo_utf8(std::string_view testo);

}  // namespace scenario
