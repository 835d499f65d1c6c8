// The console programs' choice of layers: no window and no box, ever; what a
// person must read goes to standard error.
#include "platform/finestra.h"
#include "platform/messaggio.h"
#include "platform/messaggio_terminale.h"

namespace scenario {

std::unique_ptr<Finestra> crea_finestra() { return crea_finestra_terminale(); }

void mostra_messaggio(std::string_view testo) { mostra_messaggio_terminale(testo); }

void segnala_guasto(int numero, std::string_view testo) { mostra_messaggio_terminale(testo_guasto(numero, testo)); }

}  // namespace scenario
