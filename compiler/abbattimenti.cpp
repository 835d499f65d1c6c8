// The points the route pass adds: "abbattimento" points ahead of signals
// before a warning board, before a slowdown start, inside it and at its exit.
#include <algorithm>
#include <array>
#include <initializer_list>

#include "compiler/interi.h"
#include "compiler/percorso.h"
#include "compiler/posa.h"

namespace scenario {
namespace {

constexpr std::int16_t velocita_senza_punti = 110;  // slow sections at or above it get no inner points
constexpr std::int64_t passo_punti = 8;             // 400 m between inner points
constexpr std::int64_t cerca_dietro_avviso = 20;
constexpr std::int64_t cerca_oltre_fine = 12;

// Callers have found c free and on the grid.
void metti_punto(Stato& s, std::int64_t c) {
    poni_tipo(s, c, TipoCella::abbattimento);
    cella(s, c)->valore = valore_abbattimento;
}

// An existing point keeps the smaller of its value and 180.
void limita_punto(Stato& s, std::int64_t c) {
    Cella& k = *cella(s, c);
    k.valore = minimo<std::int16_t>(valore_abbattimento, k.valore);
}

// The walk's faults carry the cell's first metre: its index times 50. The
// report names the object the fault concerns (the one in cell `oggetto`)
// and the cells found taken.
void registra_in_cella(Stato& s, Guasto g, std::int64_t cella_guasto, std::int64_t oggetto,
                       std::initializer_list<std::int64_t> prese) {
    registra(s, g, basso32(cella_guasto * metri_cella));
    LuogoGuasto luogo;
    if (const std::uint32_t o = origine_cella(s, oggetto) & ~aggiunto_dal_percorso; o != origine_nessuna) {
        luogo.record = o - 1;
        luogo.testo = s.tracce.record[o - 1].testo;
    }
    luogo.celle = prese;
    s.tracce.guasto = luogo;
}

// A signal at cell d before the warning board at cell i: a point in one of
// the two cells before it.
void proteggi_segnale(Stato& s, std::int64_t d, std::int64_t i) {
    const std::int64_t p = d - 1;
    const std::int64_t q = d - 2;
    if (libera_in(s, p)) metti_punto(s, p);
    else if (libera_in(s, q)) metti_punto(s, q);
    else if (di_tipo(s, p, TipoCella::abbattimento)) limita_punto(s, p);
    else if (di_tipo(s, q, TipoCella::abbattimento)) limita_punto(s, q);
    else registra_in_cella(s, Guasto::segnale_davanti_avviso_senza_posto, d, d, {p, q, i});
}

// Before a slowdown start: one point in each window far enough from the line's start.
void punti_di_avvicinamento(Stato& s, std::int64_t i) {
    struct Finestra {
        std::int64_t soglia;
        std::array<std::int64_t, 3> scarti;
    };
    static constexpr std::array<Finestra, 3> finestre = {{{7, {5, 6, 7}}, {13, {11, 12, 13}}, {20, {18, 19, 20}}}};
    for (const Finestra& f : finestre) {
        if (i <= f.soglia) continue;
        bool posto = false;
        for (const std::int64_t scarto : f.scarti) {
            if (!libera_in(s, i - scarto)) continue;
            metti_punto(s, i - scarto);
            posto = true;
            break;
        }
        if (!posto) {
            registra_in_cella(s, Guasto::avvicinamento_senza_posto, i, i,
                              {i - f.scarti[0], i - f.scarti[1], i - f.scarti[2]});
        }
    }
}

// Inside a slow section: a point every 8 cells from the start to the end cell, moved one
// cell back or ahead when its cell is taken. Returns the cell where it
// stopped: the end cell, or the grid's last cell when no end comes first.
std::int64_t punti_nel_rallentamento(Stato& s, std::int64_t i) {
    const std::int64_t ultima = ultima_cella(s);
    std::int64_t contatore = 0;
    std::int64_t j = i;
    do {
        if (j >= ultima) return j;
        ++j;
        if (++contatore != passo_punti) continue;
        if (libera_in(s, j)) {
            metti_punto(s, j);
            contatore = 0;
        } else if (libera_in(s, j - 1)) {
            metti_punto(s, j - 1);
            contatore = 1;
        } else if (j + 1 > ultima) {
            return j;
        } else if (libera_in(s, j + 1)) {
            metti_punto(s, j + 1);
            contatore = -1;
        } else {
            // The count runs on past 8: no more points here.
            registra_in_cella(s, Guasto::rallentamento_senza_posto, j, i, {j - 1, j, j + 1});
        }
    } while (!di_tipo(s, j, TipoCella::fine_rallentamento));
    return j;
}

// For a section at 110 km/h or more: only find its end, as the inner points would.
std::int64_t fine_del_rallentamento(const Stato& s, std::int64_t i) {
    const std::int64_t ultima = ultima_cella(s);
    std::int64_t j = i + 1;
    while (j < ultima && !di_tipo(s, j, TipoCella::fine_rallentamento)) ++j;
    return j;
}

// At the exit: a point one or two cells before the first signal within 12 cells
// from j (the end cell).
void punto_all_uscita(Stato& s, std::int64_t inizio, std::int64_t j) {
    std::int64_t contatore = 0;
    const std::int64_t limite = std::min(j + cerca_oltre_fine, ultima_cella(s));
    for (std::int64_t k = j; k <= limite; ++k) {
        if (di_tipo(s, k, TipoCella::segnale)) {
            contatore = k - 1;
            break;
        }
    }
    if (contatore <= 0) return;
    if (libera_in(s, contatore)) metti_punto(s, contatore);
    else if (libera_in(s, contatore - 1)) metti_punto(s, contatore - 1);
    else registra_in_cella(s, Guasto::rallentamento_senza_posto, j, inizio, {contatore - 1, contatore});
}

// The points the pass adds at cell i serve the slowdown whose object is there.
void per_il_rallentamento_in(Stato& s, std::int64_t i) {
    s.tracce.origine_corrente = aggiunto_dal_percorso | (origine_cella(s, i) & ~aggiunto_dal_percorso);
}

}  // namespace

void abbattimenti_avviso(Stato& s, std::int32_t i) {
    per_il_rallentamento_in(s, i);
    for (std::int64_t j = 1; j <= cerca_dietro_avviso; ++j) {
        const std::int64_t d = std::int64_t{i} - j;
        if (d < 3) return;
        if (di_tipo(s, d, TipoCella::segnale)) proteggi_segnale(s, d, i);
    }
}

void abbattimenti_rallentamento(Stato& s, std::int32_t i) {
    if (!nella_griglia(s, i)) return;
    per_il_rallentamento_in(s, i);
    punti_di_avvicinamento(s, i);
    const std::int64_t j = cella(s, i)->valore < velocita_senza_punti ? punti_nel_rallentamento(s, i)
                                                                      : fine_del_rallentamento(s, i);
    punto_all_uscita(s, i, j);
}

}  // namespace scenario
