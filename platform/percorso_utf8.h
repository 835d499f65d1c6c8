// File names as the programs hold them: UTF-8 text, whatever the system.
// A path is never made from a narrow string directly: on Windows that string
// would be read in the ANSI code page, and every other character lost.
#pragma once

#include <filesystem>
#include <string>
#include <string_view>

namespace scenario {

// The path named by UTF-8 text (on Linux the bytes as they are).
std::filesystem::path percorso_da_utf8(std::string_view testo);

// The path as UTF-8 text, for messages, JSON and names compared as text.
// Never throws: on Windows a name UTF-16 cannot carry over (a lone
// surrogate) shows U+FFFD in its place.
std::string utf8_di_percorso(const std::filesystem::path& percorso);

// The same for the last part of the path only.
inline std::string utf8_del_nome(const std::filesystem::path& percorso) {
    return utf8_di_percorso(percorso.filename());
}

}  // namespace scenario
