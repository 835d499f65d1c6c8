// One diagnostic as a person reads it, the way compilers print theirs.
#include "compiler/diagnostica.h"

namespace scenario {
namespace {

constexpr std::string_view rientro = "    ";

// "FILE:LINE:COL: ", as much of it as the diagnostic has.
std::string posto(const Diagnostica& d) {
    if (d.file.empty()) return {};
    std::string testo = d.file;
    if (d.riga > 0) testo += ":" + std::to_string(d.riga);
    if (d.colonna > 0) testo += ":" + std::to_string(d.colonna);
    return testo + ": ";
}

std::string livello(const Diagnostica& d) {
    if (d.livello == Diagnostica::Livello::avviso) return "avviso";
    return d.codice ? "errore " + std::to_string(*d.codice) : "errore";
}

}  // namespace

std::string testo_diagnostica(const Diagnostica& d, Resa resa) {
    std::string testo = posto(d) + livello(d) + ": " + d.messaggio;
    if (d.metro) testo += " (metro " + std::to_string(*d.metro) + ")";
    if (!d.sorgente.empty() && resa == Resa::terminale) {
        testo += "\n" + std::string(rientro) + d.sorgente;
        testo += "\n" + std::string(rientro) + d.cursore;
    }
    if (!d.sorgente.empty() && resa == Resa::finestra) testo += "\n" + std::string(rientro) + d.evidenziata;
    if (d.suggerimento) testo += "\n" + std::string(rientro) + *d.suggerimento;
    return testo;
}

}  // namespace scenario
