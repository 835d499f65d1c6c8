// The text-file procedure: what reaches the file from a line table.
#include <gtest/gtest.h>

#include <array>

#include "app/righe.h"

namespace scenario {
namespace {

TEST(TestoDaRighe, EveryLineEndsWithCrLfAndTheMarkerIsNotWritten) {
    const std::array<std::string_view, 3> righe{"[generale]", "", "abc"};
    EXPECT_EQ(testo_da_righe(riempi_righe(righe)), "[generale]\r\n\r\nabc\r\n");
}

TEST(TestoDaRighe, MarkerInSlotZeroGivesAnEmptyFile) {
    Righe tabella;
    tabella[0] = fine_del_file;
    tabella[1] = "never written";
    EXPECT_EQ(testo_da_righe(tabella), "");
}

TEST(TestoDaRighe, OnlyTheExactMarkerStopsWriting) {
    Righe tabella;
    tabella[0] = "Riferimento fine del file";
    tabella[1] = "riferimento fine del file ";
    tabella[2] = " riferimento fine del file";
    tabella[3] = fine_del_file;
    EXPECT_EQ(testo_da_righe(tabella),
              "Riferimento fine del file\r\nriferimento fine del file \r\n riferimento fine del file\r\n");
}

TEST(TestoDaRighe, BytesPassUnchangedAsWindows1252) {
    const std::array<std::string_view, 1> righe{"perch\xE8 ci\xF2"};
    const std::string testo = testo_da_righe(riempi_righe(righe));
    EXPECT_EQ(testo, "perch\xE8 ci\xF2\r\n");
    EXPECT_NE(testo.substr(0, 3), "\xEF\xBB\xBF");
}

TEST(TestoDaRighe, ATableWithoutMarkerStopsAtItsEnd) {
    Righe tabella;
    tabella.fill("x");
    std::string atteso;
    for (std::size_t i = 0; i < slot_righe; ++i) atteso += "x\r\n";
    EXPECT_EQ(testo_da_righe(tabella), atteso);
}

TEST(RiempiRighe, MarkerFollowsTheLastLine) {
    const std::array<std::string_view, 2> righe{"a", "b"};
    const Righe tabella = riempi_righe(righe);
    EXPECT_EQ(tabella[1], "b");
    EXPECT_EQ(tabella[2], fine_del_file);
    EXPECT_EQ(tabella[3], "");
}

}  // namespace
}  // namespace scenario
