// The window layer where no display exists: the word the window would show
// goes to standard error, so a person at a terminal still sees the run start.
#include <cstdio>

#include "platform/finestra.h"

namespace scenario {
namespace {

class FinestraTerminale final : public Finestra {
public:
    void mostra() override { std::fputs("Attendere\n", stderr); }
    void ridisegna() override { std::fflush(stderr); }
    void distruggi() override {}
};

}  // namespace

std::unique_ptr<Finestra> crea_finestra_terminale() { return std::make_unique<FinestraTerminale>(); }

}  // namespace scenario
