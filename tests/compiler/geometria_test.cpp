// The plan geometry built by the line reader: the two fixed first metres,
// straight runs, arcs with the exact order of double operations, the class
// digit and its sign, the tail, and the limits a curve must keep.
#include <gtest/gtest.h>

#include <vector>

#include "tests/compiler/prova_lettori.h"

namespace scenario::test {
namespace {

Elemento elemento(const Stato& s, std::int64_t m, int k) {
    EXPECT_LE(m, s.tracciato.ultimo_metro());
    return s.tracciato.elemento(m, k);
}

// A point of the plan as doubles, whatever its tag.
std::pair<double, double> punto(const Stato& s, std::int64_t m) {
    const auto valore = [&](int k) {
        const Elemento e = elemento(s, m, k);
        return e.tag == Elemento::Tag::intero ? static_cast<double>(e.intero) : e.doppio;
    };
    return {valore(0), valore(1)};
}

// The table holds the runs the reader adds, never past its last metre, and a
// run that starts behind the cursor adds only what lies beyond it.
TEST(Geometria, TheTableGrowsRunByRunUpToItsLastMetre) {
    Geometria g;
    g.crea(5);
    EXPECT_EQ(g.elementi(), 12);
    EXPECT_EQ(g.prossimo_metro(), 2);
    g.prosegui({3, false, 0.0});
    EXPECT_EQ(g.prossimo_metro(), 4);
    g.prosegui({3, true, 0.5});  // already computed: nothing
    EXPECT_EQ(g.prossimo_metro(), 4);
    g.prosegui({9, true, 0.5});
    EXPECT_EQ(g.prossimo_metro(), 6);
    // No fixed points: metres 0 and 1 read as 0.0 and the straight run stays there.
    EXPECT_EQ(g.elemento(1, 1).tag, Elemento::Tag::vuoto);
    EXPECT_EQ(g.elemento(3, 1).tag, Elemento::Tag::doppio);
    EXPECT_EQ(g.elemento(3, 1).doppio, 0.0);
    g.crea(10);  // a second route length starts afresh
    EXPECT_EQ(g.prossimo_metro(), 2);
    EXPECT_EQ(g.elemento(2, 0).tag, Elemento::Tag::vuoto);
}

// Walking the runs gives each coordinate of every computed metre once, in
// order, by the same operations as the step rules applied one at a time.
TEST(Geometria, TheRunsWalkedGiveEveryComputedMetreInOrder) {
    Geometria g;
    g.crea(100);
    g.poni_punti_fissi();
    const std::vector<Tratto> tratti = {{10, false, 0.0}, {20, false, 0.0}, {40, true, 0.003}, {60, true, -0.0004}, {70, false, 0.0}};
    for (const Tratto& t : tratti) g.prosegui(t);
    std::vector<double> attese[2];
    PuntiRecenti p{0.0, 0.0, 0.0, 1.0};
    std::int64_t m = 2;
    for (const Tratto& t : tratti) {
        for (; m <= t.fino; ++m) {
            p.passo(t);
            attese[0].push_back(p.x1);
            attese[1].push_back(p.y1);
        }
    }
    for (int k = 0; k < 2; ++k) {
        std::vector<double> lette;
        g.per_ogni_calcolato(k, [&lette](double v) { lette.push_back(v); });
        EXPECT_EQ(lette, attese[k]) << "coordinate " << k;
    }
    EXPECT_EQ(g.prossimo_metro(), 71);
}

TEST(Geometria, FirstTwoMetresAreFixedIntegersAndTheTailRunsStraight) {
    ProvaLettori p;
    p.esegui_linea(linea_con(""));
    ASSERT_EQ(p.s.codice_errore, 0);
    EXPECT_EQ(elemento(p.s, 0, 0).tag, Elemento::Tag::intero);
    EXPECT_EQ(elemento(p.s, 1, 1).tag, Elemento::Tag::intero);
    EXPECT_EQ(punto(p.s, 0), std::make_pair(0.0, 0.0));
    EXPECT_EQ(punto(p.s, 1), std::make_pair(0.0, 1.0));
    EXPECT_EQ(elemento(p.s, 2, 0).tag, Elemento::Tag::doppio);
    EXPECT_EQ(punto(p.s, 16998), std::make_pair(0.0, 16998.0));
    EXPECT_EQ(elemento(p.s, 16999, 0).tag, Elemento::Tag::vuoto);
    EXPECT_EQ(elemento(p.s, 17000, 1).tag, Elemento::Tag::vuoto);
}

TEST(Geometria, ACurveAtMetreZeroMakesMetreTwoAnArcPoint) {
    ProvaLettori p;
    p.esegui_linea(linea_con("curvas4, 0, 100\r\n"));
    ASSERT_EQ(p.s.codice_errore, 0);
    EXPECT_EQ(punto(p.s, 2), std::make_pair(-0.001, 2.0));
}

// Each operation rounded on its own, in this order: (x + d0) + (k * d1), (y + d1) - (k * d0).
TEST(Geometria, ArcFollowsTheStraightRunStepByStep) {
    ProvaLettori p;
    p.esegui_linea(linea_con("curvad6, 100, 2\r\n"));
    ASSERT_EQ(p.s.codice_errore, 0);
    const double k = 0.003;
    EXPECT_EQ(punto(p.s, 100), std::make_pair(0.0, 100.0));
    double x1 = (0.0 + 0.0) + (k * 1.0);
    double y1 = (100.0 + 1.0) - (k * 0.0);
    EXPECT_EQ(punto(p.s, 101), std::make_pair(x1, y1));
    const double d0 = x1 - 0.0;
    const double d1 = y1 - 100.0;
    const double x2 = (x1 + d0) + (k * d1);
    const double y2 = (y1 + d1) - (k * d0);
    EXPECT_EQ(punto(p.s, 102), std::make_pair(x2, y2));
    // Straight again after the arc: the last step repeats.
    EXPECT_EQ(punto(p.s, 103), std::make_pair(x2 + (x2 - x1), y2 + (y2 - y1)));
}

// A long arc accumulates rounding: every metre must match the operations
// done one at a time in the stated order.
TEST(Geometria, ALongArcMatchesTheStepwiseFormulaBitForBit) {
    ProvaLettori p;
    p.esegui_linea(linea_con("curvas3, 0, 3000\r\n"));
    ASSERT_EQ(p.s.codice_errore, 0);
    const double k = -0.0004;
    double x0 = 0.0, y0 = 0.0, x1 = 0.0, y1 = 1.0;
    for (int m = 2; m <= 3000; ++m) {
        const double d0 = x1 - x0;
        const double d1 = y1 - y0;
        const double x = (x1 + d0) + (k * d1);
        const double y = (y1 + d1) - (k * d0);
        ASSERT_EQ(punto(p.s, m), std::make_pair(x, y)) << "metre " << m;
        x0 = x1;
        y0 = y1;
        x1 = x;
        y1 = y;
    }
}

struct Classe {
    const char* chiave;
    double k;
};

// The case as ctest names it: stable and readable.
void PrintTo(const Classe& c, std::ostream* os) { *os << c.chiave; }

class CurveClass : public ::testing::TestWithParam<Classe> {};

TEST_P(CurveClass, FirstDigitGivesTheCurvatureAnSTurnsIt) {
    ProvaLettori p;
    p.esegui_linea(linea_con(std::string(GetParam().chiave) + ", 0, 10\r\n"));
    ASSERT_EQ(p.s.codice_errore, 0);
    EXPECT_EQ(punto(p.s, 2).first, GetParam().k);
}

INSTANTIATE_TEST_SUITE_P(Cifre, CurveClass,
                         ::testing::Values(Classe{"curva1", 0.0001}, Classe{"curvad2", 0.0002},
                                           Classe{"curvas3", -0.0004}, Classe{"CurvaS3", -0.0004},
                                           Classe{"curva 4", 0.001}, Classe{"curva5", 0.002},
                                           Classe{"curva 6 1", 0.0001}, Classe{"curvas9 6", -0.003}));

TEST(Geometria, ACurveEndingAtTheExtendedLengthIsAccepted) {
    ProvaLettori p;
    p.esegui_linea(linea_con("curva1, 16000, 1000\r\n"));
    ASSERT_EQ(p.s.codice_errore, 0);
    EXPECT_EQ(elemento(p.s, 17000, 0).tag, Elemento::Tag::doppio);
}

TEST(Geometria, ACurveStartingBehindTheCursorGetsOnlyItsRemainingArc) {
    ProvaLettori p;
    p.esegui_linea(linea_con("curva1, 100, 100\r\ncurvas1, 150, 100\r\n"));
    ASSERT_EQ(p.s.codice_errore, 0);
    Stato solo_primo;
    {
        ProvaLettori q;
        q.esegui_linea(linea_con("curva1, 100, 100\r\n"));
        solo_primo = q.s;
    }
    EXPECT_EQ(punto(p.s, 200), punto(solo_primo, 200));
    EXPECT_NE(punto(p.s, 201), punto(solo_primo, 201));
}

// The cursor passing metre 1000000 inside a curve ends the reader with 103;
// the metres computed so far stay.
TEST(Geometria, PassingTheGeometryLimitInsideACurveIs103) {
    ProvaLettori p;
    p.esegui(linea_con("curva1, 999000, 2000\r\n", "1000000"), treno_con(""));
    EXPECT_EQ(p.s.codice_errore, 103);
    EXPECT_EQ(p.s.posizione_errore, posizione_non_scritta);
    EXPECT_EQ(elemento(p.s, 1000000, 0).tag, Elemento::Tag::doppio);
    EXPECT_EQ(elemento(p.s, 1000001, 0).tag, Elemento::Tag::vuoto);
    EXPECT_FALSE(p.linea_presente());
    EXPECT_TRUE(p.treno_presente());
}

}  // namespace
}  // namespace scenario::test
