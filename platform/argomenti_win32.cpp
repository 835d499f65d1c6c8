// Windows arguments from the UTF-16 command line, never from the ANSI argv.
#include <windows.h>
#include <shellapi.h>

#include <memory>

#include "platform/argomenti.h"
#include "platform/percorso_utf8.h"

namespace scenario {

std::vector<std::string> argomenti_utf8(int argc, char** argv) {
    int n = 0;
    const std::unique_ptr<LPWSTR, decltype(&LocalFree)> larghi(CommandLineToArgvW(GetCommandLineW(), &n), &LocalFree);
    if (!larghi) return {argv, argv + argc};  // no memory for the list: the ANSI one is better than none
    std::vector<std::string> argomenti;
    argomenti.reserve(static_cast<std::size_t>(n));
    for (int i = 0; i < n; ++i) argomenti.push_back(utf8_di_percorso(std::filesystem::path(larghi.get()[i])));
    return argomenti;
}

}  // namespace scenario
