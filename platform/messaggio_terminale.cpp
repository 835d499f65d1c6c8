// Messages on standard error.
#include <cstdio>

#include "platform/messaggio.h"

namespace scenario {
namespace {

class MessaggiTerminale final : public Messaggi {
public:
    void mostra(std::string_view testo) override {
        std::string riga(testo);
        riga += '\n';
        std::fputs(riga.c_str(), stderr);
        std::fflush(stderr);
    }
};

}  // namespace

std::unique_ptr<Messaggi> crea_messaggi_terminale() { return std::make_unique<MessaggiTerminale>(); }

std::string testo_guasto(int numero, std::string_view testo) {
    return "Errore di esecuzione " + std::to_string(numero) + ": " + std::string(testo);
}

}  // namespace scenario
