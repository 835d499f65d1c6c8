// Record placement: signals, slowdowns, mountain sections and speed boards go
// onto the cell grid; a taken cell is refused with a fault number. Also the
// ordering of the kilometric progressives.
#pragma once

#include <cstdint>

#include "compiler/griglia.h"
#include "compiler/stato.h"

namespace scenario {

// A slowdown beyond this metre gets a warning board this far before its start.
inline constexpr std::int64_t soglia_avviso = 1500;
inline constexpr std::int64_t anticipo_avviso = 1200;

// The smaller of two values; equal values give x.
template <typename T>
T minimo(T x, T y) {
    return x > y ? y : x;
}

// Callers test positions against the grid first; these never touch a cell
// outside 0 .. numero_celle whatever they are given (such a cell is skipped).
// memo_montagna stores nothing and records posti_esauriti when the section
// tables are full; the readers may test numero_montagne first instead.
void memo_montagna(Stato& s, std::int32_t inizio, std::int32_t fine, std::int32_t& tipo);
void memo_rallentamento(Stato& s, std::int32_t x, std::int16_t v, std::int32_t l, std::int16_t f_tt,
                        std::int32_t f_ta, std::int32_t d_v);
void memo_segnale(Stato& s, std::int32_t posizione, std::int32_t sx, std::int16_t s1, std::int16_t s2,
                  std::int16_t s3, std::int16_t rapp, std::int16_t dx, std::int16_t d1, std::int16_t d2,
                  std::int16_t d3, std::int32_t& tempo);
void memo_indicatori_v_max(Stato& s, std::int32_t posizione, std::int32_t vas, std::int32_t vbs,
                           std::int32_t vcs, std::int16_t strisces, std::int32_t vad, std::int32_t vbd,
                           std::int32_t vcd, std::int16_t strisced);

// Orders the three progressive slots ("tre", "due", "uno").
void progressive_ordina(Stato& s);

}  // namespace scenario
