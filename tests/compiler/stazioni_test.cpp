// Stations of the train text: the 17 fields, the platform extent by type,
// stop points and approach marks, the spacing rule, the platform end on the
// grid, and the station slots below the board texts.
#include <gtest/gtest.h>

#include "tests/compiler/prova_lettori.h"

namespace scenario::test {
namespace {

// A station row with the middle fields (4 to 16) as given.
std::string stazione(int p, int tipo, int lung, std::string_view mezzo = "0, 0, 0,  0,0,0,  0,0,0,  0,  0, 0, 0",
                     std::string_view nome = "NOME") {
    return "stazione, " + std::to_string(p) + ", " + std::to_string(tipo) + ", " + std::to_string(lung) + ", " +
           std::string(mezzo) + ", " + std::string(nome) + "\r\n";
}

std::string linea_lunga() { return linea_con("", "92000"); }

TEST(Stazioni, DepartureStationOfType8) {
    ProvaLettori p;
    p.esegui(linea_lunga(), treno_con(stazione(0, 8, 300)));
    ASSERT_EQ(p.s.codice_errore, 0);
    EXPECT_EQ(p.s.voci[1].numero1, -300);
    EXPECT_EQ(p.s.voci[1].numero2, 300);
    EXPECT_EQ(p.cella(5).tipo, TipoCella::punto_fermata);
    EXPECT_EQ(p.cella(5).valore, 1);
    EXPECT_EQ(p.cella(4).ripetitore, 81);
    EXPECT_EQ(p.cella(3).ripetitore, 82);
    EXPECT_EQ(p.cella(2).ripetitore, 83);
    EXPECT_EQ(p.cella(1).ripetitore, 0);  // mark 84 would fall at cell 1
}

TEST(Stazioni, StationOfType22AfterTheFirst) {
    ProvaLettori p;
    p.esegui(linea_lunga(), treno_con(stazione(0, 8, 300) + stazione(5500, 22, 300)));
    ASSERT_EQ(p.s.codice_errore, 0);
    EXPECT_EQ(p.s.voci[2].numero1, 5350);
    EXPECT_EQ(p.s.voci[2].numero2, 5650);
    EXPECT_EQ(p.cella(112).tipo, TipoCella::punto_fermata);
    EXPECT_EQ(p.cella(112).valore, 2);
    for (int c = 1; c <= 4; ++c) EXPECT_EQ(p.cella(static_cast<std::size_t>(112 - c)).ripetitore, 80 + c);
}

TEST(Stazioni, AHaltGetsItsRecordButNoCellMarks) {
    ProvaLettori p;
    p.esegui(linea_lunga(), treno_con(stazione(3000, 27, 300)));
    ASSERT_EQ(p.s.codice_errore, 0);
    EXPECT_EQ(p.s.voci[1].byte0, 27);
    EXPECT_EQ(p.s.voci[1].numero1, 2850);
    EXPECT_EQ(p.s.voci[1].numero2, 3150);
    for (std::size_t c = 55; c <= 65; ++c) {
        EXPECT_EQ(p.cella(c).tipo, TipoCella::vuota);
        EXPECT_EQ(p.cella(c).ripetitore, 0);
    }
}

TEST(Stazioni, EveryFieldGoesToItsPlace) {
    ProvaLettori p;
    p.esegui(linea_lunga(),
             treno_con(stazione(0, 27, 300) +
                       stazione(5500, 22, 600, "7, 9, 0,  1,2,3,  4,5,6,   60,    6,  58, 30", "S. MARIA DI SOPRA")));
    ASSERT_EQ(p.s.codice_errore, 0);
    const Voce& v = p.s.voci[2];
    EXPECT_EQ(v.numero3, 5500);
    EXPECT_EQ(v.byte0, 22);
    EXPECT_EQ(v.byte1, 7);
    EXPECT_EQ(v.byte5, 9);
    EXPECT_EQ(v.byte4, 0);
    EXPECT_EQ(v.breve1, 1);
    EXPECT_EQ(v.breve2, 2);
    EXPECT_EQ(v.byte2, 3);
    EXPECT_EQ(v.breve3, 4);
    EXPECT_EQ(v.breve4, 5);
    EXPECT_EQ(v.breve5, 6);
    EXPECT_EQ(v.byte3, 60);
    EXPECT_EQ(v.numero4, (6 * 60 + 58) * 60 + 30);
    EXPECT_EQ(v.stringa, "S. MARIA DI SOPRA");
    EXPECT_EQ(v.numero1, 5200);
    EXPECT_EQ(v.numero2, 5800);
}

struct Estensione {
    const char* nome;
    int tipo;
    int lung;
    const char* mezzo;
    int inizio;
    int fine;
    int byte4;
    int byte5;
};

// The case as ctest names it: stable and readable.
void PrintTo(const Estensione& c, std::ostream* os) { *os << c.nome; }

class PlatformExtent : public ::testing::TestWithParam<Estensione> {};

// The station under test is the second one, so its flags are not cleared as the first's are.
TEST_P(PlatformExtent, ByTypeAndFlags) {
    const Estensione& e = GetParam();
    ProvaLettori p;
    p.esegui(linea_lunga(), treno_con(stazione(0, 27, 300) + stazione(5000, e.tipo, e.lung, e.mezzo)));
    ASSERT_EQ(p.s.codice_errore, 0);
    EXPECT_EQ(p.s.voci[2].numero1, e.inizio);
    EXPECT_EQ(p.s.voci[2].numero2, e.fine);
    EXPECT_EQ(p.s.voci[2].byte4, e.byte4);
    EXPECT_EQ(p.s.voci[2].byte5, e.byte5);
}

INSTANTIATE_TEST_SUITE_P(
    Tipi, PlatformExtent,
    ::testing::Values(Estensione{"Type5", 5, 300, "0, 1, 1, 0,0,0, 0,0,0, 0, 0,0,0", 4700, 5150, 0, 0},
                      Estensione{"Type6", 6, 800, "0, 1, 1, 0,0,0, 0,0,0, 0, 0,0,0", 4200, 5150, 0, 1},
                      Estensione{"Type7", 7, 400, "0, 0, 1, 0,0,0, 0,0,0, 0, 0,0,0", 4600, 5400, 0, 0},
                      Estensione{"Type12TerminusFlag", 12, 400, "0, 0, 1, 0,0,0, 0,0,0, 0, 0,0,0", 4800, 5250, 1, 0},
                      Estensione{"Type12", 12, 400, "0, 0, 0, 0,0,0, 0,0,0, 0, 0,0,0", 4800, 5200, 0, 0},
                      Estensione{"LongKeepsFlag5", 22, 600, "0, 1, 0, 0,0,0, 0,0,0, 0, 0,0,0", 4700, 5300, 0, 1}),
    [](const auto& info) { return std::string(info.param.nome); });

TEST(Stazioni, TheFirstStationLosesItsFlagsAfterItsExtent) {
    ProvaLettori p;
    p.esegui(linea_lunga(), treno_con(stazione(5000, 12, 600, "0, 1, 1, 0,0,0, 0,0,0, 0, 0,0,0")));
    ASSERT_EQ(p.s.codice_errore, 0);
    EXPECT_EQ(p.s.voci[1].numero2, 5350);
    EXPECT_EQ(p.s.voci[1].byte4, 0);
    EXPECT_EQ(p.s.voci[1].byte5, 0);
}

TEST(Stazioni, TypesFiveAndSixGetAStopPointButNoApproachMarks) {
    ProvaLettori p;
    p.esegui(linea_lunga(), treno_con(stazione(5000, 5, 300)));
    ASSERT_EQ(p.s.codice_errore, 0);
    EXPECT_EQ(p.cella(102).tipo, TipoCella::punto_fermata);
    EXPECT_EQ(p.cella(101).ripetitore, 0);
    EXPECT_EQ(p.cella(100).ripetitore, 0);
}

TEST(Stazioni, StopPointsAndMarksOverwriteWhateverTheCellHeld) {
    ProvaLettori p;
    p.esegui(linea_lunga(), treno_con("segnale, 5550, 1, 4, 0, 0, 0, 0, 0,0,0, 0\r\n" + stazione(5500, 22, 300)));
    ASSERT_EQ(p.s.codice_errore, 0);
    EXPECT_EQ(p.cella(112).tipo, TipoCella::punto_fermata);
}

struct Distanza {
    int seconda;
    int codice;
};

// The case as ctest names it: stable and readable.
void PrintTo(const Distanza& c, std::ostream* os) { *os << "seconda_a_" << c.seconda; }

class StationSpacing : public ::testing::TestWithParam<Distanza> {};

TEST_P(StationSpacing, PlatformsAtLeast350MetresApart) {
    ProvaLettori p;
    p.esegui(linea_lunga(), treno_con(stazione(1000, 27, 300) + stazione(GetParam().seconda, 27, 300)));
    EXPECT_EQ(p.s.codice_errore, GetParam().codice);
    if (GetParam().codice != 0) {
        EXPECT_EQ(p.s.posizione_errore, GetParam().seconda);
    }
}

// The first platform ends at 1150 m; the second starts 150 m before its position.
INSTANTIATE_TEST_SUITE_P(Metri, StationSpacing,
                         ::testing::Values(Distanza{1650, 0}, Distanza{1600, 22}, Distanza{900, 22}));

TEST(Stazioni, The79thStationIsWrittenThenTheSlotsAreExhausted) {
    std::string righe_stazioni;
    for (int i = 1; i <= 80; ++i) righe_stazioni += stazione(i * 1000, 22, 300);
    ProvaLettori p;
    p.esegui(linea_lunga(), treno_con(righe_stazioni + "sabbia, 5\r\n"));
    EXPECT_EQ(p.s.codice_errore, 10);
    EXPECT_EQ(p.s.posizione_errore, posizione_non_scritta);
    EXPECT_EQ(p.s.voci[79].numero3, 79000);
    EXPECT_EQ(p.cella(1582).tipo, TipoCella::punto_fermata);
    EXPECT_EQ(p.cella(1582).valore, 79);
    EXPECT_EQ(p.s.voci[80].numero3, 0);
    EXPECT_EQ(p.s.voci[86].breve1, 0);
    EXPECT_FALSE(p.treno_presente());
}

TEST(Stazioni, BoardsLeaveFewerSlots) {
    std::string cartelli;
    for (int i = 0; i < 78; ++i) cartelli += "indicat cartello, " + std::to_string(50000 + i * 100) + ", c\r\n";
    ProvaLettori p;
    p.esegui(linea_con(cartelli, "92000"), treno_con(stazione(1000, 22, 300) + stazione(3000, 22, 300)));
    EXPECT_EQ(p.s.codice_errore, 10);
    EXPECT_EQ(p.s.voci[1].numero3, 1000);
    EXPECT_EQ(p.s.voci[2].numero3, 0);
    EXPECT_EQ(p.s.voci[3].stringa, "c");
}

// With all eighty board slots in use, slot 1 holds a board text: a station
// is refused rather than written over it.
TEST(Stazioni, WithEightyBoardsAStationNeverOverwritesTheLastBoardText) {
    std::string cartelli;
    for (int i = 0; i < 80; ++i)
        cartelli += "indicat cartello, " + std::to_string(50000 + i * 100) + ", c" + std::to_string(i) + "\r\n";
    ProvaLettori p;
    p.esegui(linea_con(cartelli, "92000"), treno_con(stazione(1000, 22, 300)));
    EXPECT_EQ(p.s.codice_errore, 10);
    EXPECT_EQ(p.s.voci[1].stringa, "c79");
    EXPECT_EQ(p.s.voci[1].numero3, 0);
    EXPECT_EQ(p.cella(22).tipo, TipoCella::vuota);
}

TEST(Stazioni, APlatformEndBeyondTheGridIs15BeforeAnyCellIsWritten) {
    ProvaLettori p;
    p.esegui(linea_con(""), treno_con("velocita, 0, 80\r\n" + stazione(16000, 7, 1000) + "sabbia, 4\r\n"));
    EXPECT_EQ(p.s.codice_errore, 15);
    EXPECT_EQ(p.s.posizione_errore, 16000);
    EXPECT_EQ(p.s.voci[1].numero2, 17000);
    EXPECT_EQ(p.s.voci[1].byte0, 7);
    EXPECT_EQ(p.cella(339).tipo, TipoCella::vuota);
    EXPECT_EQ(p.cella(337).ripetitore, 0);
    EXPECT_EQ(p.s.voci[86].breve1, 0);           // the section ended
    EXPECT_EQ(p.cella(337).velocita_cella, 16);  // and the tails ran
}

TEST(Stazioni, APlatformEndingOnTheLastUsableCellIsAccepted) {
    ProvaLettori p;
    p.esegui(linea_con(""), treno_con(stazione(15950, 7, 1000)));
    ASSERT_EQ(p.s.codice_errore, 0);
    EXPECT_EQ(p.cella(338).tipo, TipoCella::punto_fermata);
}

}  // namespace
}  // namespace scenario::test
