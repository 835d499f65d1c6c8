// Record placement: signals, slowdowns, mountain sections and speed boards go
// onto the cell grid; a taken cell is refused with a fault number. Also the
// position rule and the ordering of the kilometric progressives.
#pragma once

#include <cstdint>

#include "compiler/stato.h"

namespace scenario {

// nearest(n / 50), ties to even, in exact integer arithmetic.
std::int64_t vicino_50(std::int64_t n);

// Cell of a point object at metre p: nearest(p / 50 + 1), ties to even.
std::int64_t cella_di(std::int64_t p);

// A cell is free when it is empty (0) or carries only a mountain marker (11).
inline bool libera(const Cella& c) { return c.tipo == 0 || c.tipo == 11; }

// The last index of the grid: numero_celle, or less if fewer cells are held.
inline std::int64_t ultima_cella(const Stato& s) {
    const auto tenute = static_cast<std::int64_t>(s.celle.size()) - 1;
    return s.numero_celle < tenute ? s.numero_celle : tenute;
}

// Whether index c names a cell of the grid.
inline bool nella_griglia(const Stato& s, std::int64_t c) { return c >= 0 && c <= ultima_cella(s); }

// The smaller of two values; equal values give x.
template <typename T>
T minimo(T x, T y) {
    return x > y ? y : x;
}

// Callers test positions against the grid first; these never touch a cell
// outside 0 .. numero_celle whatever they are given (such a cell is skipped).
// memo_montagna stores nothing and records fault 10 when the section tables
// are full; the readers may test numero_montagne first instead.
void memo_montagna(Stato& s, std::int32_t inizio, std::int32_t fine, std::int32_t& tipo);
void memo_rallentamento(Stato& s, std::int32_t x, std::int16_t v, std::int32_t l, std::int16_t f_tt,
                        std::int32_t f_ta, std::int32_t d_v);
void memo_segnale(Stato& s, std::int32_t posizione, std::int32_t sx, std::int16_t s1, std::int16_t s2,
                  std::int16_t s3, std::int16_t rapp, std::int16_t dx, std::int16_t d1, std::int16_t d2,
                  std::int16_t d3, std::int32_t& tempo);
void memo_indicatori_v_max(Stato& s, std::int32_t posizione, std::int32_t vas, std::int32_t vbs,
                           std::int32_t vcs, std::int16_t strisces, std::int32_t vad, std::int32_t vbd,
                           std::int32_t vcd, std::int16_t strisced);

// Orders voci 81 .. 83 (the progressives "tre", "due", "uno").
void progressive_ordina(Stato& s);

}  // namespace scenario
