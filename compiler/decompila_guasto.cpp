// The fault report of the texts' compile, in the compile command's words.
#include "compiler/decompila.h"
#include "compiler/guasti.h"

namespace scenario::decompila {

std::optional<std::string> guasto_dei_testi(const Decompilazione& d) {
    if (d.esito != Esito::completato) return testo_errore(d.esito == Esito::errore_1250 ? "1250" : "1251");
    if (d.codice_errore > 0) return rapporto_guasto(d.codice_errore, d.posizione_errore);
    return std::nullopt;
}

}  // namespace scenario::decompila
