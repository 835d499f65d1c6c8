// The plan geometry as the compiler holds it: metres 0 and 1 are the two
// fixed 16-bit points, the metres the reader computes follow from metre 2 on,
// and every metre after them is never assigned. The computed metres are kept
// as the runs that make them (straight on, or an arc of a curvature, up to a
// metre), not as coordinates: the encoder walks the runs again, once for each
// coordinate, and gets the same doubles, operation for operation. A 1000 km
// line is then a few thousand runs instead of 16 MB of doubles.
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

// Metres from the cursor on to `fino` (inclusive): straight, each step the
// last one again, or along an arc, each step the last one turned by `k`.
struct Tratto {
    std::int64_t fino = 0;
    bool arco = false;
    double k = 0.0;
};

class Geometria {
public:
    // Metres 0 .. lunghezza_estesa, none assigned.
    void crea(std::int32_t lunghezza_estesa);
    // No table at all (the line geometry is not asked for).
    void cancella();
    // Room for this many runs.
    void riserva(std::size_t tratti) { tratti_.reserve(tratti); }

    bool esiste() const { return ultimo_metro_ >= 0; }
    std::int32_t ultimo_metro() const { return ultimo_metro_; }
    // Elements of the file: two coordinates for each metre.
    std::int64_t elementi() const { return esiste() ? 2 * (std::int64_t{ultimo_metro_} + 1) : 0; }

    // Metres 0 and 1 as (0, 0) and (0, 1). Set before the first run: the runs
    // start from what metres 0 and 1 hold.
    void poni_punti_fissi();
    bool punti_fissi() const { return punti_fissi_; }

    // The next metre to compute: 2 and on. Only the fixed points come before it.
    std::int64_t prossimo_metro() const { return prossimo_; }
    // Computes the metres from the cursor on to `fino` by the run's rule, never
    // past the table's last metre; nothing when the cursor is already past `fino`.
    void prosegui(const Tratto& t);

    // The element the file holds for coordinate k (0 or 1) of metre m. Walks
    // the runs up to m: for checks, not for every metre.
    Elemento elemento(std::int64_t m, int k) const;

    // Coordinate k of every computed metre, from metre 2 on, in order.
    template <typename Ricevi>
    void per_ogni_calcolato(int k, Ricevi&& ricevi) const;

private:
    // Each computed metre in order, as the two metres before the next.
    template <typename Vedi>
    void per_ogni_punto(Vedi&& vedi) const;

    // The fixed points: metre 0 at (0, 0), metre 1 at (0, 1).
    static constexpr std::int16_t punto_fisso(std::int64_t m, int k) { return m == 1 && k == 1 ? 1 : 0; }

    // A run as kept: its end is never past the last metre, so 32 bits hold
    // it, and a 1000 km line's runs take a third less memory.
    struct TrattoTenuto {
        double k;
        std::int32_t fino;
        bool arco;
    };

    std::int32_t ultimo_metro_ = -1;
    bool punti_fissi_ = false;
    std::int64_t prossimo_ = 2;
    std::vector<TrattoTenuto> tratti_;
};

// The two metres before the cursor, and the step rules. The order of the
// double operations is the file's: each rounded on its own.
struct PuntiRecenti {
    double x0, y0;  // metre m - 2
    double x1, y1;  // metre m - 1

    void passo(const Tratto& t) {
        if (t.arco) {
            passo_arco(t.k);
        } else {
            passo_dritto();
        }
    }
    void passo_dritto() {
        const double d0 = x1 - x0;
        const double d1 = y1 - y0;
        avanza(x1 + d0, y1 + d1);
    }
    void passo_arco(double k) {
        const double d0 = x1 - x0;
        const double d1 = y1 - y0;
        avanza((x1 + d0) + (k * d1), (y1 + d1) - (k * d0));
    }

private:
    void avanza(double x, double y) {
        x0 = x1;
        y0 = y1;
        x1 = x;
        y1 = y;
    }
};

template <typename Vedi>
void Geometria::per_ogni_punto(Vedi&& vedi) const {
    // Unassigned metres 0 and 1 read as 0.0, as they did when the runs began.
    PuntiRecenti p{0.0, 0.0, 0.0, punti_fissi_ ? 1.0 : 0.0};
    std::int64_t m = 2;
    // The kind of run is chosen once per run, not once per metre: a 1000 km
    // line is a million steps.
    for (const TrattoTenuto& t : tratti_) {
        if (t.arco) {
            for (; m <= t.fino; ++m) {
                p.passo_arco(t.k);
                vedi(p);
            }
        } else {
            for (; m <= t.fino; ++m) {
                p.passo_dritto();
                vedi(p);
            }
        }
    }
}

template <typename Ricevi>
void Geometria::per_ogni_calcolato(int k, Ricevi&& ricevi) const {
    if (k == 0) {
        per_ogni_punto([&ricevi](const PuntiRecenti& p) { ricevi(p.x1); });
    } else {
        per_ogni_punto([&ricevi](const PuntiRecenti& p) { ricevi(p.y1); });
    }
}

}  // namespace scenario
