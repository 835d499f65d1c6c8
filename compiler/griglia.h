// The rules of the cell grid in one place: which cell a metre falls in, the
// one way to reach a cell, and whether a cell is free. Nothing here ever
// reaches past the grid: a cell outside it is simply not there.
#pragma once

#include <cstdint>

#include "compiler/interi.h"
#include "compiler/modello.h"
#include "compiler/stato.h"

namespace scenario {

// Cell of a point object (signal, board, indicator) at metre p: nearest(p / 50 + 1),
// ties to even. That is not nearest(p / 50) + 1 (25 m: 1.5 goes to 2, while
// 0.5 + 1 would give 1), so the 1 goes in first.
constexpr std::int64_t cella_di(std::int64_t p) { return dividi_vicino(p + metri_cella, metri_cella); }

// nearest(m / 50), without the added 1: where a gradient, speed or adhesion
// run changes, an "abbattimento" point of the train text, a mountain section.
constexpr std::int64_t cella_vicina(std::int64_t m) { return dividi_vicino(m, metri_cella); }

// The last index of the grid: numero_celle, or less if fewer cells are held.
inline std::int64_t ultima_cella(const Stato& s) {
    const auto tenute = static_cast<std::int64_t>(s.celle.size()) - 1;
    return s.numero_celle < tenute ? s.numero_celle : tenute;
}

inline bool nella_griglia(const Stato& s, std::int64_t c) { return c >= 0 && c <= ultima_cella(s); }

// The one accessor of the grid: the cell at index c, or nothing outside it.
inline Cella* cella(Stato& s, std::int64_t c) {
    return nella_griglia(s, c) ? &s.celle[static_cast<std::size_t>(c)] : nullptr;
}
inline const Cella* cella(const Stato& s, std::int64_t c) {
    return nella_griglia(s, c) ? &s.celle[static_cast<std::size_t>(c)] : nullptr;
}

inline bool libera(const Cella& c) { return libera(c.tipo); }

// On the grid and free: a placement may go there.
inline bool libera_in(const Stato& s, std::int64_t c) {
    const Cella* k = cella(s, c);
    return k != nullptr && libera(*k);
}

// On the grid and taken: a placement must refuse it. A cell off the grid is
// neither free nor taken.
inline bool occupata(const Stato& s, std::int64_t c) {
    const Cella* k = cella(s, c);
    return k != nullptr && !libera(*k);
}

// Puts an object into cell c (on the grid), noting the record it came from.
inline void poni_tipo(Stato& s, std::int64_t c, TipoCella tipo) {
    cella(s, c)->tipo = tipo;
    const auto i = static_cast<std::size_t>(c);
    if (i < s.tracce.origine.size()) s.tracce.origine[i] = s.tracce.origine_corrente;
}

// The origin of cell c's object (origine_nessuna when unknown).
inline std::uint32_t origine_cella(const Stato& s, std::int64_t c) {
    const auto i = static_cast<std::size_t>(c);
    return c >= 0 && i < s.tracce.origine.size() ? s.tracce.origine[i] : origine_nessuna;
}

inline bool di_tipo(const Stato& s, std::int64_t c, TipoCella tipo) {
    const Cella* k = cella(s, c);
    return k != nullptr && k->tipo == tipo;
}

}  // namespace scenario
