// The generator's entry points: the sizes it is asked for, and the plan
// written out as two texts.
#include "bench/generatore/generatore_scenari.h"

#include <algorithm>

#include "bench/generatore/caso.h"
#include "bench/generatore/piano_scenario.h"

namespace scenario::generatore {
namespace {

// n per 1,000,000 m, at least `minimo`.
int in_proporzione(std::int32_t lunghezza, int n, int minimo) {
    const auto scalato = static_cast<int>((std::int64_t{lunghezza} * n + 500000) / 1000000);
    return std::max(scalato, minimo);
}

Conteggi conta(const Piano& p) {
    const auto n = [](const auto& v) { return static_cast<int>(v.size()); };
    return {n(p.curve),     n(p.pendenze),   n(p.montagne),      n(p.indicatori), n(p.cartelli),
            n(p.velocita),  n(p.aderenze),   n(p.stazioni),      n(p.rallentamenti), n(p.segnali),
            n(p.abbattimenti), p.guasti_percorso};
}

}  // namespace

Misura misura_proporzionata(std::int32_t lunghezza) {
    Misura m;
    m.lunghezza = lunghezza;
    m.curve = in_proporzione(lunghezza, 20000, 1);
    m.pendenze = in_proporzione(lunghezza, 20000, 1);
    m.segnali = in_proporzione(lunghezza, 2000, 1);
    m.stazioni = std::min(in_proporzione(lunghezza, 78, 2), 78);
    m.rallentamenti = in_proporzione(lunghezza, 200, 1);
    m.montagne = std::min(in_proporzione(lunghezza, 80, 1), 80);
    m.indicatori = in_proporzione(lunghezza, 200, 1);
    m.velocita = in_proporzione(lunghezza, 150, 1);
    m.aderenze = in_proporzione(lunghezza, 40, 1);
    m.abbattimenti = in_proporzione(lunghezza, 20, 0);
    return m;
}

Misura misura_varia(std::uint64_t seme) {
    Caso caso(seme ^ 0x5EED5EED5EEDull);
    Misura m;
    m.lunghezza = static_cast<std::int32_t>(caso.tra(60, 600) * 50);  // 3 to 30 km
    const int km = m.lunghezza / 1000;
    m.curve = static_cast<int>(caso.tra(0, km * 3));
    m.pendenze = static_cast<int>(caso.tra(1, km * 2));
    m.montagne = static_cast<int>(caso.tra(0, std::min(km / 2, 80)));
    m.indicatori = static_cast<int>(caso.tra(0, km));
    m.cartelli = static_cast<int>(caso.tra(0, 4));
    m.velocita = static_cast<int>(caso.tra(1, km / 2 + 1));
    m.aderenze = static_cast<int>(caso.tra(1, 4));
    m.stazioni = static_cast<int>(caso.tra(1, std::min(km / 2 + 2, 20)));
    m.rallentamenti = static_cast<int>(caso.tra(0, km / 4 + 1));
    m.segnali = static_cast<int>(caso.tra(0, km));
    m.abbattimenti = static_cast<int>(caso.tra(0, 3));
    return m;
}

Scenario genera(const Misura& misura, const Opzioni& opzioni) {
    const Piano piano = pianifica(misura, opzioni);
    return {testo_linea(piano), testo_treno(piano), conta(piano)};
}

}  // namespace scenario::generatore
