// The compact plan table: its three parts (fixed points, computed metres,
// unassigned tail) and the element each metre shows in the file.
#include "compiler/geometria.h"

namespace scenario {
void Geometria::crea(std::int32_t lunghezza_estesa) {
    cancella();
    ultimo_metro_ = lunghezza_estesa;
    // Metres 2 .. lunghezza_estesa at most; reserved, so only the pages
    // written are ever touched.
    const auto calcolabili = static_cast<std::size_t>(lunghezza_estesa > 1 ? lunghezza_estesa - 1 : 0);
    x_.reserve(calcolabili);
    y_.reserve(calcolabili);
}

void Geometria::cancella() {
    ultimo_metro_ = -1;
    punti_fissi_ = false;
    // Swapped with empty ones: clear() would keep the room of a table made before.
    std::vector<double>().swap(x_);
    std::vector<double>().swap(y_);
}

void Geometria::poni_punti_fissi() { punti_fissi_ = esiste() && ultimo_metro_ >= 1; }

Elemento Geometria::elemento(std::int64_t m, int k) const {
    Elemento e;
    if (m < 2) {
        if (punti_fissi_) {
            e.tag = Elemento::Tag::intero;
            e.intero = punto_fisso(m, k);
        }
    } else if (m < prossimo_metro()) {
        e.tag = Elemento::Tag::doppio;
        e.doppio = calcolati(k)[static_cast<std::size_t>(m - 2)];
    }
    return e;
}

}  // namespace scenario
