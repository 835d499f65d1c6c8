// The line source text: the fixed lines at their slots, the size the reader
// and the users rely on, and every scenario row within its form and ranges.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <map>
#include <regex>
#include <string>
#include <string_view>
#include <vector>

#include "source_text/testi_sorgente.h"
#include "tests/source_text/righe_testo.h"

namespace scenario {
namespace {

using prova::catture;
using prova::sezione;

const std::regex forma_curva{R"(curva([sd])([1-6]),  (\d+),  (\d+))"};
const std::regex forma_pendenza{R"(pendenza,  (\d+),   (-?\d+))"};
const std::regex forma_montagna{R"(montagna,   (\d+),  (\d+),  (1|2|11|12))"};
const std::regex forma_cartello{
    R"(indicatori_vmax,  (\d+),  (\d+),  (\d+),  (\d+),  (\d+),  (\d*),  (\d*),  (\d*),  (\d+))"};

std::int64_t numero(const std::string& testo) { return prova::intero(testo).value_or(-1); }

// One captured group of every row of a section, as numbers.
std::vector<std::int64_t> colonna(std::string_view nome, const std::regex& forma, std::size_t gruppo) {
    std::vector<std::int64_t> valori;
    for (std::string_view riga : sezione(righe_linea(), nome)) {
        const auto gruppi = catture(riga, forma);
        if (gruppo < gruppi.size()) valori.push_back(numero(gruppi[gruppo]));
    }
    return valori;
}

TEST(TestoLinea, HasItsLineCountAndByteSize) {
    EXPECT_EQ(righe_linea().size(), 112u);
    EXPECT_EQ(prova::byte_del_file(righe_linea()), 3286);
}

TEST(TestoLinea, EveryLineIsPrintableAsciiWithoutBlankEndsOrEmptyLines) {
    for (std::string_view riga : righe_linea()) {
        SCOPED_TRACE(std::string(riga));
        EXPECT_FALSE(riga.empty());
        EXPECT_TRUE(std::all_of(riga.begin(), riga.end(), [](char c) { return c >= 0x20 && c < 0x7F; }));
        EXPECT_NE(riga.back(), ' ');
        EXPECT_EQ(riga.find("riferimento fine del file"), std::string_view::npos);
    }
}

// The reader passes over a field holding "-" as a comment: no key may hold one.
TEST(TestoLinea, NoKeyReadsAsAComment) {
    for (std::string_view riga : righe_linea()) {
        EXPECT_EQ(riga.substr(0, riga.find(',')).find('-'), std::string_view::npos) << riga;
    }
}

TEST(TestoLinea, FixedLinesStandInTheirSlots) {
    const std::map<std::size_t, std::string_view> fisse{
        {0, "[generale]"},
        {1, "lunghezza percorso,    92000"},
        {2, "progressiva chilometrica uno,    0,    87750,    1"},
        {3, "progressiva chilometrica due,    0,    0,    0"},
        {4, "progressiva chilometrica tre,    0,    0,    0"},
        {5, "sfondo uno,    0"},
        {6, "sfondo due,    1"},
        {7, "sfondo tre,    4000"},
        {8, "ripetizione segnali 4 codici,    60100,    90000"},
        {9, "[curve]"},
        {10, "curvas4,  550,  100"},
        {60, "curvad6,  86900,  100"},
        {61, "curvas6,  87000,  100"},
        {62, "[pendenze]"},
        {63, "pendenza,  0,   0"},
        {84, "pendenza,  78250,   0"},
        {85, "[montagne]"},
        {86, "montagna,   1000,  1500,  12"},
        {87, "montagna,   34600,  35300,  1"},
        {88, "montagna,   42400,  43400,  12"},
        {89, "montagna,   77600,  81600,  2"},
        {90, "montagna,   84400,  86650,  11"},
        {91, "[cartelli]"},
        {92, "indicatori_vmax,  500,  75,  80,  80,  0,  ,  ,  ,  0"},
        {105, "indicatori_vmax,  62750,  95,  105,  105,  0,  95,  105,  105,  0"},
        {110, "[indicazioni]"},
        {111, "[fine]"},
    };
    const auto righe = righe_linea();
    for (const auto& [slot, testo] : fisse) {
        ASSERT_LT(slot, righe.size());
        EXPECT_EQ(righe[slot], testo) << "slot " << slot;
    }
}

TEST(TestoLinea, NamedRowsAppearInTheirSection) {
    const struct {
        std::string_view sezione;
        std::string_view riga;
    } casi[] = {
        {"[curve]", "curvas3,  7700,  1200"},
        {"[pendenze]", "pendenza,  1150,   3"},
        {"[pendenze]", "pendenza,  19800,   -13"},
    };
    for (const auto& caso : casi) {
        const auto righe = sezione(righe_linea(), caso.sezione);
        EXPECT_EQ(std::count(righe.begin(), righe.end(), caso.riga), 1) << caso.riga;
    }
}

TEST(TestoLinea, EverySectionHoldsOnlyRowsOfItsFormInItsCount) {
    const struct {
        std::string_view nome;
        const std::regex* forma;
        std::size_t righe;
    } sezioni[] = {
        {"[curve]", &forma_curva, 52},
        {"[pendenze]", &forma_pendenza, 22},
        {"[montagne]", &forma_montagna, 5},
        {"[cartelli]", &forma_cartello, 18},
    };
    for (const auto& attesa : sezioni) {
        const auto righe = sezione(righe_linea(), attesa.nome);
        EXPECT_EQ(righe.size(), attesa.righe) << attesa.nome;
        for (std::string_view riga : righe) EXPECT_FALSE(catture(riga, *attesa.forma).empty()) << riga;
    }
    EXPECT_TRUE(sezione(righe_linea(), "[indicazioni]").empty());
}

TEST(TestoLinea, PositionsRiseInStepsOfOneCell) {
    const struct {
        std::string_view nome;
        const std::regex* forma;
        std::size_t gruppo_posizione;
    } sezioni[] = {
        {"[curve]", &forma_curva, 2},
        {"[pendenze]", &forma_pendenza, 0},
        {"[montagne]", &forma_montagna, 0},
        {"[cartelli]", &forma_cartello, 0},
    };
    for (const auto& attesa : sezioni) {
        SCOPED_TRACE(attesa.nome);
        const auto posizioni = colonna(attesa.nome, *attesa.forma, attesa.gruppo_posizione);
        EXPECT_TRUE(std::is_sorted(posizioni.begin(), posizioni.end()));
        EXPECT_EQ(std::adjacent_find(posizioni.begin(), posizioni.end()), posizioni.end());
        for (const std::int64_t p : posizioni) EXPECT_EQ(p % 50, 0) << p;
    }
}

TEST(CurveLinea, SidesAndClassesKeepTheirCounts) {
    std::map<std::string, int> lati;
    std::map<std::string, int> classi;
    for (std::string_view riga : sezione(righe_linea(), "[curve]")) {
        const auto gruppi = catture(riga, forma_curva);
        ASSERT_EQ(gruppi.size(), 4u) << riga;
        ++lati[gruppi[0]];
        ++classi[gruppi[1]];
    }
    EXPECT_EQ(lati, (std::map<std::string, int>{{"d", 28}, {"s", 24}}));
    EXPECT_EQ(classi, (std::map<std::string, int>{{"2", 6}, {"3", 28}, {"4", 14}, {"5", 2}, {"6", 2}}));
}

TEST(CurveLinea, CurvesFollowEachOtherWithoutOverlapping) {
    const auto inizi = colonna("[curve]", forma_curva, 2);
    const auto lunghezze = colonna("[curve]", forma_curva, 3);
    ASSERT_EQ(inizi.size(), lunghezze.size());
    ASSERT_FALSE(inizi.empty());
    EXPECT_EQ(inizi.front(), 550);
    EXPECT_EQ(inizi.back(), 87000);
    for (std::size_t i = 0; i + 1 < inizi.size(); ++i) {
        EXPECT_LE(inizi[i] + lunghezze[i], inizi[i + 1]) << "curve at " << inizi[i];
    }
}

TEST(CurveLinea, LengthsStayInRangeAndMostAreThreeHundred) {
    const auto lunghezze = colonna("[curve]", forma_curva, 3);
    for (const std::int64_t l : lunghezze) {
        EXPECT_GE(l, 100);
        EXPECT_LE(l, 1250);
        EXPECT_EQ(l % 50, 0);
    }
    // The 1200 m curve at 7700 is the longest of the line.
    EXPECT_EQ(*std::max_element(lunghezze.begin(), lunghezze.end()), 1200);
    EXPECT_GT(2 * std::count(lunghezze.begin(), lunghezze.end(), 300), static_cast<long>(lunghezze.size()));
}

// Each row is a change of gradient: a row that repeats the one before says nothing.
TEST(PendenzeLinea, EveryRowChangesTheGradient) {
    const auto pendenze = colonna("[pendenze]", forma_pendenza, 1);
    ASSERT_EQ(pendenze.size(), 22u);
    for (std::size_t i = 1; i < pendenze.size(); ++i) EXPECT_NE(pendenze[i], pendenze[i - 1]) << "row " << i;
}

TEST(PendenzeLinea, GradientsReachBothLimitsAndNoFurther) {
    const auto pendenze = colonna("[pendenze]", forma_pendenza, 1);
    ASSERT_FALSE(pendenze.empty());
    EXPECT_EQ(*std::min_element(pendenze.begin(), pendenze.end()), -15);
    EXPECT_EQ(*std::max_element(pendenze.begin(), pendenze.end()), 15);
}

TEST(CartelliLinea, PositionsAndSpeedsStayInRange) {
    const auto posizioni = colonna("[cartelli]", forma_cartello, 0);
    ASSERT_EQ(posizioni.size(), 18u);
    EXPECT_EQ(posizioni.front(), 500);
    EXPECT_EQ(posizioni.back(), 83750);
    std::vector<std::int64_t> velocita;
    for (const std::size_t gruppo : {1u, 2u, 3u}) {
        const auto ranghi = colonna("[cartelli]", forma_cartello, gruppo);
        velocita.insert(velocita.end(), ranghi.begin(), ranghi.end());
    }
    EXPECT_EQ(*std::min_element(velocita.begin(), velocita.end()), 50);
    EXPECT_EQ(*std::max_element(velocita.begin(), velocita.end()), 105);
}

// Speeds never rise from rank A to C; stripes are 0; the right-hand board,
// present from 62750 m on only, repeats the left-hand one.
TEST(CartelliLinea, BoardsAreOrderedAndRightHandOnesOnlyOnTheDoubleTrack) {
    int su_due_lati = 0;
    for (std::string_view riga : sezione(righe_linea(), "[cartelli]")) {
        SCOPED_TRACE(std::string(riga));
        const auto g = catture(riga, forma_cartello);
        ASSERT_EQ(g.size(), 9u);
        EXPECT_LE(numero(g[1]), numero(g[2]));
        EXPECT_LE(numero(g[2]), numero(g[3]));
        EXPECT_EQ(g[4], "0");
        EXPECT_EQ(g[8], "0");
        if (numero(g[0]) < 62750) {
            EXPECT_EQ(g[5] + g[6] + g[7], "");
        } else {
            EXPECT_EQ(std::vector(g.begin() + 5, g.begin() + 8), std::vector(g.begin() + 1, g.begin() + 4));
            ++su_due_lati;
        }
    }
    EXPECT_EQ(su_due_lati, 5);
}

}  // namespace
}  // namespace scenario
