// Windows file names are UTF-16: converted from and to UTF-8 by the system,
// never through the ANSI code page.
#include <windows.h>

#include "platform/percorso_utf8.h"

namespace scenario {

std::filesystem::path percorso_da_utf8(std::string_view testo) {
    if (testo.empty()) return {};
    const int n = MultiByteToWideChar(CP_UTF8, 0, testo.data(), static_cast<int>(testo.size()), nullptr, 0);
    std::wstring largo(static_cast<std::size_t>(n), L'\0');
    MultiByteToWideChar(CP_UTF8, 0, testo.data(), static_cast<int>(testo.size()), largo.data(), n);
    return std::filesystem::path(std::move(largo));
}

std::string utf8_di_percorso(const std::filesystem::path& percorso) {
    const std::wstring& largo = percorso.native();
    if (largo.empty()) return {};
    const int lunghezza = static_cast<int>(largo.size());
    const int n = WideCharToMultiByte(CP_UTF8, 0, largo.data(), lunghezza, nullptr, 0, nullptr, nullptr);
    std::string testo(static_cast<std::size_t>(n), '\0');
    WideCharToMultiByte(CP_UTF8, 0, largo.data(), lunghezza, testo.data(), n, nullptr, nullptr);
    return testo;
}

}  // namespace scenario
