// Picks the window layer for this build and machine.
#include "platform/finestra.h"

namespace scenario {

std::unique_ptr<Finestra> crea_finestra() { return crea_finestra_terminale(); }

}  // namespace scenario
