// A station of the train text: its 17 fields into the next station slot of
// voci, the platform extent by type, and for stations with signals the stop
// point and the four approach marks counted back from the platform end.
#include "compiler/griglia.h"
#include "compiler/lettori.h"

namespace scenario {
namespace {

constexpr std::uint8_t segno_avvicinamento = 80;  // the marks are 81 .. 84, counting away from the stop
constexpr std::uint8_t prima_fermata_semplice = 25;  // kinds from here on are halts without signals
constexpr std::int64_t distacco_minimo = 350;         // between one platform's end and the next one's start
constexpr std::int64_t uscita_corta = 150;            // platform end past a station of kind 5 or 6

// Kinds whose platform ends 150 m past the station (5, 6) or as far past it as before (7, 8).
bool corta_in_uscita(std::uint8_t tipo) { return tipo == 5 || tipo == 6; }
bool simmetrica(std::uint8_t tipo) { return tipo == 7 || tipo == 8; }

// Exact platform start and end in metres; the slot keeps their low 32 bits.
struct Estensione {
    std::int64_t inizio;
    std::int64_t fine;
};

Estensione estensione(Voce& v, std::int64_t p, std::int64_t lung) {
    if (corta_in_uscita(v.byte0)) {
        v.byte4 = 0;
        return {p - lung, p + uscita_corta};
    }
    if (simmetrica(v.byte0)) {
        v.byte4 = 0;
        return {p - lung, p + lung};
    }
    return {p - lung / 2, p + lung / 2 + (v.byte4 != 0 ? metri_cella : 0)};
}

// Fields 4 to 17, each stored as soon as it is read; the time goes in as seconds.
bool campi_stazione(LettoreCampi& c, Voce& v) {
    if (!leggi(c, v.byte1, v.byte5, v.byte4, v.breve1, v.breve2, v.byte2, v.breve3, v.breve4, v.breve5, v.byte3)) {
        return false;
    }
    std::int32_t ore = 0, minuti = 0, secondi = 0;
    if (!leggi(c, ore, minuti, secondi)) return false;
    v.numero4 = basso32((std::int64_t{ore} * 60 + minuti) * 60 + secondi);
    return leggi(c, v.stringa);
}

// Marks 81 .. 84 on the cells 2 .. 5 before the platform end's cell, while above cell 1.
void segni_avvicinamento(Stato& s, std::int64_t fine) {
    for (int c = 1; c <= 4; ++c) {
        const std::int64_t metri = fine - metri_cella * (c + 1);
        if (metri <= metri_cella) continue;
        if (Cella* k = cella(s, cella_vicina(metri))) k->ripetitore = static_cast<std::uint8_t>(segno_avvicinamento + c);
    }
}

// The stop point, one cell before the platform end's; false when it would be cell 1 or below.
bool punto_fermata(Stato& s, std::int64_t fine, std::int32_t slot) {
    const std::int64_t metri = fine - metri_cella;
    if (metri <= metri_cella) return false;
    const std::int64_t i = cella_vicina(metri);
    if (Cella* k = cella(s, i)) {
        // Written whatever the cell held: the report names what it replaced.
        if (!libera(*k)) s.tracce.sostituzioni.push_back({i, k->tipo, origine_cella(s, i), s.tracce.origine_corrente});
        poni_tipo(s, i, TipoCella::punto_fermata);
        k->valore = static_cast<std::int16_t>(slot);
    }
    return true;
}

// Platform extent and flags (steps that write only the slot), then the grid test on the end.
Passo estendi(LetturaTreno& t, Voce& v, std::int32_t p, std::int32_t lung, Estensione& e) {
    e = estensione(v, p, lung);
    v.numero1 = basso32(e.inizio);
    v.numero2 = basso32(e.fine);
    if (lung < 600) v.byte5 = 0;
    if (t.stazione == static_cast<std::int32_t>(slot::primo_posto)) {
        v.byte4 = 0;
        v.byte5 = 0;
    }
    if (e.fine + metri_cella > metri_cella * t.s.numero_celle) return t.oltre_griglia(p, Campo{2});
    return Passo::avanti;
}

// Cells of a station with signals, then the spacing from the station before.
Passo segna_stazione(LetturaTreno& t, const Voce& v, std::int32_t p, const Estensione& e) {
    const bool con_segnali = v.byte0 < prima_fermata_semplice;
    if (con_segnali && !corta_in_uscita(v.byte0)) segni_avvicinamento(t.s, e.fine);
    if (con_segnali && !punto_fermata(t.s, e.fine, t.stazione)) return t.ferma(Guasto::fermata_troppo_presto);
    const bool prima = t.stazione == static_cast<std::int32_t>(slot::primo_posto);
    if (!prima && e.inizio - distacco_minimo < t.fine_stazione_precedente) return t.ferma(Guasto::stazioni_troppo_vicine, p);
    t.fine_stazione_precedente = e.fine;
    return Passo::avanti;
}

}  // namespace

Passo record_stazione(LetturaTreno& t) {
    // With every board slot in use the first station slot is a board's: refuse, never overwrite it.
    if (t.stazione > t.prossima_tabella) return t.ferma(Guasto::posti_esauriti, sulla_chiave);
    Voce& v = t.s.voci[static_cast<std::size_t>(t.stazione)];
    if (!leggi(t.campi, v.numero3)) return t.guasto_lettura();
    const std::int32_t p = v.numero3;
    if (fuori_griglia(t.s, p, margine_stazione)) return t.oltre_griglia(p);
    if (p % metri_cella != 0) return t.ferma(Guasto::stazione_fuori_passo, p);
    std::int32_t lung = 0;
    if (!leggi(t.campi, v.byte0, lung)) return t.guasto_lettura();
    if (lung % (2 * metri_cella) != 0) return t.ferma(Guasto::marciapiede_fuori_passo, p, Campo{2});
    if (!campi_stazione(t.campi, v)) return t.guasto_lettura();
    Estensione e{};
    if (const Passo passo = estendi(t, v, p, lung, e); passo != Passo::avanti) return passo;
    if (const Passo passo = segna_stazione(t, v, p, e); passo != Passo::avanti) return passo;
    ++t.stazione;
    if (t.stazione >= t.prossima_tabella) return t.ferma(Guasto::posti_esauriti, sulla_chiave);
    return Passo::avanti;
}

}  // namespace scenario
