// The builder's choice of message layer: a modal box on the display, or
// standard error when no box could be shown or its display was lost.
#include "platform/messaggio.h"
#include "platform/messaggio_terminale.h"
#include "platform/schermo.h"

namespace scenario {

void mostra_messaggio(std::string_view testo) {
    if (!mostra_messaggio_schermo(testo)) mostra_messaggio_terminale(testo);
}

void segnala_guasto(int numero, std::string_view testo) { mostra_messaggio(testo_guasto(numero, testo)); }

}  // namespace scenario
