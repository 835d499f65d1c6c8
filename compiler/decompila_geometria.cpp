// Metre by metre, the step that gives the stored point from the two before
// it, computed with the same double operations, in the same order, as the
// line reader: the same inputs then give the same bits on every platform.
#include "compiler/decompila_geometria.h"

#include <array>
#include <bit>
#include <cmath>
#include <optional>

#include "compiler/interi.h"
#include "compiler/modello.h"

namespace scenario::decompila {
namespace {

// classe 0 is the straight step.
struct Passo {
    int classe = 0;
    bool sinistra = false;
    bool operator==(const Passo&) const = default;
};

// The reader's curvatures; a left-hand curve turns the other way.
double curvatura(Passo p) {
    static constexpr std::array<double, 6> per_classe = {0.0001, 0.0002, 0.0004, 0.001, 0.002, 0.003};
    const double k = per_classe[static_cast<std::size_t>(p.classe - 1)];
    return p.sinistra ? -k : k;
}

// The straight first, then every class to the right and to the left.
constexpr std::array<Passo, 13> passi = {{{0, false},
                                          {1, false},
                                          {1, true},
                                          {2, false},
                                          {2, true},
                                          {3, false},
                                          {3, true},
                                          {4, false},
                                          {4, true},
                                          {5, false},
                                          {5, true},
                                          {6, false},
                                          {6, true}}};

struct Punto {
    double x, y;
};

class Piano {
public:
    explicit Piano(const Tracciato& t) : el_(t.elementi), metri_(static_cast<std::size_t>(t.lunghezza_estesa) + 1) {}

    std::size_t metri() const { return metri_; }
    const Elemento& elemento(std::size_t m, int k) const { return el_[static_cast<std::size_t>(k) * metri_ + m]; }
    bool assegnato(std::size_t m) const {
        return elemento(m, 0).tag != Elemento::Tag::vuoto || elemento(m, 1).tag != Elemento::Tag::vuoto;
    }
    bool doppio(std::size_t m) const {
        return elemento(m, 0).tag == Elemento::Tag::doppio && elemento(m, 1).tag == Elemento::Tag::doppio;
    }
    // As the reader reads a coordinate back: an unassigned one is 0.
    Punto punto(std::size_t m) const { return {valore(elemento(m, 0)), valore(elemento(m, 1))}; }

private:
    static double valore(const Elemento& e) {
        switch (e.tag) {
            case Elemento::Tag::intero: return e.intero;
            case Elemento::Tag::doppio: return e.doppio;
            case Elemento::Tag::vuoto: break;
        }
        return 0.0;
    }

    const std::vector<Elemento>& el_;
    std::size_t metri_;
};

// The point of metre m after the step p, from the points of m - 1 and m - 2.
Punto passo(const Punto& prima, const Punto& ancora_prima, Passo p) {
    const double d0 = prima.x - ancora_prima.x;
    const double d1 = prima.y - ancora_prima.y;
    if (p.classe == 0) return {prima.x + d0, prima.y + d1};
    const double k = curvatura(p);
    return {(prima.x + d0) + (k * d1), (prima.y + d1) - (k * d0)};
}

bool stessi_bit(double a, double b) { return std::bit_cast<std::uint64_t>(a) == std::bit_cast<std::uint64_t>(b); }

// The step that gives metre m exactly, trying the one before first (runs
// are long); nothing when none does.
std::optional<Passo> passo_esatto(const Piano& piano, std::size_t m, Passo precedente) {
    const Punto atteso = piano.punto(m);
    const Punto a = piano.punto(m - 1);
    const Punto b = piano.punto(m - 2);
    const auto da = [&](Passo p) {
        const Punto q = passo(a, b, p);
        return stessi_bit(q.x, atteso.x) && stessi_bit(q.y, atteso.y);
    };
    if (da(precedente)) return precedente;
    for (const Passo& p : passi)
        if (da(p)) return p;
    return std::nullopt;
}

// A run of one turn from metre `primo` to `ultimo` as a curve row: the reader
// runs straight up to the row's start and turns on the metres after it. A
// run from metre 2 starts the row at 0, as the built-in texts would.
Curva riga_curva(Passo p, std::size_t primo, std::size_t ultimo) {
    const auto inizio = static_cast<std::int32_t>(primo == 2 ? 0 : primo - 1);
    return {p.sinistra, p.classe, inizio, static_cast<std::int32_t>(ultimo) - inizio};
}

class Curve {
public:
    Curve(Geometria& g, std::int64_t limite_inizio, std::int64_t limite_fine)
        : g_(g), limite_inizio_(limite_inizio), limite_fine_(limite_fine) {}

    void metro(std::size_t m, Passo p) {
        if (aperta_ && p == turno_) {
            ultimo_ = m;
            return;
        }
        chiudi();
        if (p.classe == 0) return;
        aperta_ = true;
        turno_ = p;
        primo_ = ultimo_ = m;
    }

    // A row the reader would refuse (start too near the grid's end, end past
    // the plan) would end the line text's main section: its metres are left out.
    void chiudi() {
        if (!aperta_) return;
        aperta_ = false;
        const Curva c = riga_curva(turno_, primo_, ultimo_);
        if (std::int64_t{c.inizio} + 100 > limite_inizio_ || std::int64_t{c.inizio} + c.lunghezza > limite_fine_) {
            for (std::size_t m = primo_; m <= ultimo_; ++m) g_.metri_fuori_forma.push_back(static_cast<std::int32_t>(m));
            return;
        }
        g_.curve.push_back(c);
    }

private:
    Geometria& g_;
    std::int64_t limite_inizio_, limite_fine_;
    bool aperta_ = false;
    Passo turno_{};
    std::size_t primo_ = 0, ultimo_ = 0;
};

bool punti_fissi(const Piano& piano) {
    const auto intero = [&](std::size_t m, int k, std::int16_t v) {
        const Elemento& e = piano.elemento(m, k);
        return e.tag == Elemento::Tag::intero && e.intero == v;
    };
    return intero(0, 0, 0) && intero(0, 1, 0) && intero(1, 0, 0) && intero(1, 1, 1);
}

}  // namespace

Geometria curve_del_tracciato(const Tracciato& t) {
    Geometria g;
    const Piano piano(t);
    if (piano.metri() < 3 || t.elementi.size() != 2 * piano.metri()) return g;
    if (!punti_fissi(piano)) {
        g.metri_fuori_forma.push_back(0);
        g.metri_fuori_forma.push_back(1);
    }
    // The reader computes every metre up to two before the plan's end, and
    // an arc may reach on to the end itself.
    std::size_t ultimo = piano.metri() - 3;
    while (ultimo + 1 < piano.metri() && piano.assegnato(ultimo + 1)) ++ultimo;
    const auto lunghezza_estesa = static_cast<std::int64_t>(piano.metri()) - 1;
    const std::int64_t numero_celle = dividi_vicino(lunghezza_estesa, metri_cella);
    Curve curve(g, 50 * numero_celle, lunghezza_estesa);
    Passo precedente{};
    for (std::size_t m = 2; m <= ultimo; ++m) {
        if (!piano.doppio(m)) g.metri_fuori_forma.push_back(static_cast<std::int32_t>(m));
        // A metre no step gives (a damaged point, and the two after it that
        // step from it) keeps the turn in force: the plan goes on as before.
        if (const auto esatto = passo_esatto(piano, m, precedente)) precedente = *esatto;
        else g.metri_senza_passo.push_back(static_cast<std::int32_t>(m));
        curve.metro(m, precedente);
    }
    curve.chiudi();
    return g;
}

}  // namespace scenario::decompila
