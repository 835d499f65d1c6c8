// Every fault number the readers record, each from a small source text: the
// number, the metre reported with it (or none), and which texts are deleted.
#include <gtest/gtest.h>

#include <optional>

#include "tests/compiler/prova_lettori.h"

namespace scenario::test {
namespace {

struct Caso {
    const char* nome;
    std::optional<std::string> linea;  // nothing: the file is absent
    std::optional<std::string> treno;
    std::int32_t codice;
    std::int32_t posizione;  // posizione_non_scritta when the fault has no place
    bool linea_resta;
    bool treno_resta;
};

std::string ripeti(int volte, const auto& riga) {
    std::string testo;
    for (int i = 0; i < volte; ++i) testo += riga(i);
    return testo;
}

const std::string treno_vuoto = treno_con("");
const std::string generale = "[generale]\r\n";
constexpr std::int32_t nessuna = posizione_non_scritta;

Caso linea(const char* nome, std::string testo, std::int32_t codice, std::int32_t posizione = nessuna,
           bool treno_letto = false) {
    return {nome, std::move(testo), treno_vuoto, codice, posizione, false, !treno_letto};
}

Caso treno(const char* nome, std::string corpo, std::int32_t codice, std::int32_t posizione = nessuna) {
    return {nome, linea_con(""), treno_con(corpo), codice, posizione, false, false};
}

// The case as ctest names it: stable and readable.
void PrintTo(const Caso& c, std::ostream* os) { *os << c.nome; }

class Guasti : public ::testing::TestWithParam<Caso> {};

TEST_P(Guasti, CodePositionAndDeletedTexts) {
    const Caso& c = GetParam();
    ProvaLettori p;
    if (c.linea) p.a.file[p.nome_linea()] = *c.linea;
    if (c.treno) p.a.file[p.nome_treno()] = *c.treno;
    memorizza_dati(p.s, p.a);
    EXPECT_EQ(p.s.codice_errore, c.codice);
    EXPECT_EQ(p.s.posizione_errore, c.posizione);
    EXPECT_EQ(p.linea_presente(), c.linea_resta);
    EXPECT_EQ(p.treno_presente(), c.treno_resta);
}

const auto nome_caso = [](const auto& info) { return std::string(info.param.nome); };

INSTANTIATE_TEST_SUITE_P(
    Linea, Guasti,
    ::testing::Values(
        Caso{"Missing101", std::nullopt, treno_vuoto, 101, nessuna, false, true},
        linea("NoGenerale102", "[fine]\r\nabc\r\n", 102),
        linea("GeneraleOnlyAsLastField102", "abc\r\n[generale]\r\n", 102),
        linea("RouteTooLong1", generale + "lunghezza percorso, 1000001\r\n[fine]\r\n", 1),
        linea("RouteNegative1", generale + "lunghezza percorso, -50\r\n[fine]\r\n", 1),
        linea("RepetitionStart3", generale + "ripetizione segnali 4, 60125, 90000\r\n[fine]\r\n", 3),
        linea("RepetitionEnd4", generale + "ripetizione segnali 4, 60100, 90010\r\n[fine]\r\n", 4),
        linea("RepetitionCodes5", generale + "ripetizione segnali codici, 100, 200\r\n[fine]\r\n", 5),
        linea("BoardOnTakenCell6", linea_con("indicat cartello, 500, a\r\nindicat cartello, 520, b\r\n"), 6, 520),
        linea("BoardSlots10",
              linea_con(ripeti(81, [](int i) { return "indicat cartello, " + std::to_string(i * 100) + ", t\r\n"; })),
              10),
        linea("MountainTables10",
              linea_con(ripeti(81,
                               [](int i) {
                                   return "montagna, " + std::to_string(i * 100) + ", " + std::to_string(i * 100 + 50) +
                                          ", 1\r\n";
                               })),
              10),
        linea("GradientBeyondGrid15", linea_con("pendenza, 16901, 1\r\n"), 15, 16901, true),
        linea("NegativeMetre15", linea_con("pendenza, -50, 1\r\n"), 15, -50, true),
        linea("MountainEndBeyondGrid15", linea_con("montagna, 16000, 17100, 1\r\n"), 15, 16000, true),
        linea("CurveEndBeyondPlan15", linea_con("curva1, 16000, 1001\r\n"), 15, 16000, true),
        linea("IndicatorBeyondGrid15", linea_con("indicatori_vmax, 17000, 1, 1, 1, 0, , , , 0\r\n"), 15, 17000, true),
        linea("BoardBeyondGrid15", linea_con("indicat cartello, 16950, x\r\n"), 15, 16950, true),
        linea("IndicatorOnTakenCell21",
              linea_con("indicatori_vmax, 500, 1, 1, 1, 0, , , , 0\r\nindicatori_vmax, 500, 1, 1, 1, 0, , , , 0\r\n"),
              21, 500),
        linea("CurveWithoutClass103", linea_con("curva, 0, 100\r\n"), 103),
        Caso{"BadNumber25", generale + "lunghezza percorso, 12a\r\n[fine]\r\n", treno_vuoto, 25, nessuna, false, false},
        Caso{"EmptyLineText25", "", treno_vuoto, 25, nessuna, false, false},
        Caso{"ReadPastTheEnd25", linea_con("") + "pendenza, 5", treno_vuoto, 25, nessuna, false, false}),
    nome_caso);

INSTANTIATE_TEST_SUITE_P(
    Treno, Guasti,
    ::testing::Values(
        Caso{"BadProgressive2",
             generale + "lunghezza percorso, 10000\r\nprogressiva chilometrica due, 10, 200, 0\r\n[fine]\r\n",
             treno_vuoto, 2, nessuna, false, false},
        treno("AbbattimentoOnTakenCell7", "abbattimento, 1000, 0\r\nabbattimento, 1010, 5\r\n", 7, 1010),
        treno("StationNotOnFifty8", "stazione, 7825, 22, 300, 0,0,0, 0,0,0, 0,0,0, 0, 0,0,0, X\r\n", 8, 7825),
        treno("PlatformNotOnHundred9", "stazione, 7800, 22, 350, 0,0,0, 0,0,0, 0,0,0, 0, 0,0,0, X\r\n", 9, 7800),
        treno("SignalBeyondGrid15", "segnale, 16901, 1, 4, 0, 0, 0, 0, 0,0,0, 0\r\n", 15, 16901),
        treno("SlowdownEndBeyondGrid15", "rallentamento, 16000, 30, 1000, 0, 0, 0\r\n", 15, 16000),
        treno("StationWithinEightHundredOfTheEnd15", "stazione, 16250, 27, 300, 0,0,0, 0,0,0, 0,0,0, 0, 0,0,0, X\r\n",
              15, 16250),
        treno("NegativeAbbattimento15", "abbattimento, -50, 1\r\n", 15, -50),
        treno("SignalOnTakenCell16",
              "segnale, 850, 1, 4, 0, 0, 0, 0, 0,0,0, 0\r\nsegnale, 860, 1, 4, 0, 0, 0, 0, 0,0,0, 0\r\n", 16, 860),
        treno("SlowdownStartTaken18",
              "segnale, 4200, 1, 4, 0, 0, 0, 0, 0,0,0, 0\r\nrallentamento, 4200, 30, 300, 0, 0, 0\r\n", 18, 4200),
        treno("PlatformsTooClose22",
              "stazione, 1000, 27, 300, 0,0,0, 0,0,0, 0,0,0, 0, 0,0,0, A\r\n"
              "stazione, 1600, 27, 300, 0,0,0, 0,0,0, 0,0,0, 0, 0,0,0, B\r\n",
              22, 1600),
        treno("StopPointAtCellOne24", "stazione, 0, 22, 100, 0,0,0, 0,0,0, 0,0,0, 0, 0,0,0, X\r\n", 24),
        treno("SandTooLarge25", "sabbia, 40000\r\n", 25),
        treno("Byte8TooLarge25", "stazione, 1000, 256, 300, 0,0,0, 0,0,0, 0,0,0, 0, 0,0,0, X\r\n", 25),
        Caso{"EmptyTrainText25", linea_con(""), "", 25, nessuna, false, false},
        Caso{"MissingTrainText25", linea_con(""), std::nullopt, 25, nessuna, false, false}),
    nome_caso);

TEST(GuastiLinea, AMissingLineTextDeletesNothing) {
    ProvaLettori p;
    p.a.file[p.nome_treno()] = treno_vuoto;
    memorizza_dati(p.s, p.a);
    EXPECT_EQ(p.s.codice_errore, 101);
    EXPECT_TRUE(p.a.eliminati.empty());
    EXPECT_FALSE(p.s.griglia_creata);
}

// A rejected length is stored before its check; a second one keeps the first grid.
TEST(GuastiLinea, ASecondRouteLengthOutOfRangeKeepsTheFirstGrid) {
    ProvaLettori p;
    p.esegui_linea(generale + "lunghezza percorso, 1000\r\nlunghezza percorso, 2000000\r\n[fine]\r\n");
    EXPECT_EQ(p.s.codice_errore, 1);
    EXPECT_EQ(p.s.voci[84].numero2, 2000000);
    EXPECT_TRUE(p.s.griglia_creata);
    EXPECT_EQ(p.s.numero_celle, 160);
    EXPECT_EQ(p.s.tracciato.elemento(0, 0).tag, Elemento::Tag::vuoto);  // never got past the general section
}

TEST(GuastiLinea, AReadingFaultKeepsTheValuesStoredBeforeIt) {
    ProvaLettori p;
    p.esegui_linea(generale + "progressiva chilometrica tre, 100, 2x, 1\r\n[fine]\r\n");
    EXPECT_EQ(p.s.codice_errore, 25);
    EXPECT_EQ(p.s.voci[81].numero1, 100);
    EXPECT_EQ(p.s.voci[81].numero2, 0);
}

// A record's values are all read before anything of it happens.
TEST(GuastiTreno, ARecordWithAReadingFaultPlacesNothing) {
    ProvaLettori p;
    p.esegui_treno(treno_con("velocita, 0, 80\r\nsegnale, 850, 1, 4, 0, 0, 0, 0, 0,0,0, x\r\n"));
    EXPECT_EQ(p.s.codice_errore, 25);
    EXPECT_EQ(p.cella(18).tipo, TipoCella::vuota);
    EXPECT_EQ(p.cella(5).velocita_cella, 0);  // no tails after a reading fault
}

TEST(GuastiTreno, AStationFaultEndsTheReaderWithoutTails) {
    ProvaLettori p;
    p.esegui_treno(treno_con("velocita, 0, 80\r\nstazione, 7825, 22, 300, 0,0,0, 0,0,0, 0,0,0, 0, 0,0,0, X\r\n"));
    EXPECT_EQ(p.s.codice_errore, 8);
    EXPECT_EQ(p.s.voci[1].numero3, 7825);  // stored as read
    EXPECT_EQ(p.cella(5).velocita_cella, 0);
}

}  // namespace
}  // namespace scenario::test
