// Keyword tests, the grid test and the section walk of both source-text readers.
#include "compiler/lettori_comune.h"

#include <algorithm>

namespace scenario {
namespace {

char minuscola_ascii(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; }

}  // namespace

bool contiene_ic(std::string_view campo, std::string_view parola) {
    const auto uguali = [](char a, char b) { return minuscola_ascii(a) == minuscola_ascii(b); };
    return std::search(campo.begin(), campo.end(), parola.begin(), parola.end(), uguali) != campo.end();
}

bool fuori_griglia(const Stato& s, std::int64_t p, std::int64_t margine) {
    return !s.griglia_creata || p < 0 || p + margine > std::int64_t{50} * s.numero_celle;
}

Intestazione cerca_generale(LettoreCampi& campi) {
    if (campi.alla_fine()) return Intestazione::testo_vuoto;
    while (true) {
        const auto campo = campi.testo();
        if (!campo || campi.alla_fine()) return Intestazione::assente;
        if (contiene_ic(*campo, "[generale]")) return Intestazione::trovata;
    }
}

std::optional<std::string> prossima_chiave(LettoreCampi& campi, int commenti) {
    if (campi.alla_fine()) return std::nullopt;
    auto campo = campi.testo();
    for (int passati = 0; campo && !campi.alla_fine() && passati < commenti && contiene(*campo, "-"); ++passati) {
        campo = campi.testo();
    }
    if (!campo || campi.alla_fine()) return std::nullopt;
    return campo;
}

Passo Lettura::ferma(std::int32_t codice) {
    a.elimina(proprio);
    s.codice_errore = codice;
    return Passo::stop;
}

Passo Lettura::ferma(std::int32_t codice, std::int32_t posizione) {
    s.posizione_errore = posizione;
    return ferma(codice);
}

Passo Lettura::guasto_lettura() {
    a.elimina(altro);
    return ferma(25);
}

Passo Lettura::oltre_griglia(std::int32_t p) {
    s.codice_errore = 15;
    s.posizione_errore = p;
    return Passo::fine_sezione;
}

}  // namespace scenario
