// The plan geometry as the compiler holds it, once and compactly: metres 0
// and 1 are the two fixed 16-bit points, the metres the reader computes follow
// from metre 2 on as doubles, and every metre after them is never assigned.
// That is the only shape the reader makes, so nothing else is stored: 16
// bytes per computed metre and none for the fixed points or the tail.
#pragma once

#include <cstdint>
#include <vector>

#include "compiler/modello.h"

namespace scenario {

// One element of the plan geometry as the file shows it: never assigned, a
// 16-bit integer or a double. The decoders read files of any shape into these.
struct Elemento {
    enum class Tag : std::uint16_t { vuoto = 0, intero = 2, doppio = 5 };
    Tag tag = Tag::vuoto;
    std::int16_t intero = 0;
    double doppio = 0.0;
};

class Geometria {
public:
    // Metres 0 .. lunghezza_estesa, none assigned; room for all of them is
    // taken at once, so the table never moves while it grows.
    void crea(std::int32_t lunghezza_estesa);
    // No table at all (the line geometry is not asked for).
    void cancella();

    bool esiste() const { return ultimo_metro_ >= 0; }
    std::int32_t ultimo_metro() const { return ultimo_metro_; }
    // Elements of the file: two coordinates for each metre.
    std::int64_t elementi() const { return esiste() ? 2 * (std::int64_t{ultimo_metro_} + 1) : 0; }

    // Metres 0 and 1 as (0, 0) and (0, 1).
    void poni_punti_fissi();
    bool punti_fissi() const { return punti_fissi_; }

    // The next metre to compute: 2 and on. Only the fixed points come before it.
    std::int64_t prossimo_metro() const { return 2 + static_cast<std::int64_t>(x_.size()); }
    // Assigns the next metre; false past the table's last metre. Inline with
    // coordinata: the reader calls them for every metre of the route.
    bool aggiungi(double x, double y) {
        if (prossimo_metro() > ultimo_metro_) return false;
        x_.push_back(x);
        y_.push_back(y);
        return true;
    }

    // Coordinate k (0 or 1) of metre m, 0.0 where never assigned.
    double coordinata(std::int64_t m, int k) const {
        if (m < 2) return punti_fissi_ ? punto_fisso(m, k) : 0.0;
        return m < prossimo_metro() ? calcolati(k)[static_cast<std::size_t>(m - 2)] : 0.0;
    }
    // The element the file holds for coordinate k of metre m.
    Elemento elemento(std::int64_t m, int k) const;

    // Coordinate k of the computed metres, from metre 2 on, in order.
    const std::vector<double>& calcolati(int k) const { return k == 0 ? x_ : y_; }

private:
    // The fixed points: metre 0 at (0, 0), metre 1 at (0, 1).
    static constexpr std::int16_t punto_fisso(std::int64_t m, int k) { return m == 1 && k == 1 ? 1 : 0; }

    std::int32_t ultimo_metro_ = -1;
    bool punti_fissi_ = false;
    std::vector<double> x_;  // coordinate 0 of metres 2, 3, ...
    std::vector<double> y_;  // coordinate 1
};

}  // namespace scenario
