// Builds without a display layer (no X11 headers at build time): the
// terminal layers serve every run.
#include "platform/schermo.h"

namespace scenario {

std::unique_ptr<Finestra> crea_finestra_schermo() { return nullptr; }

bool mostra_messaggio_schermo(std::string_view) { return false; }

}  // namespace scenario
