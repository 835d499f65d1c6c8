// The slowdown order: a blank form, every line fixed, with an empty table of
// 26 rows whose bars stand at the form's columns.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <map>
#include <string>
#include <string_view>

#include "documents/documenti.h"
#include "tests/source_text/righe_testo.h"

namespace scenario {
namespace {

constexpr std::string_view bordo_tabella =
    " |___|____________________________|____________|__________|_________|____________|";
constexpr std::string_view riga_vuota =
    " |   |                            |            |          |         |            |";

TEST(OrdineRallentamento, HasItsLineCountAndTheSizeItsLinesGive) {
    EXPECT_EQ(righe_rallentamenti().size(), 46u);
    EXPECT_EQ(prova::byte_del_file(righe_rallentamenti()), 3283);
    for (std::string_view riga : righe_rallentamenti()) {
        EXPECT_EQ(riga.find("riferimento fine del file"), std::string_view::npos);
    }
}

TEST(OrdineRallentamento, FixedLinesStandInTheirSlots) {
    const std::map<std::size_t, std::string> fisse{
        {0, ""},
        {1, std::string(31, ' ') + "Modulo M. 3"},
        {2, std::string(27, ' ') + "ORDINE DI RALLENTAMENTO"},
        {3, " " + std::string(80, '_')},
        {4, "  Linea  xxxxxx xxxxxxx"},
        {5, ""},
        {6, "  Si ordina al macchinista del treno xxxxx di effettuare i seguenti rallentamenti"},
        {7, "  " + std::string(79, '_')},
        {8, " |   |                            |Inizio dopo |          |         |            |"},
        {9, " | N.|      FRA LE STAZIONI       | il cippo   | Velocita'|Lunghezza|Prescrizioni|"},
        {10, " |   |   (o nelle Stazioni di)    |chilometrico|          |   metri | specifiche |"},
        {11, std::string(bordo_tabella)},
        {38, std::string(bordo_tabella)},
        {39, ""},
        {40, std::string(14, ' ') + "Prescrizioni specifiche"},
        {41, " A - Da rispettare con tutto il treno (per i treni viaggiatori)"},
        {42, " B - Interessa anche la stazione di......."},
        {43, " D - Rallentamneto N. ... e N. ...  sono contigui"},
        {44, " C - Da rispettare dalle ore ....  alle ore ..... di tutti"},
        {45, std::string(5, ' ') + "i giorni esclusi i seguenti:........."},
    };
    const auto righe = righe_rallentamenti();
    for (const auto& [slot, testo] : fisse) {
        ASSERT_LT(slot, righe.size());
        EXPECT_EQ(righe[slot], testo) << "slot " << slot;
    }
}

TEST(OrdineRallentamento, TheTableLeavesTwentySixRowsToFillIn) {
    const auto righe = righe_rallentamenti();
    for (std::size_t slot = 12; slot <= 37; ++slot) EXPECT_EQ(righe[slot], riga_vuota) << "slot " << slot;
}

TEST(OrdineRallentamento, TableLinesKeepTheirBarsAndTheEdgesAreOneShorter) {
    constexpr std::array<std::size_t, 7> barre{1, 5, 34, 47, 58, 68, 81};
    const auto righe = righe_rallentamenti();
    for (std::size_t slot = 8; slot <= 38; ++slot) {
        const std::string_view riga = righe[slot];
        ASSERT_EQ(riga.size(), 82u) << "slot " << slot;
        for (std::size_t colonna = 0; colonna < riga.size(); ++colonna) {
            const bool barra = std::find(barre.begin(), barre.end(), colonna) != barre.end();
            EXPECT_EQ(riga[colonna] == '|', barra) << "slot " << slot << " column " << colonna;
        }
    }
    EXPECT_EQ(righe[3].size(), 81u);
    EXPECT_EQ(righe[7].size(), 81u);
}

}  // namespace
}  // namespace scenario
