// The builder's window and messages: the display's own where one can be had,
// otherwise the terminal's, with the run otherwise identical. A box that
// cannot be shown, or whose display is lost, falls back to the terminal too.
#include "platform/schermo.h"

namespace scenario {
namespace {

class MessaggiSchermo final : public Messaggi {
public:
    void mostra(std::string_view testo) override {
        if (!mostra_messaggio_schermo(testo)) terminale_->mostra(testo);
    }

private:
    std::unique_ptr<Messaggi> terminale_ = crea_messaggi_terminale();
};

}  // namespace

std::unique_ptr<Finestra> crea_finestra() {
    if (auto finestra = crea_finestra_schermo()) return finestra;
    return crea_finestra_terminale();
}

std::unique_ptr<Messaggi> crea_messaggi() { return std::make_unique<MessaggiSchermo>(); }

}  // namespace scenario
