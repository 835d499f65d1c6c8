// The entry points of crea_scenario_x11.so, the X11 window and box as a
// module: the builder loads it only when there is a display to use, so a run
// without one never maps Xlib, Xft, fontconfig or freetype.
#include <cstddef>
#include <memory>
#include <string_view>

#include "platform/modulo_x11.h"
#include "platform/schermo.h"

extern "C" {

SCENARIO_ESPORTA void scenario_x11_crea_finestra(std::unique_ptr<scenario::Finestra>* finestra) {
    *finestra = scenario::crea_finestra_schermo();
}

SCENARIO_ESPORTA bool scenario_x11_mostra_messaggio(const char* testo, std::size_t lunghezza) {
    return scenario::mostra_messaggio_schermo(std::string_view(testo, lunghezza));
}

}  // extern "C"
