// UTF-8 (with Windows-1252 for stray bytes) to UTF-16 for Win32.
#include "platform/testo_largo_win32.h"

#include <windows.h>

#include "platform/testo_utf8.h"

namespace scenario {

std::wstring testo_largo(std::string_view testo) {
    const std::string utf8 = testo_utf8(testo);
    if (utf8.empty()) return {};
    const int n = MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()), nullptr, 0);
    std::wstring largo(static_cast<std::size_t>(n), L'\0');
    MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()), largo.data(), n);
    return largo;
}

}  // namespace scenario
