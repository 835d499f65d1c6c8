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
    return !s.griglia_creata || p < 0 || p + margine > metri_cella * s.numero_celle;
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

Passo Lettura::ferma(Guasto g) {
    a.elimina(proprio);
    registra(s, g);
    return Passo::stop;
}

Passo Lettura::ferma(Guasto g, std::int32_t posizione) {
    s.posizione_errore = posizione;
    return ferma(g);
}

Passo Lettura::dopo_posa(std::int32_t posizione) {
    if (s.codice_errore <= 0) return Passo::avanti;
    a.elimina(proprio);
    s.posizione_errore = posizione;
    return Passo::stop;
}

Passo Lettura::guasto_lettura() {
    a.elimina(altro);
    return ferma(Guasto::lettura);
}

Passo Lettura::oltre_griglia(std::int32_t p) {
    registra(s, Guasto::oltre_la_griglia, p);
    return Passo::fine_sezione;
}

}  // namespace scenario
