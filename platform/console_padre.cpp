// Borrowing the parent's console, on Windows only.
#include "platform/console_padre.h"

#ifdef _WIN32
#include <windows.h>

#include <cstdio>
#endif

namespace scenario {

#ifdef _WIN32
namespace {

bool porta_da_qualche_parte(DWORD quale) {
    const HANDLE h = GetStdHandle(quale);
    return h != nullptr && h != INVALID_HANDLE_VALUE;
}

}  // namespace

void usa_console_del_padre() {
    const bool uscita = porta_da_qualche_parte(STD_OUTPUT_HANDLE);
    const bool errori = porta_da_qualche_parte(STD_ERROR_HANDLE);
    if ((uscita && errori) || !AttachConsole(ATTACH_PARENT_PROCESS)) return;
    if (!uscita) std::freopen("CONOUT$", "w", stdout);
    if (!errori) std::freopen("CONOUT$", "w", stderr);
}
#else
void usa_console_del_padre() {}
#endif

}  // namespace scenario
