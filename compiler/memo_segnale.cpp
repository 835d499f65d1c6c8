// memo_segnale: a signal takes its cell and marks the repeater byte of the
// four cells 100, 200, 300 and 400 m before it.
#include "compiler/interi.h"
#include "compiler/posa.h"

namespace scenario {
namespace {

constexpr std::int32_t tempo_minimo = 101;  // a signal time of 1 .. 100 becomes this

// Repeater marks go on whatever the cell holds; a mark that would fall
// before cell 0 (a signal under 325 m) is dropped, the others stay.
void segna_ripetitori(Stato& s, std::int64_t c, std::int64_t codice) {
    for (std::int64_t k = 1; k <= 4; ++k) {
        const std::int64_t r = c - 2 * k;
        if (Cella* c = cella(s, r)) c->ripetitore = basso8(codice * 10 + k);
    }
}

}  // namespace

void memo_segnale(Stato& s, std::int32_t posizione, std::int32_t sx, std::int16_t s1, std::int16_t s2,
                  std::int16_t s3, std::int16_t rapp, std::int16_t dx, std::int16_t d1, std::int16_t d2,
                  std::int16_t d3, std::int32_t& tempo) {
    const std::int64_t c = cella_di(posizione);
    Cella* k = cella(s, c);
    if (k == nullptr) return;
    if (!libera(*k)) {
        registra(s, Guasto::segnale_su_cella_occupata);
        return;
    }
    const std::int64_t lato = std::int64_t{sx} * 3 + dx;
    poni_tipo(s, c, TipoCella::segnale);
    k->valore4 = basso16(std::int64_t{rapp} * 10 + lato);
    k->valore = basso16(std::int64_t{s1} * 10 + d1);
    k->valore2 = basso16(std::int64_t{s2} * 10 + d2);
    k->valore3 = basso16(std::int64_t{s3} * 10 + d3);
    if (tempo >= 1 && tempo <= 100) tempo = tempo_minimo;
    k->tempo = sx == 2 ? basso8(tempo) : 0;
    segna_ripetitori(s, c, lato);
}

}  // namespace scenario
