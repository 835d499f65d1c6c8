// A station of the train text: its 17 fields into the next station slot of
// voci, the platform extent by type, and for stations with signals the stop
// point and the four approach marks counted back from the platform end.
#include "compiler/lettore_treno.h"

namespace scenario {
namespace {

// Exact platform start and end in metres; the slot keeps their low 32 bits.
struct Estensione {
    std::int64_t inizio;
    std::int64_t fine;
};

Estensione estensione(Voce& v, std::int64_t p, std::int64_t lung) {
    switch (v.byte0) {
        case 5:
        case 6: v.byte4 = 0; return {p - lung, p + 150};
        case 7:
        case 8: v.byte4 = 0; return {p - lung, p + lung};
        default: return {p - lung / 2, p + lung / 2 + (v.byte4 != 0 ? 50 : 0)};
    }
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
        const std::int64_t metri = fine - 50 * (c + 1);
        if (metri > 50) {
            s.celle[static_cast<std::size_t>(dividi_vicino(metri, 50))].ripetitore = static_cast<std::uint8_t>(80 + c);
        }
    }
}

// The stop point, one cell before the platform end's; false when it would be cell 1 or below.
bool punto_fermata(Stato& s, std::int64_t fine, std::int32_t slot) {
    const std::int64_t metri = fine - 50;
    if (metri <= 50) return false;
    Cella& cella = s.celle[static_cast<std::size_t>(dividi_vicino(metri, 50))];
    cella.tipo = 10;
    cella.valore = static_cast<std::int16_t>(slot);
    return true;
}

// Platform extent and flags (steps that write only the slot), then the grid test on the end.
Passo estendi(LetturaTreno& t, Voce& v, std::int32_t p, std::int32_t lung, Estensione& e) {
    e = estensione(v, p, lung);
    v.numero1 = basso32(e.inizio);
    v.numero2 = basso32(e.fine);
    if (lung < 600) v.byte5 = 0;
    if (t.stazione == 1) {
        v.byte4 = 0;
        v.byte5 = 0;
    }
    if (e.fine + 50 > std::int64_t{50} * t.s.numero_celle) return t.oltre_griglia(p);
    return Passo::avanti;
}

// Cells of a station with signals, then the spacing from the station before.
Passo segna_stazione(LetturaTreno& t, const Voce& v, std::int32_t p, const Estensione& e) {
    if (v.byte0 < 25 && v.byte0 != 5 && v.byte0 != 6) segni_avvicinamento(t.s, e.fine);
    if (v.byte0 < 25 && !punto_fermata(t.s, e.fine, t.stazione)) return t.ferma(24);
    if (t.stazione > 1 && e.inizio - 350 < t.fine_stazione_precedente) return t.ferma(22, p);
    t.fine_stazione_precedente = e.fine;
    return Passo::avanti;
}

}  // namespace

Passo record_stazione(LetturaTreno& t) {
    // With every board slot in use the first station slot is a board's: refuse, never overwrite it.
    if (t.stazione > t.prossima_tabella) return t.ferma(10);
    Voce& v = t.s.voci[static_cast<std::size_t>(t.stazione)];
    if (!leggi(t.campi, v.numero3)) return t.guasto_lettura();
    const std::int32_t p = v.numero3;
    if (fuori_griglia(t.s, p, 800)) return t.oltre_griglia(p);
    if (p % 50 != 0) return t.ferma(8, p);
    std::int32_t lung = 0;
    if (!leggi(t.campi, v.byte0, lung)) return t.guasto_lettura();
    if (lung % 100 != 0) return t.ferma(9, p);
    if (!campi_stazione(t.campi, v)) return t.guasto_lettura();
    Estensione e{};
    if (const Passo passo = estendi(t, v, p, lung, e); passo != Passo::avanti) return passo;
    if (const Passo passo = segna_stazione(t, v, p, e); passo != Passo::avanti) return passo;
    ++t.stazione;
    if (t.stazione >= t.prossima_tabella) return t.ferma(10);
    return Passo::avanti;
}

}  // namespace scenario
