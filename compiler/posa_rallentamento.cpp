// memo_rallentamento: a slowdown puts its start, its end and, beyond 1500 m,
// a warning board 1200 m ahead with four approach marks before it.
#include "compiler/interi.h"
#include "compiler/posa.h"

namespace scenario {
namespace {

constexpr std::int64_t soglia_avviso = 1500;   // no warning board at or before this metre
constexpr std::int64_t anticipo_avviso = 1200;  // board distance before the start

constexpr std::int32_t guasto_avviso = 17;
constexpr std::int32_t guasto_inizio = 18;
constexpr std::int32_t guasto_fine = 19;
constexpr std::int32_t guasto_approccio = 20;

constexpr std::uint8_t tipo_fine = 2;
constexpr std::uint8_t tipo_inizio = 3;
constexpr std::uint8_t tipo_avviso = 4;
constexpr std::uint8_t tipo_approccio = 5;

// Taken means: in the grid and neither empty nor a mountain marker. A cell
// outside the grid is never read; its write is skipped too.
bool occupata(const Stato& s, std::int64_t c) {
    return nella_griglia(s, c) && !libera(s.celle[static_cast<std::size_t>(c)]);
}

Cella* cella_o_niente(Stato& s, std::int64_t c) {
    return nella_griglia(s, c) ? &s.celle[static_cast<std::size_t>(c)] : nullptr;
}

// Type, speed, d_v (only when nonzero) and, for start and end, f_tt.
void scrivi_estremo(Cella* c, std::uint8_t tipo, std::int16_t v, std::int32_t d_v, std::int16_t f_tt) {
    if (c == nullptr) return;
    c->tipo = tipo;
    if (d_v != 0) c->valore2 = basso16(d_v);
    c->valore = v;
    c->valore3 = f_tt;
}

// The four cells before the board, counting back 1, 2, 3, 4; refused whole
// when any of them is taken.
void segni_di_approccio(Stato& s, std::int64_t indice_b, std::int32_t d_v) {
    for (std::int64_t i = 0; i < 4; ++i) {
        if (occupata(s, indice_b - i)) {
            s.codice_errore = guasto_approccio;
            return;
        }
    }
    for (std::int64_t i = 0; i < 4; ++i) {
        Cella* c = cella_o_niente(s, indice_b - i);
        if (c == nullptr) continue;
        c->tipo = tipo_approccio;
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

    std::int32_t guasto = 0;
    if (con_avviso && occupata(s, avviso)) guasto = guasto_avviso;
    else if (occupata(s, inizio)) guasto = guasto_inizio;
    else if (occupata(s, fine)) guasto = guasto_fine;
    if (guasto != 0) {
        s.codice_errore = guasto;
        return;
    }

    // The end is written first: a slowdown of no length is a start cell.
    scrivi_estremo(cella_o_niente(s, fine), tipo_fine, v, d_v, f_tt);
    scrivi_estremo(cella_o_niente(s, inizio), tipo_inizio, v, d_v, f_tt);
    if (con_avviso) {
        if (Cella* c = cella_o_niente(s, avviso)) {
            c->tipo = tipo_avviso;
            if (d_v != 0) c->valore2 = basso16(d_v);
            c->valore = v;
        }
    }
    if (f_ta != 0) segni_di_approccio(s, vicino_50(std::int64_t{x} - anticipo_avviso), d_v);
}

}  // namespace scenario
