// progressive_ordina: the order of the three kilometric progressives, the
// ties, the all-zero case and the 100 m added for a flag of 1.
#include <gtest/gtest.h>

#include <array>
#include <limits>

#include "compiler/posa.h"

namespace scenario {
namespace {

using Terna = std::array<std::int32_t, 3>;
constexpr Terna zero{0, 0, 0};

struct Caso {
    const char* nome;
    Terna tre, due, uno;         // slots 81, 82, 83 before
    Terna primo, secondo, terzo;  // slots 81, 82, 83 after
};

void scrivi(Voce& v, const Terna& t) {
    v.numero1 = t[0];
    v.numero2 = t[1];
    v.numero3 = t[2];
}

Terna leggi(const Voce& v) { return {v.numero1, v.numero2, v.numero3}; }

TEST(ProgressiveOrdina, Casi) {
    constexpr std::int32_t massimo = std::numeric_limits<std::int32_t>::max();
    const Caso casi[] = {
        {"solo uno, somma zero", zero, zero, {0, 87750, 1}, {0, 87850, 1}, zero, zero},
        {"tutte distinte", {100, 1, 0}, {300, 2, 0}, {200, 3, 0}, {300, 2, 0}, {200, 3, 0}, {100, 1, 0}},
        {"negative", {-100, 1, 0}, {-200, 2, 0}, {-300, 3, 0}, {-100, 1, 0}, {-200, 2, 0}, {-300, 3, 0}},
        {"tre primo, pari: uno prima di due", {500, 1, 0}, {100, 2, 0}, {100, 3, 0}, {500, 1, 0}, {100, 3, 0},
         {100, 2, 0}},
        {"due primo, pari: uno prima di tre", {100, 1, 0}, {500, 2, 0}, {100, 3, 0}, {500, 2, 0}, {100, 3, 0},
         {100, 1, 0}},
        {"uno primo, pari: due prima di tre", {100, 1, 0}, {100, 2, 0}, {500, 3, 0}, {500, 3, 0}, {100, 2, 0},
         {100, 1, 0}},
        {"pari in cima: tutto a zero", {300, 1, 1}, {300, 2, 1}, {100, 3, 1}, zero, zero, zero},
        {"pari in cima con negativa", {0, 1, 0}, {0, 2, 0}, {-5, 3, 0}, zero, zero, zero},
        {"somma zero, vince l'ultimo numero2 positivo", {100, 5, 0}, {-100, 6, 0}, zero, {-100, 6, 0},
         {100, 5, 0}, zero},
        {"somma zero, solo tre", {0, 5, 0}, zero, {0, -1, 0}, {0, 5, 0}, zero, {0, -1, 0}},
        {"somma zero, nessun numero2 positivo", {0, 0, 1}, {0, -5, 1}, zero, zero, zero, zero},
        {"piu 100 su ogni slot con numero3 1", {300, 1000, 1}, {200, 2000, 0}, {100, 3000, 1}, {300, 1100, 1},
         {200, 2000, 0}, {100, 3100, 1}},
        {"piu 100 tiene i 32 bit bassi", {300, massimo, 1}, zero, zero,
         {300, std::numeric_limits<std::int32_t>::min() + 99, 1}, zero, zero},
    };
    for (const auto& c : casi) {
        Stato s;
        scrivi(s.voci[81], c.tre);
        scrivi(s.voci[82], c.due);
        scrivi(s.voci[83], c.uno);
        s.voci[82].stringa = "resta";
        progressive_ordina(s);
        EXPECT_EQ(leggi(s.voci[81]), c.primo) << c.nome;
        EXPECT_EQ(leggi(s.voci[82]), c.secondo) << c.nome;
        EXPECT_EQ(leggi(s.voci[83]), c.terzo) << c.nome;
        EXPECT_EQ(s.voci[82].stringa, "resta") << c.nome;
    }
}

}  // namespace
}  // namespace scenario
