// memo_rallentamento: a slowdown puts its start, its end and, beyond 1500 m,
// a warning board 1200 m ahead with four approach marks before it.
#include "compiler/interi.h"
#include "compiler/posa.h"

namespace scenario {
namespace {

// Type, speed, d_v (only when nonzero) and, for start and end, f_tt. A
// cell outside the grid is never read; its write is skipped too.
void scrivi_estremo(Stato& s, std::int64_t i, TipoCella tipo, std::int16_t v, std::int32_t d_v, std::int16_t f_tt) {
    Cella* c = cella(s, i);
    if (c == nullptr) return;
    poni_tipo(s, i, tipo);
    if (d_v != 0) c->valore2 = basso16(d_v);
    c->valore = v;
    c->valore3 = f_tt;
}

// The four cells before the board, counting back 1, 2, 3, 4; refused whole
// when any of them is taken.
void segni_di_approccio(Stato& s, std::int64_t indice_b, std::int32_t d_v) {
    for (std::int64_t i = 0; i < 4; ++i) {
        if (occupata(s, indice_b - i)) {
            registra(s, Guasto::approccio_su_cella_occupata);
            return;
        }
    }
    for (std::int64_t i = 0; i < 4; ++i) {
        Cella* c = cella(s, indice_b - i);
        if (c == nullptr) continue;
        poni_tipo(s, indice_b - i, TipoCella::approccio_rallentamento);
        c->valore = basso16(i + 1);
        if (d_v != 0) c->valore2 = basso16(i + 1);
    }
}

}  // namespace

void memo_rallentamento(Stato& s, std::int32_t x, std::int16_t v, std::int32_t l, std::int16_t f_tt,
                        std::int32_t f_ta, std::int32_t d_v) {
    const std::int64_t inizio = cella_di(x);
    const std::int64_t fine = cella_di(std::int64_t{x} + l);
    const bool con_avviso = x > soglia_avviso;
    const std::int64_t avviso = cella_di(std::int64_t{x} - anticipo_avviso);
    if (!con_avviso) f_ta = 0;

    if (con_avviso && occupata(s, avviso)) return registra(s, Guasto::avviso_su_cella_occupata);
    if (occupata(s, inizio)) return registra(s, Guasto::inizio_su_cella_occupata);
    if (occupata(s, fine)) return registra(s, Guasto::fine_su_cella_occupata);

    // The end is written first: a slowdown of no length is a start cell.
    scrivi_estremo(s, fine, TipoCella::fine_rallentamento, v, d_v, f_tt);
    scrivi_estremo(s, inizio, TipoCella::inizio_rallentamento, v, d_v, f_tt);
    if (con_avviso) {
        if (Cella* c = cella(s, avviso)) {
            poni_tipo(s, avviso, TipoCella::avviso_rallentamento);
            if (d_v != 0) c->valore2 = basso16(d_v);
            c->valore = v;
        }
    }
    if (f_ta != 0) segni_di_approccio(s, cella_vicina(std::int64_t{x} - anticipo_avviso), d_v);
}

}  // namespace scenario
