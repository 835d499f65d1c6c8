// The positioned records of the line text's main section other than
// gradients and curves: mountain sections, speed indicator boards and text
// boards.
#include "compiler/griglia.h"
#include "compiler/lettori.h"
#include "compiler/posa.h"

namespace scenario {

// A cell keeps its gradient plus 100, as one byte.
std::uint8_t pendenza_in_cella(std::int32_t g) { return basso8(std::int64_t{g} + 100); }

// The section's last cell must lie on the grid, and the section tables hold 80.
Passo record_montagna(LetturaLinea& l) {
    std::int32_t inizio = 0;
    std::int32_t fine = 0;
    std::int32_t tipo = 0;
    if (!leggi(l.campi, inizio, fine, tipo)) return l.guasto_lettura();
    if (fuori_griglia(l.s, inizio, margine_record)) return l.oltre_griglia(inizio);
    if (cella_vicina(std::int64_t{fine} - metri_cella) > l.s.numero_celle) return l.oltre_griglia(inizio, Campo{1});
    if (l.s.numero_montagne >= static_cast<std::int32_t>(massimo_montagne)) {
        return l.ferma(Guasto::posti_esauriti, sulla_chiave);
    }
    memo_montagna(l.s, inizio, fine, tipo);
    return l.dopo_posa(inizio);
}

// Stripe counts are 16-bit parameters: they keep the low 16 bits of the value read.
Passo record_indicatore(LetturaLinea& l) {
    std::int32_t posizione = 0, vas = 0, vbs = 0, vcs = 0, strisces = 0;
    std::int32_t vad = 0, vbd = 0, vcd = 0, strisced = 0;
    if (!leggi(l.campi, posizione, vas, vbs, vcs, strisces, vad, vbd, vcd, strisced)) return l.guasto_lettura();
    if (fuori_griglia(l.s, posizione, margine_record)) return l.oltre_griglia(posizione);
    memo_indicatori_v_max(l.s, posizione, vas, vbs, vcs, basso16(strisces), vad, vbd, vcd, basso16(strisced));
    return l.dopo_posa(posizione);
}

// A text board takes its cell and the next board slot of voci, from the last down to the first.
Passo record_cartello(LetturaLinea& l) {
    std::int32_t p = 0;
    std::string testo;
    if (!leggi(l.campi, p, testo)) return l.guasto_lettura();
    if (fuori_griglia(l.s, p, margine_record)) return l.oltre_griglia(p);
    const std::int64_t i = cella_di(p);
    if (!libera_in(l.s, i)) return l.ferma(Guasto::cartello_su_cella_occupata, p);
    if (l.prossima_tabella < static_cast<std::int32_t>(slot::primo_posto)) {
        return l.ferma(Guasto::posti_esauriti, sulla_chiave);
    }
    poni_tipo(l.s, i, TipoCella::cartello_testo);
    cella(l.s, i)->valore = static_cast<std::int16_t>(l.prossima_tabella);
    l.s.voci[static_cast<std::size_t>(l.prossima_tabella)].stringa = std::move(testo);
    --l.prossima_tabella;
    return Passo::avanti;
}

}  // namespace scenario
