// The builder's X11 window and box, from crea_scenario_x11.so: loaded the
// first time a display is asked for and DISPLAY names one, and kept for the
// rest of the run. Without DISPLAY nothing is loaded and the terminal serves.
// The module is looked for beside the executable (a copied folder), then in
// ../lib/crea_scenario/ (the build tree and an installed program).
#include <dlfcn.h>

#include <array>
#include <bit>
#include <cstdlib>
#include <filesystem>
#include <iostream>
#include <optional>

#include "platform/cartella_programma.h"
#include "platform/modulo_x11.h"
#include "platform/percorso_utf8.h"
#include "platform/schermo.h"

namespace scenario {
namespace {

struct Modulo {
    modulo_x11::CreaFinestra crea_finestra = nullptr;
    modulo_x11::MostraMessaggio mostra_messaggio = nullptr;
};

bool display_indicato() {
    const char* display = std::getenv("DISPLAY");
    return display != nullptr && *display != '\0';
}

std::optional<Modulo> apri(const std::filesystem::path& percorso) {
    void* h = dlopen(percorso.c_str(), RTLD_NOW | RTLD_LOCAL);
    if (h == nullptr) return std::nullopt;
    Modulo m{std::bit_cast<modulo_x11::CreaFinestra>(dlsym(h, modulo_x11::nome_crea_finestra)),
             std::bit_cast<modulo_x11::MostraMessaggio>(dlsym(h, modulo_x11::nome_mostra_messaggio))};
    if (m.crea_finestra != nullptr && m.mostra_messaggio != nullptr) return m;  // never closed: its window lives on
    dlclose(h);
    return std::nullopt;
}

std::optional<Modulo> carica() {
    const std::filesystem::path qui = cartella_programma();
    const std::array<std::filesystem::path, 2> posti = {qui / modulo_x11::nome_file,
                                                        qui.parent_path() / "lib" / "crea_scenario" / modulo_x11::nome_file};
    for (const auto& p : posti) {
        if (auto m = apri(p)) return m;
    }
    // Said once: the run goes on in the terminal, as without a display.
    std::cerr << "crea_scenario: " << modulo_x11::nome_file << " non trovato accanto al programma né in "
              << utf8_di_percorso(posti[1].parent_path()) << ": si usa il terminale\n";
    return std::nullopt;
}

// Loaded once, on the first call that has a display to use.
const std::optional<Modulo>& modulo() {
    static const std::optional<Modulo> m = carica();
    return m;
}

}  // namespace

std::unique_ptr<Finestra> crea_finestra_schermo() {
    std::unique_ptr<Finestra> finestra;
    if (display_indicato() && modulo()) modulo()->crea_finestra(&finestra);
    return finestra;
}

bool mostra_messaggio_schermo(std::string_view testo) {
    return display_indicato() && modulo() && modulo()->mostra_messaggio(testo.data(), testo.size());
}

}  // namespace scenario
