// The timetable card: four cards in one frame, the frames at their slots, the
// bars at their columns and the timetable rows within their cell formats.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <map>
#include <regex>
#include <set>
#include <string>
#include <string_view>
#include <vector>

#include "documents/documenti.h"
#include "tests/documents/righe_scheda.h"
#include "tests/source_text/righe_testo.h"

namespace scenario {
namespace {

using prova::contenuto;
using prova::FormaOrario;
using prova::RigaOrario;

constexpr std::string_view bordo_tabella =
    " |_____|_____|__________|_____|____________________________|________________|_____|";
constexpr std::string_view riga_vuota =
    " |     |     |          |     |                            |                |     |";

bool in_maiuscolo(std::string_view testo) {
    return std::none_of(testo.begin(), testo.end(), [](char c) { return c >= 'a' && c <= 'z'; });
}

TEST(Scheda, HasItsLineCountAndTheSizeItsLayoutGives) {
    EXPECT_EQ(righe_scheda().size(), 200u);
    // Every line's width is fixed by the layout, so the size is too.
    EXPECT_EQ(prova::byte_del_file(righe_scheda()), 15223);
    for (std::string_view riga : righe_scheda()) {
        EXPECT_EQ(riga.find("riferimento fine del file"), std::string_view::npos);
        EXPECT_TRUE(std::all_of(riga.begin(), riga.end(), [](char c) { return c >= 0x20 && c < 0x7F; })) << riga;
    }
}

TEST(Scheda, EmptyLinesStandOnlyAtTheirSlots) {
    const std::set<std::size_t> vuote{0, 1, 11, 48, 51, 52, 62, 99, 102, 112, 149, 150, 152, 162, 199};
    const auto righe = righe_scheda();
    for (std::size_t slot = 0; slot < righe.size(); ++slot) {
        EXPECT_EQ(righe[slot].empty(), vuote.contains(slot)) << "slot " << slot;
    }
}

// Title box, classification box and table head of each card, from its first slot.
TEST(Scheda, EveryCardOpensWithItsFrame) {
    const struct {
        std::size_t primo_slot;
        std::string_view scheda, treno, arrivo, valori;
    } schede[] = {
        {2, " |                   |                    SCHEDA 1/4               |              |",
         " |   TRENO n.4936    |                   da: Vordano P.f.          |    V140 B    |",
         " |___________________|                    a: Seli S. Pietro        |     135%     |",
         " |        Reg        |              |      330T         |"},
        {53, " |                   |                    SCHEDA 2/4               |              |",
         " |   TRENO n.4936    |                   da: VORDANO P.F.          |    V140 B    |",
         " |___________________|                    a: SELI S. PIETRO        |     135%     |",
         " |        Reg        |              |      330T         |"},
        {103, " |                   |                    SCHEDA 3/4               |              |",
         " |   TRENO n.xxxxx   |                   da: xxxxxx                |    Vxxx C    |",
         " |___________________|                    a: xxxxxx                |     xxx%     |",
         " |        xxx        |              |      xxxT         |"},
        {153, " |                   |                    SCHEDA 4/4               |              |",
         " |   TRENO n.xxxxx   |                   da: xxxxxx                |    Vxxx C    |",
         " |___________________|                    a: xxxxxx                |     xxx%     |",
         " |        xxx        |              |      xxxT         |"},
    };
    const auto righe = righe_scheda();
    for (const auto& s : schede) {
        SCOPED_TRACE(s.scheda);
        const std::vector<std::string_view> attese{
            "  ___________________                                               ______________",
            s.scheda,
            s.treno,
            s.arrivo,
            std::string_view("                                                                   |______________|"),
            "  ___________________                ___________________",
            " |  CLASSIFICAZIONE  |              |  MASSA BLOCCATA   |       ",
            s.valori,
            " |___________________|              |___________________|",
            "",
            "  ________________________________________________________________________________",
            " | Vel.| Vel.| Progr Km |  No |   Localita' di  Servizio   |     Orario     | Rec |",
            " | Lim.|Marc.|          |  Rs |                            |                |     |",
            bordo_tabella,
        };
        EXPECT_EQ(std::vector(righe.begin() + static_cast<std::ptrdiff_t>(s.primo_slot),
                              righe.begin() + static_cast<std::ptrdiff_t>(s.primo_slot + attese.size())),
                  attese);
    }
}

TEST(Scheda, FootnotesDotsAndBottomEdgesCloseTheCards) {
    const std::map<std::size_t, std::string> fisse{
        {49, " Nota: il + indica 1/2 minuto"},  {50, std::string(81, '.')},
        {98, std::string(bordo_tabella)},       {100, " Nota: il + indica 1/2 minuto"},
        {101, std::string(72, '.')},            {148, std::string(bordo_tabella)},
        {151, std::string(72, '.')},            {198, std::string(bordo_tabella)},
    };
    const auto righe = righe_scheda();
    for (const auto& [slot, testo] : fisse) EXPECT_EQ(righe[slot], testo) << "slot " << slot;
}

TEST(Scheda, UnusedRowsOfEveryCardAreBlank) {
    const struct {
        std::size_t primo, ultimo;
    } intervalli[] = {{72, 97}, {117, 147}, {167, 197}};
    for (const auto& i : intervalli) {
        for (std::size_t slot = i.primo; slot <= i.ultimo; ++slot) EXPECT_EQ(righe_scheda()[slot], riga_vuota) << slot;
    }
}

// Every line of a table, head to bottom edge, has its bars at the same columns.
TEST(Scheda, TableLinesKeepTheirBars) {
    for (const std::size_t primo : {13u, 64u, 114u, 164u}) {
        for (std::size_t slot = primo; slot < primo + 35; ++slot) {
            EXPECT_TRUE(prova::barre_al_posto(righe_scheda()[slot])) << "slot " << slot;
        }
    }
}

TEST(Scheda, TimetableCellsKeepTheirFormats) {
    const std::regex velocita{R"( {5}| *(\d+) )"};
    const std::regex progressiva{R"( {10}| *\d+\.\d{3}  )"};
    const std::regex localita{R"([^ ].*)"};
    const std::regex recupero{R"( {5}| *(0\.5|1|1\.5|2) )"};
    for (const RigaOrario& riga : prova::righe_orario()) {
        SCOPED_TRACE("slot " + std::to_string(riga.slot));
        ASSERT_FALSE(riga.localita().empty());
        std::array<std::string, 7> celle = riga.celle;
        for (std::string& cella : celle) std::replace(cella.begin(), cella.end(), '_', ' ');
        EXPECT_TRUE(std::regex_match(celle[0], velocita)) << celle[0];
        EXPECT_EQ(celle[1], "     ");
        EXPECT_TRUE(std::regex_match(celle[2], progressiva)) << celle[2];
        EXPECT_EQ(celle[3], "     ");
        EXPECT_TRUE(std::regex_match(contenuto(celle[4]), localita)) << celle[4];
        EXPECT_NE(celle[4].front(), ' ');
        EXPECT_NE(prova::leggi_orario(celle[5]).forma, FormaOrario::altra) << celle[5];
        EXPECT_TRUE(std::regex_match(celle[6], recupero)) << celle[6];
    }
}

// Card 1's 32nd row is its bottom edge: underscores for every filler, blanks
// only inside the name; the line after it is empty.
TEST(Scheda, TheLastRowOfCardOneDrawsItsBottomEdge) {
    const RigaOrario ultima = prova::riga_orario(47);
    EXPECT_EQ(ultima.celle[0], "_____");
    EXPECT_EQ(ultima.celle[1], "_____");
    EXPECT_EQ(ultima.celle[2], "__10.500__");
    EXPECT_EQ(ultima.celle[3], "_____");
    EXPECT_EQ(ultima.celle[5], "_____7.30_______");
    EXPECT_EQ(ultima.celle[6], "___2_");
    const std::string& nome = ultima.localita();
    const std::size_t fine_nome = nome.find_last_not_of('_') + 1;
    EXPECT_EQ(nome.find('_'), fine_nome);
    EXPECT_EQ(nome.find_first_of(' '), nome.substr(0, fine_nome).find(' '));
    EXPECT_EQ(righe_scheda()[48], "");
}

TEST(Scheda, RowKindsKeepTheirCountsOnEachCard) {
    const auto tipo = [](const RigaOrario& riga) -> std::string {
        const std::string nome = contenuto(riga.localita());
        if (nome.starts_with("Km ")) return "km";
        if (nome.starts_with("Imbocco Gall. ") || nome.starts_with("Sbocco Gall. ")) return "tunnel";
        if (nome.starts_with("Segn. Prot. ")) return "signal";
        return in_maiuscolo(nome) ? "station" : "halt";
    };
    std::map<std::string, int> scheda_1;
    std::map<std::string, int> scheda_2;
    const auto righe = prova::righe_orario();
    for (std::size_t i = 0; i < righe.size(); ++i) ++(i < prova::righe_scheda_1 ? scheda_1 : scheda_2)[tipo(righe[i])];
    EXPECT_EQ(scheda_1, (std::map<std::string, int>{
                            {"station", 15}, {"halt", 8}, {"km", 6}, {"tunnel", 2}, {"signal", 1}}));
    EXPECT_EQ(scheda_2, (std::map<std::string, int>{{"station", 1}, {"halt", 4}}));
}

TEST(Scheda, TunnelMouthsAndProtectionSignalAreWrittenInFull) {
    int imbocchi = 0;
    int sbocchi = 0;
    for (const RigaOrario& riga : prova::righe_orario()) {
        const std::string nome = contenuto(riga.localita());
        imbocchi += nome.starts_with("Imbocco Gall. ") ? 1 : 0;
        sbocchi += nome.starts_with("Sbocco Gall. ") ? 1 : 0;
        if (nome.starts_with("Segn. Prot. ")) {
            EXPECT_EQ(contenuto(riga.progressiva()), "");
            EXPECT_TRUE(in_maiuscolo(nome.substr(12))) << nome;
        }
        if (nome.starts_with("Km ")) {
            // "Km 81+850" stands at progressive 81.850 and exists to change the limit.
            std::string km = nome.substr(3);
            std::replace(km.begin(), km.end(), '+', '.');
            EXPECT_EQ(contenuto(riga.progressiva()), km);
            EXPECT_NE(contenuto(riga.velocita()), "") << nome;
        }
    }
    EXPECT_EQ(imbocchi, 1);
    EXPECT_EQ(sbocchi, 1);
}

TEST(Scheda, ProgressivesFallAndTimesRiseAlongTheRun) {
    std::vector<std::int64_t> progressive;
    std::vector<std::int64_t> orari;
    for (const RigaOrario& riga : prova::righe_orario()) {
        if (const auto m = prova::metri(contenuto(riga.progressiva()))) progressive.push_back(*m);
        const auto orario = prova::leggi_orario(riga.orario());
        orari.insert(orari.end(), orario.secondi.begin(), orario.secondi.end());
    }
    ASSERT_EQ(progressive.size(), 36u);
    EXPECT_EQ(progressive.front(), 87750);
    EXPECT_EQ(progressive.back(), 4280);
    EXPECT_EQ(std::adjacent_find(progressive.begin(), progressive.end(), std::less_equal<>{}), progressive.end());
    ASSERT_FALSE(orari.empty());
    EXPECT_EQ(orari.front(), 6 * 3600 + 23 * 60);
    EXPECT_EQ(orari.back(), 7 * 3600 + 41 * 60);
    EXPECT_EQ(std::adjacent_find(orari.begin(), orari.end(), std::greater_equal<>{}), orari.end());
}

// The departure opens the card, single times sit one column further right on
// card 2, and only the last row is the arrival at the terminus.
TEST(Scheda, TimeFormsMatchTheirPlaceOnTheCards) {
    const auto righe = prova::righe_orario();
    std::map<FormaOrario, int> forme;
    for (std::size_t i = 0; i < righe.size(); ++i) {
        const FormaOrario forma = prova::leggi_orario(righe[i].orario()).forma;
        ++forme[forma];
        const bool su_scheda_1 = i < prova::righe_scheda_1;
        EXPECT_FALSE(forma == FormaOrario::transito_scheda_1 && !su_scheda_1) << "row " << i;
        EXPECT_FALSE(forma == FormaOrario::transito_scheda_2 && su_scheda_1) << "row " << i;
    }
    EXPECT_EQ(prova::leggi_orario(righe.front().orario()).forma, FormaOrario::partenza);
    EXPECT_EQ(prova::leggi_orario(righe.back().orario()).forma, FormaOrario::arrivo);
    EXPECT_EQ(forme[FormaOrario::partenza], 1);
    EXPECT_EQ(forme[FormaOrario::arrivo], 1);
    EXPECT_EQ(forme[FormaOrario::fermata], 3);
}

TEST(Scheda, FourteenRowsSetANewLimitWithinRange) {
    std::vector<std::int64_t> limiti;
    for (const RigaOrario& riga : prova::righe_orario()) {
        if (const auto v = prova::intero(contenuto(riga.velocita()))) limiti.push_back(*v);
    }
    ASSERT_EQ(limiti.size(), 14u);
    EXPECT_EQ(*std::min_element(limiti.begin(), limiti.end()), 75);
    EXPECT_EQ(*std::max_element(limiti.begin(), limiti.end()), 105);
    EXPECT_EQ(std::adjacent_find(limiti.begin(), limiti.end()), limiti.end()) << "a row repeats the limit in force";
}

}  // namespace
}  // namespace scenario
