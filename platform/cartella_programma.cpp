// Resolves the running executable's own folder.
#include "platform/cartella_programma.h"

#include <system_error>

#ifdef _WIN32
#include <windows.h>

#include <vector>
#endif

namespace scenario {

std::filesystem::path cartella_programma() {
#ifdef _WIN32
    std::vector<wchar_t> buffer(MAX_PATH);
    for (;;) {
        DWORD n = GetModuleFileNameW(nullptr, buffer.data(), static_cast<DWORD>(buffer.size()));
        if (n == 0) throw std::system_error(static_cast<int>(GetLastError()), std::system_category(), "GetModuleFileNameW");
        if (n < buffer.size()) return std::filesystem::path(std::wstring(buffer.data(), n)).parent_path();
        buffer.resize(buffer.size() * 2);
    }
#else
    return std::filesystem::read_symlink("/proc/self/exe").parent_path();
#endif
}

}  // namespace scenario
