// The train text reader apart from stations: header values, the speed and
// adhesion runs with their tails, signals, slowdowns, "abbattimento" points,
// one keyword matching several tests, and the end-of-text checks.
#include <gtest/gtest.h>

#include "tests/compiler/prova_lettori.h"

namespace scenario::test {
namespace {

TEST(TrenoGenerale, StoresTheHeaderValues) {
    ProvaLettori p;
    p.esegui_treno(
        treno_con("numero vetture,    5\r\npercentuale massa frenata,    130\r\nsabbia,    300\r\n"
                  "orologio,    6               22            45 \r\n[aderenze]\r\n"));
    ASSERT_EQ(p.s.codice_errore, 0);
    EXPECT_EQ(p.s.voci[84].numero3, 5);
    EXPECT_EQ(p.s.voci[84].numero1, 130);
    EXPECT_EQ(p.s.voci[86].breve1, 300);
    EXPECT_EQ(p.s.voci[86].breve3, 6);
    EXPECT_EQ(p.s.voci[86].breve4, 22);
    EXPECT_EQ(p.s.voci[86].breve5, 45);
    EXPECT_FALSE(p.treno_presente());
}

TEST(TrenoGenerale, AValueEndingTheTextIsStored) {
    ProvaLettori p;
    p.esegui_treno("[generale]\r\nsabbia, 12");
    ASSERT_EQ(p.s.codice_errore, 0);
    EXPECT_EQ(p.s.voci[86].breve1, 12);
}

TEST(TrenoGenerale, KeywordsBeforeGeneraleAreNotRead) {
    ProvaLettori p;
    p.esegui_treno("sabbia, 12\r\n[Generale]\r\nnumero vetture, 4\r\n[fine]\r\n");
    ASSERT_EQ(p.s.codice_errore, 0);
    EXPECT_EQ(p.s.voci[86].breve1, 0);
    EXPECT_EQ(p.s.voci[84].numero3, 4);
}

// Values read one by one: a reading fault keeps those stored before it.
TEST(TrenoGenerale, AClockValueTooLargeKeepsTheOnesBefore) {
    ProvaLettori p;
    p.esegui_treno(treno_con("orologio, 6 40000 1\r\nsabbia, 3\r\n"));
    EXPECT_EQ(p.s.codice_errore, 25);
    EXPECT_EQ(p.s.voci[86].breve3, 6);
    EXPECT_EQ(p.s.voci[86].breve4, 0);
    EXPECT_EQ(p.s.voci[86].breve1, 0);
    EXPECT_FALSE(p.treno_presente());
}

TEST(TrenoVelocita, EachSpeedRunsToTheCellBeforeTheNextRecordInUnitsOfFive) {
    ProvaLettori p;
    p.esegui_treno(treno_con("velocita,       0,    80\r\nvelocita,    1600,    85\r\n"));
    ASSERT_EQ(p.s.codice_errore, 0);
    EXPECT_EQ(p.cella(0).velocita_cella, 16);
    EXPECT_EQ(p.cella(31).velocita_cella, 16);
    EXPECT_EQ(p.cella(32).velocita_cella, 17);
    EXPECT_EQ(p.cella(337).velocita_cella, 17);
    EXPECT_EQ(p.cella(338).velocita_cella, 0);
}

struct Velocita {
    int kmh;
    int unita;
};

// The case as ctest names it: stable and readable.
void PrintTo(const Velocita& c, std::ostream* os) { *os << c.kmh << "_kmh"; }

class SpeedRounding : public ::testing::TestWithParam<Velocita> {};

TEST_P(SpeedRounding, FifthGoesToTheNearestWhole) {
    ProvaLettori p;
    p.esegui_treno(treno_con("velocita, 0, " + std::to_string(GetParam().kmh) + "\r\n"));
    ASSERT_EQ(p.s.codice_errore, 0);
    EXPECT_EQ(p.cella(0).velocita_cella, GetParam().unita);
}

INSTANTIATE_TEST_SUITE_P(Kmh, SpeedRounding,
                         ::testing::Values(Velocita{82, 16}, Velocita{83, 17}, Velocita{85, 17}, Velocita{75, 15},
                                           Velocita{1300, 4}));  // 260 keeps its low 8 bits

// Records behind the cursor still write one cell each; the speed cursor stops
// at the grid's last cell, which the tail then gives the last speed.
TEST(TrenoVelocita, TheCursorStopsAtTheLastCell) {
    std::string corpo;
    for (int i = 0; i < 150; ++i) corpo += "velocita, 100, 80\r\n";
    ProvaLettori p;
    p.esegui(linea_con("", "0"), treno_con(corpo + "velocita, 100, 90\r\n"));
    ASSERT_EQ(p.s.codice_errore, 0);
    EXPECT_EQ(p.cella(139).velocita_cella, 16);
    EXPECT_EQ(p.cella(140).velocita_cella, 18);
}

TEST(TrenoAderenza, RunsAndTailKeepTheLowEightBits) {
    ProvaLettori p;
    p.esegui_treno(treno_con("aderenza,   0,    100\r\naderenza,   15300,    81\r\naderenza, 16000, 300\r\n"));
    ASSERT_EQ(p.s.codice_errore, 0);
    EXPECT_EQ(p.cella(0).aderenza_cella, 100);
    EXPECT_EQ(p.cella(305).aderenza_cella, 100);
    EXPECT_EQ(p.cella(306).aderenza_cella, 81);
    EXPECT_EQ(p.cella(319).aderenza_cella, 81);
    EXPECT_EQ(p.cella(320).aderenza_cella, 44);
    EXPECT_EQ(p.cella(338).aderenza_cella, 0);
}

TEST(TrenoAderenza, BeforeTheFirstRecordSpeedAndAdhesionAreZero) {
    ProvaLettori p;
    p.esegui_treno(treno_con("aderenza, 500, 90\r\nvelocita, 500, 90\r\n"));
    ASSERT_EQ(p.s.codice_errore, 0);
    EXPECT_EQ(p.cella(9).aderenza_cella, 0);
    EXPECT_EQ(p.cella(9).velocita_cella, 0);
    EXPECT_EQ(p.cella(10).aderenza_cella, 90);
    EXPECT_EQ(p.cella(10).velocita_cella, 18);
}

// Each matching test reads its own values: a speed record, then an adhesion record.
TEST(TrenoChiavi, OneKeywordMatchingTwoTestsReadsBothRecords) {
    ProvaLettori p;
    p.esegui_treno(treno_con("velocita aderenza, 100, 80, 200, 90\r\n"));
    ASSERT_EQ(p.s.codice_errore, 0);
    EXPECT_EQ(p.cella(1).velocita_cella, 0);
    EXPECT_EQ(p.cella(2).velocita_cella, 16);
    EXPECT_EQ(p.cella(3).aderenza_cella, 0);
    EXPECT_EQ(p.cella(4).aderenza_cella, 90);
}

TEST(TrenoChiavi, SectionHeadersMatchNoTest) {
    ProvaLettori p;
    p.esegui_treno(
        treno_con("[aderenze]\r\n[vel_limite]\r\n[stazioni]\r\n[rallentamenti]\r\n[segnali]\r\n[codici]\r\n"));
    EXPECT_EQ(p.s.codice_errore, 0);
}

TEST(TrenoSegnali, TheRoadOfOneSignal) {
    ProvaLettori p;
    p.esegui_treno(treno_con("segnale,     850,   2, 4, 1,  0, 0,    0,  0,0,0, 0\r\n"));
    ASSERT_EQ(p.s.codice_errore, 0);
    const Cella& c = p.cella(18);
    EXPECT_EQ(c.tipo, TipoCella::segnale);
    EXPECT_EQ(c.valore, 40);
    EXPECT_EQ(c.valore2, 10);
    EXPECT_EQ(c.valore4, 6);
}

TEST(TrenoSegnali, SixteenBitSettingsKeepTheirLowBits) {
    ProvaLettori p;
    p.esegui_treno(treno_con("segnale, 850, 1, 65540, 0, 0, 0, 0, 0,0,0, 0\r\n"));
    ASSERT_EQ(p.s.codice_errore, 0);
    EXPECT_EQ(p.cella(18).valore, 40);  // 65540 keeps 4
}

TEST(TrenoRallentamenti, ASlowdownIsPlacedWithItsWarningBoard) {
    ProvaLettori p;
    p.esegui_treno(treno_con("rallentamento,   4200,    30,  300, 0,  1,  0\r\n"));
    ASSERT_EQ(p.s.codice_errore, 0);
    EXPECT_EQ(p.cella(85).tipo, TipoCella::inizio_rallentamento);
    EXPECT_EQ(p.cella(91).tipo, TipoCella::fine_rallentamento);
    EXPECT_EQ(p.cella(61).tipo, TipoCella::avviso_rallentamento);
    EXPECT_EQ(p.cella(85).valore, 30);
}

struct Abbattimento {
    const char* valore;
    TipoCella tipo;
    std::int16_t cella_valore;
};

// The case as ctest names it: stable and readable.
void PrintTo(const Abbattimento& c, std::ostream* os) { *os << "valore_" << c.valore; }

class AbbattimentoPoint : public ::testing::TestWithParam<Abbattimento> {};

TEST_P(AbbattimentoPoint, GoesToNearestMetreOverFiftyWithoutPlusOne) {
    ProvaLettori p;
    p.esegui_treno(treno_con("abbattimento, 1000, " + std::string(GetParam().valore) + "\r\n"));
    ASSERT_EQ(p.s.codice_errore, 0);
    EXPECT_EQ(p.cella(20).tipo, GetParam().tipo);
    EXPECT_EQ(p.cella(20).valore, GetParam().cella_valore);
}

INSTANTIATE_TEST_SUITE_P(Valori, AbbattimentoPoint,
                         ::testing::Values(Abbattimento{"0", TipoCella::abbattimento_senza_valore, 0},
                                           Abbattimento{"-5", TipoCella::abbattimento_senza_valore, 0},
                                           Abbattimento{"180", TipoCella::abbattimento, 180},
                                           Abbattimento{"65716", TipoCella::abbattimento, 180}));

TEST(TrenoAbbattimento, AMountainMarkerCellIsFree) {
    ProvaLettori p;
    p.esegui(linea_con("montagna, 0, 1000, 11\r\n"), treno_con("abbattimento, 150, 1\r\n"));
    ASSERT_EQ(p.s.codice_errore, 0);
    EXPECT_EQ(p.cella(3).tipo, TipoCella::abbattimento);
}

TEST(TrenoFine, WithoutGeneraleNothingIsReadButTheTailsAndTheCheckRun) {
    ProvaLettori p;
    p.esegui(linea_con("", "10000"), "velocita, 0, 80\r\naderenza, 0, 90\r\n");
    ASSERT_EQ(p.s.codice_errore, 0);
    EXPECT_EQ(p.cella(0).velocita_cella, 0);
    EXPECT_EQ(p.cella(0).aderenza_cella, 0);
    EXPECT_FALSE(p.treno_presente());
}

TEST(TrenoFine, AFault15InTheTrainTextIsReplacedByABadProgressive) {
    ProvaLettori p;
    p.esegui(righe({"[generale]", "lunghezza percorso, 10000", "progressiva chilometrica uno, 0, 87725, 0", "[fine]"}),
             treno_con("velocita, 0, 80\r\naderenza, 99999, 1\r\n"));
    EXPECT_EQ(p.s.codice_errore, 2);
    EXPECT_EQ(p.s.posizione_errore, 99999);
    EXPECT_EQ(p.cella(337).velocita_cella, 16);  // the tails still ran
}

TEST(TrenoFine, AMissingTrainTextIs25AndTheGridStays) {
    ProvaLettori p;
    p.a.file[p.nome_linea()] = linea_con("pendenza, 0, 1\r\n");
    memorizza_dati(p.s, p.a);
    EXPECT_EQ(p.s.codice_errore, 25);
    EXPECT_TRUE(p.s.griglia_creata);
    EXPECT_EQ(p.cella(0).pendenza_cella, 101);
    EXPECT_EQ(p.cella(0).velocita_cella, 0);
}

}  // namespace
}  // namespace scenario::test
