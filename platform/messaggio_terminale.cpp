// Message layer on standard error.
#include <cstdio>
#include <string>

#include "platform/messaggio.h"

namespace scenario {

void mostra_messaggio(std::string_view testo) {
    std::string riga(testo);
    riga += '\n';
    std::fputs(riga.c_str(), stderr);
    std::fflush(stderr);
}

void segnala_guasto(int numero, std::string_view testo) {
    std::string riga = "Errore di esecuzione " + std::to_string(numero) + ": " + std::string(testo);
    mostra_messaggio(riga);
}

}  // namespace scenario
