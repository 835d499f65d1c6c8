// Message layer on standard error.
#include "platform/messaggio_terminale.h"

#include <cstdio>

namespace scenario {

void mostra_messaggio_terminale(std::string_view testo) {
    std::string riga(testo);
    riga += '\n';
    std::fputs(riga.c_str(), stderr);
    std::fflush(stderr);
}

std::string testo_guasto(int numero, std::string_view testo) {
    return "Errore di esecuzione " + std::to_string(numero) + ": " + std::string(testo);
}

}  // namespace scenario
