// The modal message box on Windows: MessageBox with an OK button, modal to
// every window of the program. Every box the builder shows reports a fault
// (the scenario's recorded faults, or a run-time failure), so it carries the
// error icon.
#include <windows.h>

#include "platform/messaggio.h"
#include "platform/schermo.h"
#include "platform/testo_largo_win32.h"

namespace scenario {

bool mostra_messaggio_schermo(std::string_view testo) {
    const std::wstring parole = testo_largo(testo);
    const std::wstring titolo = testo_largo(titolo_messaggi);
    // An OK-only box answers IDOK however it is closed. Anything else means
    // no box was made: Windows answers 0 without a desktop, wine -1 without
    // a display.
    return MessageBoxW(nullptr, parole.c_str(), titolo.c_str(), MB_OK | MB_ICONERROR | MB_TASKMODAL | MB_SETFOREGROUND) == IDOK;
}

}  // namespace scenario
