// memo_montagna: a mountain section marks the montagna byte of its cells and,
// when asked, puts a mountain marker on every fourth empty cell.
#include "compiler/interi.h"
#include "compiler/posa.h"

namespace scenario {
namespace {

constexpr std::int64_t distacco_stretto = 150;  // sections this close join as type 3

// Writes the section's type into its cells and the markers when `marcata`.
// The count of a cell is its place in the whole range, even where the range
// starts before the grid, so markers land where they would on a longer grid.
void segna_celle(Stato& s, std::int64_t prima, std::int64_t ultima, std::int32_t tipo, bool marcata,
                 std::int32_t fine) {
    const std::int64_t da = prima < 0 ? 0 : prima;
    const std::int64_t a = ultima > s.numero_celle ? s.numero_celle : ultima;
    for (std::int64_t c = da; c <= a; ++c) {
        Cella* k = cella(s, c);
        if (k == nullptr) continue;
        k->montagna = basso8(tipo);
        const std::int64_t conteggio = c - prima + 1;
        if (marcata && conteggio % 4 == 0 && k->tipo == TipoCella::vuota && (c - 4) * metri_cella < fine) {
            poni_tipo(s, c, TipoCella::marcatore_montagna);
        }
    }
}

}  // namespace

void memo_montagna(Stato& s, std::int32_t inizio, std::int32_t fine, std::int32_t& tipo) {
    if (s.numero_montagne < 0 || s.numero_montagne >= static_cast<std::int32_t>(massimo_montagne)) {
        registra(s, Guasto::posti_esauriti);
        return;
    }
    bool marcata = false;
    if (tipo > 10) {
        tipo -= 10;
        marcata = true;
    }
    const auto n = static_cast<std::size_t>(++s.numero_montagne);
    s.inizio_montagne[n] = inizio;
    s.fine_montagne[n] = fine;
    if (n > 1 && std::int64_t{inizio} - s.fine_montagne[n - 1] <= distacco_stretto) tipo = 3;
    segna_celle(s, cella_vicina(inizio), cella_vicina(std::int64_t{fine} - metri_cella), tipo, marcata, fine);
}

}  // namespace scenario
