// The builder's choice of window: the display's own where one can be had,
// otherwise the terminal one, with the run otherwise identical.
#include "platform/finestra.h"
#include "platform/schermo.h"

namespace scenario {

std::unique_ptr<Finestra> crea_finestra() {
    if (auto finestra = crea_finestra_schermo()) return finestra;
    return crea_finestra_terminale();
}

}  // namespace scenario
