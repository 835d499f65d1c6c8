// The plan table as runs: the three parts of the file (fixed points, computed
// metres, unassigned tail) and the element each metre shows in it.
#include "compiler/geometria.h"

#include <algorithm>

namespace scenario {

void Geometria::crea(std::int32_t lunghezza_estesa) {
    cancella();
    ultimo_metro_ = lunghezza_estesa;
}

void Geometria::cancella() {
    ultimo_metro_ = -1;
    punti_fissi_ = false;
    prossimo_ = 2;
    tratti_.clear();
}

void Geometria::poni_punti_fissi() { punti_fissi_ = esiste() && ultimo_metro_ >= 1; }

void Geometria::prosegui(const Tratto& t) {
    const std::int64_t fino = std::min<std::int64_t>(t.fino, ultimo_metro_);
    if (fino < prossimo_) return;
    // A straight run after a straight run is one run.
    if (!t.arco && !tratti_.empty() && !tratti_.back().arco) {
        tratti_.back().fino = static_cast<std::int32_t>(fino);
    } else {
        tratti_.push_back({t.k, static_cast<std::int32_t>(fino), t.arco});
    }
    prossimo_ = fino + 1;
}

Elemento Geometria::elemento(std::int64_t m, int k) const {
    Elemento e;
    if (m < 2) {
        if (punti_fissi_) {
            e.tag = Elemento::Tag::intero;
            e.intero = punto_fisso(m, k);
        }
    } else if (m < prossimo_) {
        e.tag = Elemento::Tag::doppio;
        std::int64_t metro = 2;
        per_ogni_calcolato(k, [&](double v) {
            if (metro++ == m) e.doppio = v;
        });
    }
    return e;
}

}  // namespace scenario
