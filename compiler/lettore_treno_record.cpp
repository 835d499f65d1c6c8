// The positioned records of the train text other than stations and the
// speed and adhesion runs: signals, slowdowns and "abbattimento" points.
#include "compiler/griglia.h"
#include "compiler/lettori.h"
#include "compiler/posa.h"

namespace scenario {

// A cell keeps the speed limit in units of 5 km/h, and the adhesion as it is,
// each as one byte.
std::uint8_t velocita_in_cella(std::int32_t v) { return basso8(dividi_vicino(v, 5)); }
std::uint8_t aderenza_in_cella(std::int32_t a) { return basso8(a); }

// The 16-bit settings keep the low 16 bits of the values read. A fault already
// recorded (even one from the line text) stops the reader after the placement.
Passo record_segnale(LetturaTreno& t) {
    std::int32_t posizione = 0, sx = 0, s1 = 0, s2 = 0, s3 = 0, rapp = 0;
    std::int32_t dx = 0, d1 = 0, d2 = 0, d3 = 0, tempo = 0;
    if (!leggi(t.campi, posizione, sx, s1, s2, s3, rapp, dx, d1, d2, d3, tempo)) return t.guasto_lettura();
    if (fuori_griglia(t.s, posizione, margine_record)) return t.oltre_griglia(posizione);
    memo_segnale(t.s, posizione, sx, basso16(s1), basso16(s2), basso16(s3), basso16(rapp), basso16(dx), basso16(d1),
                 basso16(d2), basso16(d3), tempo);
    return t.dopo_posa(posizione);
}

// Both the start and the end cell must lie on the grid before placement.
Passo record_rallentamento(LetturaTreno& t) {
    std::int32_t x = 0, v = 0, l = 0, f_tt = 0, f_ta = 0, d_v = 0;
    if (!leggi(t.campi, x, v, l, f_tt, f_ta, d_v)) return t.guasto_lettura();
    if (fuori_griglia(t.s, x, margine_record)) return t.oltre_griglia(x);
    const std::int64_t fine = cella_di(std::int64_t{x} + l);
    if (fine < 0 || fine > t.s.numero_celle) return t.oltre_griglia(x, Campo{2});
    memo_rallentamento(t.s, x, basso16(v), l, basso16(f_tt), f_ta, d_v);
    return t.dopo_posa(x);
}

// Cell nearest(p / 50), without the "+ 1" of point objects.
Passo record_abbattimento(LetturaTreno& t) {
    std::int32_t p = 0;
    std::int32_t w = 0;
    if (!leggi(t.campi, p, w)) return t.guasto_lettura();
    if (fuori_griglia(t.s, p, margine_record)) return t.oltre_griglia(p);
    const std::int64_t i = cella_vicina(p);
    if (!libera_in(t.s, i)) return t.ferma(Guasto::abbattimento_su_cella_occupata, p);
    if (w > 0) {
        poni_tipo(t.s, i, TipoCella::abbattimento);
        cella(t.s, i)->valore = basso16(w);
    } else {
        poni_tipo(t.s, i, TipoCella::abbattimento_senza_valore);
    }
    return Passo::avanti;
}

}  // namespace scenario
