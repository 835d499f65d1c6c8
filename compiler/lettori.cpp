// What both source-text readers share: the grid test, the section walk, the
// ways they stop and the runs of gradient, speed and adhesion (the keyword
// tests are inline in the header).
#include "compiler/lettori.h"

#include "compiler/griglia.h"

namespace scenario {

bool fuori_griglia(const Stato& s, std::int64_t p, std::int64_t margine) {
    return !s.griglia_creata || p < 0 || p + margine > metri_cella * s.numero_celle;
}

Intestazione cerca_generale(LettoreCampi& campi) {
    if (campi.alla_fine()) return Intestazione::testo_vuoto;
    while (true) {
        campi.ricomincia();
        const auto campo = campi.testo();
        if (!campo || campi.alla_fine()) return Intestazione::assente;
        if (contiene_ic(*campo, "[generale]")) return Intestazione::trovata;
    }
}

std::optional<std::string> prossima_chiave(LettoreCampi& campi, int commenti) {
    campi.ricomincia();
    if (campi.alla_fine()) return std::nullopt;
    auto campo = campi.testo();
    for (int passati = 0; campo && !campi.alla_fine() && passati < commenti && contiene(*campo, "-"); ++passati) {
        campo = campi.testo();
    }
    if (!campo || campi.alla_fine()) return std::nullopt;
    return campo;
}

void Lettura::segna_luogo(Campo campo) {
    LuogoGuasto luogo;
    luogo.testo = testo;
    luogo.record = record;
    if (record) {
        const auto& letti = campi.letti();
        luogo.byte = campo.indice < letti.size() ? letti[campo.indice].inizio : s.tracce.record[*record].chiave;
    }
    s.tracce.guasto = std::move(luogo);
}

Passo Lettura::ferma(Guasto g, Campo campo) {
    a.elimina(proprio);
    registra(s, g);
    segna_luogo(campo);
    return Passo::stop;
}

Passo Lettura::ferma(Guasto g, std::int32_t posizione, Campo campo) {
    s.posizione_errore = posizione;
    return ferma(g, campo);
}

Passo Lettura::dopo_posa(std::int32_t posizione) {
    if (s.codice_errore <= 0) return Passo::avanti;
    a.elimina(proprio);
    s.posizione_errore = posizione;
    segna_luogo(primo_valore);
    return Passo::stop;
}

// Where the failed read started, and why it failed; a text that could not be
// had, or is empty, is a reading fault of the whole text.
Passo Lettura::guasto_lettura() {
    if (!s.tracce.letti[static_cast<std::size_t>(altro_testo(testo))]) conserva_non_letto(s, a, altro_testo(testo), altro);
    a.elimina(altro);
    a.elimina(proprio);
    registra(s, Guasto::lettura);
    LuogoGuasto luogo;
    luogo.testo = testo;
    luogo.record = record;
    luogo.inciampo = campi.inciampo();
    luogo.testo_assente = !s.tracce.letti[static_cast<std::size_t>(testo)];
    if (!luogo.testo_assente) luogo.byte = luogo.inciampo.inizio;
    s.tracce.guasto = std::move(luogo);
    return Passo::stop;
}

Passo Lettura::oltre_griglia(std::int32_t p, Campo campo) {
    registra(s, Guasto::oltre_la_griglia, p);
    segna_luogo(campo);
    return Passo::fine_sezione;
}

void Lettura::apri_record(TipoRecord tipo, std::size_t chiave) {
    record = s.tracce.record.size();
    s.tracce.record.push_back({.testo = testo, .tipo = tipo, .generale = generale, .chiave = chiave});
    s.tracce.origine_corrente = origine_di(*record);
    campi.ricomincia();
}

void Lettura::chiudi_record() {
    s.tracce.record[*record].poni_valori(s.tracce.valori->conserva(campi.letti()));
    s.tracce.origine_corrente = origine_nessuna;
    record.reset();
}

Passo Chiave::passo() {
    if (!riconosciuta_) l_.s.tracce.record.push_back({.testo = l_.testo, .generale = l_.generale, .chiave = inizio_});
    return passo_;
}

void conserva_non_letto(Stato& s, Archivio& a, Testo testo, const std::string& nome) {
    if (const auto contenuto = a.leggi(nome)) s.tracce.testi[static_cast<std::size_t>(testo)] = *contenuto;
}

namespace {

// The value in force into cells from the cursor on, until the cursor reaches
// `fino`: at least one cell. A cell off the grid is skipped, the cursor still
// advances; records of a run that stops at the grid's end stop there instead.
void stendi(Stato& s, Progressione& p, std::int64_t fino, bool ferma_a_fine_griglia) {
    do {
        if (ferma_a_fine_griglia && p.cursore >= s.numero_celle) break;
        if (Cella* c = cella(s, p.cursore)) c->*p.campo = p.in_cella(p.precedente);
        ++p.cursore;
    } while (p.cursore < fino);
}

}  // namespace

Passo record_progressione(Lettura& l, Progressione& p) {
    std::int32_t metro = 0;
    std::int32_t valore = 0;
    if (!leggi(l.campi, metro, valore)) return l.guasto_lettura();
    if (fuori_griglia(l.s, metro, margine_record)) return l.oltre_griglia(metro);
    const std::int64_t n = cella_vicina(metro);
    if (n > 0) stendi(l.s, p, n, p.ferma_a_fine_griglia);
    p.precedente = valore;
    return Passo::avanti;
}

void coda_progressione(Stato& s, Progressione& p) { stendi(s, p, std::int64_t{s.numero_celle} - 2, false); }

}  // namespace scenario
