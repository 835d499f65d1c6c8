// memo_indicatori_v_max: a maximum-speed board takes its cell with the three
// speeds of both boards coded as one number each.
#include "compiler/interi.h"
#include "compiler/posa.h"

namespace scenario {
namespace {

// nearest(destra / 5 + sinistra x 20), ties to even, kept to 16 bits:
// the same as nearest((destra + 100 sinistra) / 5), without a fraction.
std::int16_t velocita_codificata(std::int32_t sinistra, std::int32_t destra) {
    return basso16(dividi_vicino(std::int64_t{destra} + std::int64_t{sinistra} * 100, 5));
}

}  // namespace

void memo_indicatori_v_max(Stato& s, std::int32_t posizione, std::int32_t vas, std::int32_t vbs,
                           std::int32_t vcs, std::int16_t strisces, std::int32_t vad, std::int32_t vbd,
                           std::int32_t vcd, std::int16_t strisced) {
    const std::int64_t i = cella_di(posizione);
    Cella* c = cella(s, i);
    if (c == nullptr) return;
    if (!libera(*c)) {
        registra(s, Guasto::indicatore_su_cella_occupata);
        return;
    }
    poni_tipo(s, i, TipoCella::indicatore_velocita);
    c->valore = velocita_codificata(vas, vad);
    c->valore2 = velocita_codificata(vbs, vbd);
    c->valore3 = velocita_codificata(vcs, vcd);
    c->valore4 = basso16(std::int64_t{strisces} * 10 + strisced);
}

}  // namespace scenario
