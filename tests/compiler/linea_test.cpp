// The line text reader: the general section and the grid it sizes, comment
// fields and letter case, gradients, mountain sections, speed boards and text
// boards, and what a fault 15 leaves for the tail and the train text.
#include <gtest/gtest.h>

#include "tests/compiler/prova_lettori.h"

namespace scenario::test {
namespace {

struct Dimensioni {
    const char* lunghezza;
    std::int32_t estesa;
    std::int32_t celle;
};

// The case as ctest names it: stable and readable.
void PrintTo(const Dimensioni& c, std::ostream* os) { *os << "lunghezza_" << c.lunghezza; }

class SizingTheGrid : public ::testing::TestWithParam<Dimensioni> {};

TEST_P(SizingTheGrid, ExtendedLengthAndCellCountTiesToEven) {
    ProvaLettori p;
    p.esegui_linea(linea_con("", GetParam().lunghezza));
    ASSERT_EQ(p.s.codice_errore, 0);
    EXPECT_TRUE(p.s.griglia_creata);
    EXPECT_EQ(p.s.lunghezza_estesa, GetParam().estesa);
    EXPECT_EQ(p.s.numero_celle, GetParam().celle);
    EXPECT_EQ(p.s.celle.size(), static_cast<std::size_t>(GetParam().celle) + 1);
    EXPECT_EQ(p.s.tracciato.elementi(), 2 * (std::int64_t{GetParam().estesa} + 1));
    EXPECT_EQ(p.s.voci[84].numero2, std::stoi(GetParam().lunghezza));
}

INSTANTIATE_TEST_SUITE_P(Lunghezze, SizingTheGrid,
                         ::testing::Values(Dimensioni{"92000", 99000, 1980}, Dimensioni{"92025", 99025, 1980},
                                           Dimensioni{"92075", 99075, 1982}, Dimensioni{"0", 7000, 140},
                                           Dimensioni{"1000000", 1007000, 20140}));

TEST(LineaGenerale, StoresHeaderValuesAndOrdersTheProgressives) {
    ProvaLettori p;
    p.esegui_linea(
        righe({"[generale]", "lunghezza percorso,    92000", "progressiva chilometrica uno,    0,    87750,    1",
               "progressiva chilometrica due,    0,    0,    0", "progressiva chilometrica tre,    0,    0,    0",
               "sfondo uno,    7", "sfondo due,    1", "sfondo tre,    4000",
               "ripetizione segnali 4 codici,    60100,    90000", "[curve]", "[fine]"}));
    ASSERT_EQ(p.s.codice_errore, 0);
    EXPECT_EQ(p.s.voci[81].numero2, 87850);  // "uno" first, flag 1 adds 100
    EXPECT_EQ(p.s.voci[81].numero3, 1);
    EXPECT_EQ(p.s.voci[82].numero2, 0);
    EXPECT_EQ(p.s.voci[85].numero1, 7);
    EXPECT_EQ(p.s.voci[85].numero3, 1);
    EXPECT_EQ(p.s.voci[85].numero2, 4000);
    EXPECT_EQ(p.s.voci[86].numero1, 60100);
    EXPECT_EQ(p.s.voci[86].numero2, 90000);
    EXPECT_EQ(p.s.voci[86].numero3, 4);
    EXPECT_EQ(p.s.voci[85].stringa, "Rotta");
    EXPECT_EQ(p.s.voci[86].stringa, "12");
    EXPECT_FALSE(p.linea_presente());
    EXPECT_FALSE(p.treno_presente());
}

TEST(LineaGenerale, NineCodesWithEndZeroStoresCodeCountZero) {
    ProvaLettori p;
    p.esegui_linea(
        righe({"[generale]", "lunghezza percorso, 1000", "ripetizione segnali 9 codici, 60100, 0", "[fine]"}));
    ASSERT_EQ(p.s.codice_errore, 0);
    EXPECT_EQ(p.s.voci[86].numero1, 60100);
    EXPECT_EQ(p.s.voci[86].numero2, 0);
    EXPECT_EQ(p.s.voci[86].numero3, 0);
}

TEST(LineaGenerale, GeneralWordsAreCaseSensitiveTheRouteLengthIsNot) {
    ProvaLettori p;
    p.esegui_linea(righe({"xx[GENERALE]yy", "LUNGHEZZA Percorso, 1000", "progressiva chilometrica Uno, 0, 87750, 0",
                          "Sfondo uno, 5", "sfondo UNO, 6", "[fine]"}));
    ASSERT_EQ(p.s.codice_errore, 0);
    EXPECT_TRUE(p.s.griglia_creata);
    EXPECT_EQ(p.s.voci[81].numero2, 0);
    EXPECT_EQ(p.s.voci[83].numero2, 0);
    EXPECT_EQ(p.s.voci[85].numero1, 0);
}

TEST(LineaGenerale, EndsAtTheNextSectionHeader) {
    ProvaLettori p;
    p.esegui_linea(righe({"[generale]", "lunghezza percorso, 1000", "[curve]", "sfondo uno, 5", "[fine]"}));
    ASSERT_EQ(p.s.codice_errore, 0);
    EXPECT_EQ(p.s.voci[85].numero1, 0);
}

TEST(LineaGenerale, ASecondRouteLengthCreatesTheGridAfresh) {
    ProvaLettori p;
    p.esegui_linea(righe({"[generale]", "lunghezza percorso, 1000", "lunghezza percorso, 2000", "[fine]"}));
    ASSERT_EQ(p.s.codice_errore, 0);
    EXPECT_EQ(p.s.lunghezza_estesa, 9000);
    EXPECT_EQ(p.s.celle.size(), 181u);
}

TEST(LineaGenerale, WithoutGeometryNoPlanTable) {
    ProvaLettori p;
    p.s.scrivi_tracciato = 0;
    p.esegui_linea(linea_con("curvas4, 0, 100\r\n"));
    ASSERT_EQ(p.s.codice_errore, 0);
    EXPECT_FALSE(p.s.tracciato.esiste());
}

// Comment fields: ten in a row are passed over in the general section, two
// in the main one; the next is examined even when it holds a "-".
struct Commenti {
    const char* nome;
    int quanti;
    bool generale;
    bool riconosciuto;
};

// The case as ctest names it: stable and readable.
void PrintTo(const Commenti& c, std::ostream* os) { *os << c.nome; }

class CommentFields : public ::testing::TestWithParam<Commenti> {};

TEST_P(CommentFields, AreSkippedUpToTheLimit) {
    std::string commenti;
    for (int i = 0; i < GetParam().quanti; ++i) commenti += "--- nota,";
    ProvaLettori p;
    if (GetParam().generale) {
        p.esegui_linea("[generale]\r\n" + commenti + "lunghezza - percorso, 1000\r\n[fine]\r\n");
        EXPECT_EQ(p.s.griglia_creata, GetParam().riconosciuto);
    } else {
        p.esegui_linea(linea_con(commenti + "pendenza - x, 0, 5\r\n"));
        EXPECT_EQ(p.cella(0).pendenza_cella, GetParam().riconosciuto ? 105 : 100);
    }
}

INSTANTIATE_TEST_SUITE_P(Limiti, CommentFields,
                         ::testing::Values(Commenti{"General10", 10, true, true},
                                           Commenti{"General11", 11, true, false}, Commenti{"Main2", 2, false, true},
                                           Commenti{"Main3", 3, false, false}),
                         [](const auto& info) { return std::string(info.param.nome); });

TEST(LineaPendenze, EachGradientRunsToTheCellBeforeTheNextRecord) {
    ProvaLettori p;
    p.esegui_linea(linea_con("pendenza, 0, 0\r\nPENDENZA, 1150, 3\r\npendenza, 2000,   -3\r\n"));
    ASSERT_EQ(p.s.codice_errore, 0);
    EXPECT_EQ(p.cella(0).pendenza_cella, 100);
    EXPECT_EQ(p.cella(22).pendenza_cella, 100);
    EXPECT_EQ(p.cella(23).pendenza_cella, 103);
    EXPECT_EQ(p.cella(39).pendenza_cella, 103);
    EXPECT_EQ(p.cella(40).pendenza_cella, 97);
    EXPECT_EQ(p.cella(337).pendenza_cella, 97);  // the tail stops three cells short of the end
    EXPECT_EQ(p.cella(338).pendenza_cella, 0);
    EXPECT_EQ(p.cella(340).pendenza_cella, 0);
}

struct SecondaPendenza {
    const char* metro;
    int celle_scritte;  // cells given the first record's gradient
};

// The case as ctest names it: stable and readable.
void PrintTo(const SecondaPendenza& c, std::ostream* os) { *os << "metro_" << c.metro; }

class SecondGradientRecord : public ::testing::TestWithParam<SecondaPendenza> {};

TEST_P(SecondGradientRecord, WritesUpToNearestCellTiesToEven) {
    ProvaLettori p;
    p.esegui_linea(linea_con("pendenza, 0, 5\r\npendenza, " + std::string(GetParam().metro) + ", 7\r\n"));
    ASSERT_EQ(p.s.codice_errore, 0);
    for (int c = 0; c < 3; ++c) {
        EXPECT_EQ(p.cella(static_cast<std::size_t>(c)).pendenza_cella, c < GetParam().celle_scritte ? 105 : 107)
            << "cell " << c;
    }
}

INSTANTIATE_TEST_SUITE_P(Metri, SecondGradientRecord,
                         ::testing::Values(SecondaPendenza{"25", 0}, SecondaPendenza{"75", 2},
                                           SecondaPendenza{"125", 2}, SecondaPendenza{"150", 3}));

TEST(LineaPendenze, ARecordBehindTheCursorStillWritesOneCell) {
    ProvaLettori p;
    p.esegui_linea(linea_con("pendenza, 500, 1\r\npendenza, 100, 2\r\n"));
    ASSERT_EQ(p.s.codice_errore, 0);
    EXPECT_EQ(p.cella(9).pendenza_cella, 100);
    EXPECT_EQ(p.cella(10).pendenza_cella, 101);  // written for the record at 100 m
    EXPECT_EQ(p.cella(11).pendenza_cella, 102);
}

TEST(LineaMontagne, SectionsGoToTheMountainTables) {
    ProvaLettori p;
    p.esegui_linea(linea_con("montagna, 1000, 1500, 2\r\nmontagna, 3000, 3500, 1\r\n"));
    ASSERT_EQ(p.s.codice_errore, 0);
    EXPECT_EQ(p.s.numero_montagne, 2);
    EXPECT_EQ(p.s.inizio_montagne[2], 3000);
    EXPECT_EQ(p.cella(20).montagna, 2);
    EXPECT_EQ(p.cella(29).montagna, 2);
    EXPECT_EQ(p.cella(30).montagna, 0);
}

TEST(LineaMontagne, EightySectionsFit) {
    std::string corpo;
    for (int i = 0; i < 80; ++i)
        corpo += "montagna, " + std::to_string(i * 200) + ", " + std::to_string(i * 200 + 50) + ", 1\r\n";
    ProvaLettori p;
    p.esegui_linea(linea_con(corpo, "20000"));
    EXPECT_EQ(p.s.codice_errore, 0);
    EXPECT_EQ(p.s.numero_montagne, 80);
}

TEST(LineaIndicatori, ABoardWithEmptyFieldsIsPlacedOnItsCell) {
    ProvaLettori p;
    p.esegui_linea(linea_con("indicatori_vmax,  500,  75,  80,  80,  0,  ,  ,  ,  0\r\n"));
    ASSERT_EQ(p.s.codice_errore, 0);
    EXPECT_EQ(p.cella(11).tipo, TipoCella::indicatore_velocita);
    EXPECT_EQ(p.cella(11).valore, 1500);
}

TEST(LineaCartelli, BoardsTakeSlotsFromEightyDown) {
    ProvaLettori p;
    p.esegui_linea(linea_con("indicatore cartello, 500, Passo Nero\r\nINDICAT_cartello, 1000, \"  a, b\"\r\n"));
    ASSERT_EQ(p.s.codice_errore, 0);
    EXPECT_EQ(p.cella(11).tipo, TipoCella::cartello_testo);
    EXPECT_EQ(p.cella(11).valore, 80);
    EXPECT_EQ(p.s.voci[80].stringa, "Passo Nero");
    EXPECT_EQ(p.cella(21).valore, 79);
    EXPECT_EQ(p.s.voci[79].stringa, "  a, b");
}

TEST(LineaCartelli, EightyBoardsFit) {
    std::string corpo;
    for (int i = 0; i < 80; ++i)
        corpo += "indicat cartello, " + std::to_string(i * 100) + ", t" + std::to_string(i) + "\r\n";
    ProvaLettori p;
    p.esegui_linea(linea_con(corpo));
    ASSERT_EQ(p.s.codice_errore, 0);
    EXPECT_EQ(p.s.voci[1].stringa, "t79");
}

TEST(LineaCartelli, ABoardOnAMountainMarkerTakesTheCell) {
    ProvaLettori p;
    p.esegui_linea(linea_con("montagna, 0, 1000, 11\r\nindicat cartello, 100, x\r\n"));
    ASSERT_EQ(p.s.codice_errore, 0);
    EXPECT_EQ(p.cella(3).tipo, TipoCella::cartello_testo);
}

TEST(LineaSezioni, HeadersAndUnknownKeywordsAreIgnored) {
    ProvaLettori p;
    p.esegui_linea(
        linea_con("[pendenze]\r\naltro, 12\r\n[montagne]\r\n[cartelli]\r\n[indicazioni]\r\npendenza, 0, 4\r\n"));
    ASSERT_EQ(p.s.codice_errore, 0);
    EXPECT_EQ(p.cella(0).pendenza_cella, 104);
}

TEST(LineaSezioni, TheLastFieldOfTheTextIsNeverInterpreted) {
    ProvaLettori p;
    p.esegui_linea("[generale]\r\nlunghezza percorso, 1000\r\n[curve]\r\npendenza");
    EXPECT_EQ(p.s.codice_errore, 0);
}

TEST(LineaSezioni, AValueThatEndsTheTextIsUsed) {
    ProvaLettori p;
    p.esegui_linea("[generale]\r\nlunghezza percorso, 1000\r\n[curve]\r\npendenza, 0, 9");
    ASSERT_EQ(p.s.codice_errore, 0);
    EXPECT_EQ(p.cella(0).pendenza_cella, 109);
}

// A fault 15 ends only the line section: the tail runs, the train text is
// read, and its first signal is placed and then stops the reader.
TEST(LineaFuoriGriglia, TailRunsAndTheTrainTextStopsAtItsFirstSignal) {
    ProvaLettori p;
    p.esegui(linea_con("pendenza, 0, 2\r\npendenza, 16901, 3\r\npendenza, 100, 4\r\n"),
             treno_con("sabbia, 9\r\nsegnale, 850, 2, 4, 1, 0, 0, 0, 0,0,0, 0\r\nsabbia, 10\r\n"));
    EXPECT_EQ(p.s.codice_errore, 15);
    EXPECT_EQ(p.s.posizione_errore, 850);
    EXPECT_EQ(p.cella(337).pendenza_cella, 102);
    EXPECT_EQ(p.s.voci[86].breve1, 9);
    EXPECT_EQ(p.cella(18).tipo, TipoCella::segnale);
    EXPECT_FALSE(p.treno_presente());
}

TEST(LineaFuoriGriglia, TheLastMetreInsideTheGridIsAccepted) {
    ProvaLettori p;
    p.esegui_linea(linea_con("pendenza, 16900, 3\r\n"));  // 16900 + 100 = 50 x 340
    EXPECT_EQ(p.s.codice_errore, 0);
}

TEST(LineaFuoriGriglia, WithoutRouteLengthEveryPositionedRecordIsOutside) {
    ProvaLettori p;
    p.esegui(righe({"[generale]", "sfondo uno, 3", "[curve]", "pendenza, 0, 1", "[fine]"}),
             treno_con("numero vetture, 5\r\nvelocita, 0, 80\r\n"));
    EXPECT_EQ(p.s.codice_errore, 15);
    EXPECT_EQ(p.s.posizione_errore, 0);
    EXPECT_FALSE(p.s.griglia_creata);
    EXPECT_TRUE(p.s.celle.empty());
    EXPECT_EQ(p.s.voci[85].numero1, 3);
    EXPECT_EQ(p.s.voci[84].numero3, 5);
    EXPECT_FALSE(p.linea_presente());
    EXPECT_FALSE(p.treno_presente());
}

}  // namespace
}  // namespace scenario::test
