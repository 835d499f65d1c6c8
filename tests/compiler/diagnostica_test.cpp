// The report an author reads: one table of source snippets and what the
// report says of them (its line, the caret's column, the suggestion), for
// faults and warnings alike; then the rules of the report as a whole.
#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "compiler/diagnostica.h"
#include "tests/supporto/compila_in_memoria.h"
#include "tests/supporto/file_attesi.h"

namespace scenario {
namespace {

const NomiTesti nomi{"Prova_linea.txt", "Prova_1-.txt"};

// A line text of a 10000 m route with every section; `righe` come after
// "[curve]", from line 4.
std::string linea(std::string_view righe = "", std::string_view lunghezza = "10000") {
    return "[generale]\r\nlunghezza percorso, " + std::string(lunghezza) + "\r\n[curve]\r\n" + std::string(righe) +
           "[pendenze]\r\n[montagne]\r\n[cartelli]\r\n[indicazioni]\r\n[fine]\r\n";
}

// A train text with every section; `righe` come after "[segnali]", from line 7.
std::string treno(std::string_view righe = "") {
    return "[generale]\r\n[aderenze]\r\n[vel_limite]\r\n[stazioni]\r\n[rallentamenti]\r\n[segnali]\r\n" +
           std::string(righe) + "[codici]\r\n[fine]\r\n";
}

struct Compilato : test::Compilato {
    std::vector<Diagnostica> d;
};

// nullopt: the file is not there.
Compilato compila(const std::optional<std::string>& testo_linea, const std::optional<std::string>& testo_treno,
                  std::int32_t geometria = 1) {
    Compilato c{test::compila_in_memoria("Prova", "1", testo_linea, testo_treno, geometria), {}};
    c.d = diagnostica(c.s, c.esito, nomi);
    return c;
}

std::string prima_riga(const Diagnostica& d) {
    const std::string t = testo_diagnostica(d);
    return t.substr(0, t.find('\n'));
}

std::string segnale(std::string_view metro) {
    return "segnale, " + std::string(metro) + ", 1, 4, 0, 0, 0, 0, 0,0,0, 0\r\n";
}

std::string stazione(std::string_view metro, std::string_view tipo = "27", std::string_view lung = "300") {
    return "stazione, " + std::string(metro) + ", " + std::string(tipo) + ", " + std::string(lung) +
           ", 0,0,0, 0,0,0, 0,0,0, 0, 0,0,0, X\r\n";
}

struct Caso {
    const char* nome;
    std::optional<std::string> linea;
    std::optional<std::string> treno;
    std::string riga;                          // the report's first line of that diagnostic
    int colonna;                               // where the caret stands; 0: no source line
    std::optional<std::string> suggerimento;
    std::size_t quale = 0;                     // which diagnostic of the report
};

void PrintTo(const Caso& c, std::ostream* os) { *os << c.nome; }

class Rapporto : public ::testing::TestWithParam<Caso> {};

TEST_P(Rapporto, SaysWhereWhatAndWhatToDo) {
    const Caso& caso = GetParam();
    const Compilato c = compila(caso.linea, caso.treno);
    ASSERT_GT(c.d.size(), caso.quale) << "report:\n" << (c.d.empty() ? "" : testo_diagnostica(c.d.front()));
    const Diagnostica& d = c.d[caso.quale];
    EXPECT_EQ(prima_riga(d), caso.riga);
    EXPECT_EQ(d.colonna, caso.colonna);
    EXPECT_EQ(d.cursore.empty(), caso.colonna == 0);
    if (caso.colonna > 0) {
        EXPECT_EQ(d.cursore.size(), static_cast<std::size_t>(caso.colonna)) << d.cursore;
    }
    EXPECT_EQ(d.suggerimento, caso.suggerimento);
}

std::string nome_caso(const ::testing::TestParamInfo<Caso>& info) { return info.param.nome; }

const std::string treno_vuoto = treno();

INSTANTIATE_TEST_SUITE_P(
    Guasti, Rapporto,
    ::testing::Values(
        Caso{"SegnaleSuCellaPresa", linea(), treno(segnale("850") + segnale("860")),
             "Prova_1-.txt:8:10: errore 16: segnale su una cella già occupata (metro 860)", 10,
             "la cella 18 (metri 825-875) contiene già il segnale di Prova_1-.txt:7; il metro 860 non è multiplo "
             "di 50 e cade nella cella 18"},
        Caso{"NumeroAttesoTrovatoAbc", linea(), treno(segnale("abc")),
             "Prova_1-.txt:7:10: errore 25: errore di lettura dei testi sorgente", 10, "numero atteso, trovato 'abc'"},
        Caso{"ValoreOltreIlCampo", linea(), treno("sabbia, 40000\r\n"),
             "Prova_1-.txt:7:9: errore 25: errore di lettura dei testi sorgente", 9, "valore oltre 32767"},
        Caso{"ByteNegativo", linea(), treno(stazione("1000", "-1")),
             "Prova_1-.txt:7:17: errore 25: errore di lettura dei testi sorgente", 17, "valore sotto 0"},
        Caso{"FineDelFileAMetaRecord", linea(), "[generale]\r\nsegnale, 850, 1",
             "Prova_1-.txt:2:16: errore 25: errore di lettura dei testi sorgente", 16,
             "fine del file a metà del record"},
        Caso{"NulNelNumero", linea(), treno(segnale(std::string("8\0" "50", 4))),
             "Prova_1-.txt:7:10: errore 25: errore di lettura dei testi sorgente", 10,
             "numero atteso, trovato '8\xEF\xBF\xBD" "50'"},
        Caso{"TestoDellaLineaVuoto", "", treno_vuoto, "Prova_linea.txt: errore 25: errore di lettura dei testi sorgente",
             0, "file vuoto; nessun file compilato"},
        Caso{"TestoDelTrenoAssente", linea(), std::nullopt,
             "Prova_1-.txt: errore 25: errore di lettura dei testi sorgente", 0, "file non trovato o illeggibile"},
        Caso{"TestoDellaLineaAssente", std::nullopt, treno_vuoto,
             "Prova_linea.txt: errore 101: testo della linea non trovato", 0,
             "nessun file con questo nome; nessun file compilato"},
        Caso{"SenzaGenerale", "[curve]\r\n[fine]\r\n", treno_vuoto,
             "Prova_linea.txt: errore 102: manca [generale] nel testo della linea", 0,
             "il testo deve cominciare con la riga [generale]; nessun file compilato"},
        Caso{"SenzaLunghezza", "[generale]\r\nsfondo uno, 1\r\n[curve]\r\n[fine]\r\n", treno_vuoto,
             "Prova_linea.txt: errore: manca la riga 'lunghezza percorso': nessuna griglia di celle", 0,
             "nessun file compilato; aggiungi 'lunghezza percorso, N' nella sezione [generale] (o i due testi "
             "sono scambiati?)"},
        Caso{"LunghezzaEccessiva", "[generale]\r\nlunghezza percorso, 1000001\r\n[fine]\r\n", treno_vuoto,
             "Prova_linea.txt:2:21: errore 1: lunghezza del percorso oltre 1000000 m", 21,
             "la lunghezza massima è 1000000 m; nessun file compilato"},
        Caso{"RipetizioneSenzaCodici", "[generale]\r\nlunghezza percorso, 1000\r\nripetizione segnali, 100, 200\r\n",
             treno_vuoto, "Prova_linea.txt:3:1: errore 5: la ripetizione segnali non indica né 4 né 9 codici", 1,
             "la parola chiave deve contenere 4 o 9, per esempio 'ripetizione segnali 4 codici'"},
        Caso{"FineRipetizioneFuoriPasso",
             "[generale]\r\nlunghezza percorso, 1000\r\nripetizione segnali 4, 100, 230\r\n", treno_vuoto,
             "Prova_linea.txt:3:29: errore 4: fine della ripetizione segnali non multipla di 50", 29,
             "per esempio 200 o 250"},
        Caso{"ProgressivaFuoriPasso",
             "[generale]\r\nlunghezza percorso, 1000\r\nprogressiva chilometrica uno, 0, 87730, 0\r\n[curve]\r\n",
             treno_vuoto, "Prova_linea.txt:3:34: errore 2: progressiva chilometrica non multipla di 50", 34,
             "per esempio 87700 o 87750"},
        Caso{"CurvaSenzaClasse", linea("curvas, 100, 200\r\n"), treno_vuoto,
             "Prova_linea.txt:4:1: errore 103: curva senza classe o tracciato oltre il metro 1000000", 1,
             "la parola chiave deve contenere la classe, da 1 a 6, per esempio 'curvas3'"},
        Caso{"MetroNegativo", linea("pendenza, -50, 1\r\n"), treno_vuoto,
             "Prova_linea.txt:4:11: errore 15: oggetto fuori dalla linea (metro -50)", 11,
             "prima dell'inizio della linea"},
        Caso{"OltreLaFine", linea(), treno(segnale("16950")),
             "Prova_1-.txt:7:10: errore 15: oggetto fuori dalla linea (metro 16950)", 10,
             "oltre la fine (lunghezza 10000 m)"},
        Caso{"RecordPrimaDellaLunghezza", "[generale]\r\n[curve]\r\npendenza, 100, 1\r\n", treno_vuoto,
             "Prova_linea.txt:3:11: errore 15: oggetto fuori dalla linea (metro 100)", 11,
             "manca la riga 'lunghezza percorso' prima di questo record; nessun file compilato"},
        Caso{"CartelloSuCellaPresa", linea("indicatori_vmax, 500, 60, 60, 60, 0, , , , 0\r\n"
                                           "indicatore cartello, 510, TESTO\r\n"),
             treno_vuoto, "Prova_linea.txt:5:22: errore 6: cartello su una cella già occupata (metro 510)", 22,
             "la cella 11 (metri 476-524) contiene già l'indicatore di velocità massima di Prova_linea.txt:4; il "
             "metro 510 non è multiplo di 50 e cade nella cella 11"},
        Caso{"AbbattimentoSuCellaPresa", linea(), treno(segnale("950") + "abbattimento, 1000, 0\r\n"),
             "Prova_1-.txt:8:15: errore 7: abbattimento su una cella già occupata (metro 1000)", 15,
             "la cella 20 (metri 925-975) contiene già il segnale di Prova_1-.txt:7; un abbattimento al metro 1000 "
             "va nella cella 20 (metro / 50, senza +1)"},
        Caso{"InizioRallentamentoSuCellaPresa", linea(),
             treno(segnale("4200") + "rallentamento, 4200, 30, 300, 0, 0, 0\r\n"),
             "Prova_1-.txt:8:16: errore 18: inizio del rallentamento su una cella già occupata (metro 4200)", 16,
             "la cella 85 (metri 4176-4224) contiene già il segnale di Prova_1-.txt:7"},
        Caso{"StazioneFuoriPasso", linea(), treno(stazione("7825")),
             "Prova_1-.txt:7:11: errore 8: posizione della stazione non multipla di 50 (metro 7825)", 11,
             "per esempio 7800 o 7850"},
        Caso{"MarciapiedeFuoriPasso", linea(), treno(stazione("7800", "27", "350")),
             "Prova_1-.txt:7:21: errore 9: lunghezza del marciapiede non multipla di 100 (metro 7800)", 21,
             "per esempio 300 o 400"},
        Caso{"StazioniVicine", linea(), treno(stazione("1000") + stazione("1600")),
             "Prova_1-.txt:8:11: errore 22: marciapiedi di stazioni vicine a meno di 350 m (metro 1600)", 11,
             "il marciapiede inizia al metro 1450, meno di 350 m dopo la fine del marciapiede precedente (metro "
             "1150), stazione di Prova_1-.txt:7"},
        Caso{"FermataTroppoPresto", linea(), treno(stazione("0", "22", "100")),
             "Prova_1-.txt:7:11: errore 24: punto di fermata della stazione alla cella 1 o prima", 11,
             "il punto di fermata cadrebbe alla cella 1 o prima: sposta la stazione più avanti"},
        Caso{"AbbattimentoNelPostoDelMarcatore", linea(), treno("abbattimento, 50, 7\r\n"),
             "Prova_1-.txt:7:15: errore 1250: il posto del marcatore del file è già in uso", 15,
             "la cella 1 è riservata al marcatore; contiene il punto di abbattimento di Prova_1-.txt:7: sposta "
             "l'oggetto oltre il metro 25; nessun file compilato"},
        Caso{"FinestraDiAvvicinamentoPiena", linea(),
             treno(segnale("1750") + segnale("1800") + segnale("1850") + "rallentamento, 2100, 30, 300, 0, 0, 0\r\n"),
             "Prova_1-.txt:10:16: errore 12: nessuna cella libera per l'abbattimento prima dell'inizio del "
             "rallentamento (metro 2150)",
             16,
             "la cella 38 contiene il segnale di Prova_1-.txt:9, la cella 37 contiene il segnale di "
             "Prova_1-.txt:8 e la cella 36 contiene il segnale di Prova_1-.txt:7: lascia libera una di queste "
             "celle"}),
    nome_caso);

INSTANTIATE_TEST_SUITE_P(
    Avvisi, Rapporto,
    ::testing::Values(
        Caso{"ParolaChiaveSbagliata", linea(), treno("segnlae, 850, 1, 4, 0, 0, 0, 0, 0,0,0, 0\r\n"),
             "Prova_1-.txt:7:1: avviso: parola chiave sconosciuta 'segnlae': la riga non viene letta", 1,
             "forse 'segnale'?"},
        Caso{"StazioneSbagliata", linea(), treno("  stazone, 1000, 27, 300\r\n"),
             "Prova_1-.txt:7:3: avviso: parola chiave sconosciuta 'stazone': la riga non viene letta", 3,
             "forse 'stazione'?"},
        Caso{"ParolaLontana", linea(), treno("semaforo, 850\r\n"),
             "Prova_1-.txt:7:1: avviso: parola chiave sconosciuta 'semaforo': la riga non viene letta", 1,
             std::nullopt},
        Caso{"MaiuscolaNelGenerale", "[generale]\r\nlunghezza percorso, 1000\r\nsfondo Uno, 3\r\n[curve]\r\n[pendenze]"
                                     "\r\n[montagne]\r\n[cartelli]\r\n[indicazioni]\r\n[fine]\r\n",
             treno_vuoto, "Prova_linea.txt:3:1: avviso: parola chiave sconosciuta 'sfondo Uno': la riga non viene letta",
             1, "scrivi 'sfondo uno' in minuscolo"},
        Caso{"RecordNelTestoSbagliato", linea(segnale("850")), treno_vuoto,
             "Prova_linea.txt:4:1: avviso: 'segnale' qui non viene letta: il record va nel testo del treno", 1,
             std::nullopt},
        Caso{"SezioneSbagliata", linea(), treno("[segnli]\r\n"),
             "Prova_1-.txt:7:1: avviso: sezione sconosciuta '[segnli]'", 1, "forse '[segnali]'?"},
        Caso{"SezioneMancante", linea(), "[generale]\r\n[fine]\r\n",
             "Prova_1-.txt: avviso: mancano le sezioni [aderenze], [vel_limite], [stazioni], [rallentamenti], "
             "[segnali], [codici]",
             0, std::nullopt},
        Caso{"SezioneMancanteInFondo", linea(),
             "[generale]\r\n[aderenze]\r\n[vel_limite]\r\n[stazioni]\r\n[rallentamenti]\r\n[segnali]\r\n[codici]\r\n",
             "Prova_1-.txt: avviso: manca la sezione [fine]", 0, std::nullopt},
        Caso{"SezioneMancanteInMezzo", linea(), "[generale]\r\n[aderenze]\r\n[vel_limite]\r\n[stazioni]\r\n"
                                               "[segnali]\r\n[codici]\r\n[fine]\r\n",
             "Prova_1-.txt: avviso: manca la sezione [rallentamenti]", 0, std::nullopt},
        Caso{"OltreLaLunghezza", linea("", "83000"), treno(stazione("83500")),
             "Prova_1-.txt:7:11: avviso: metro 83500, oltre la fine della linea (lunghezza percorso 83000 m)", 11,
             std::nullopt},
        Caso{"RallentamentoCheFiniscePiuInLa", linea(), treno("rallentamento, 9800, 30, 400, 0, 0, 0\r\n"),
             "Prova_1-.txt:7:26: avviso: finisce al metro 10200, oltre la fine della linea (lunghezza percorso "
             "10000 m)",
             26, std::nullopt},
        Caso{"MetroFuoriPasso", linea(), treno(segnale("9360")),
             "Prova_1-.txt:7:10: avviso: metro 9360 non multiplo di 50", 10, "va nella cella 188 (metri 9325-9375)"},
        Caso{"CambioDiPendenzaFuoriPasso", linea("pendenza, 1125, 3\r\n"), treno_vuoto,
             "Prova_linea.txt:4:11: avviso: metro 1125 non multiplo di 50", 11,
             "il nuovo valore vale dalla cella 22, cioè dal metro 1100"},
        Caso{"PendenzaFuoriIntervallo", linea("pendenza, 1000, 60\r\n"), treno_vuoto,
             "Prova_linea.txt:4:17: avviso: pendenza 60 per mille fuori dall'intervallo usato dal simulatore (-40 .. "
             "40 per mille)",
             17, std::nullopt},
        Caso{"VelocitaNonMultiplaDi5", linea(), "[generale]\r\n[vel_limite]\r\nvelocita, 0, 82\r\n",
             "Prova_1-.txt:3:14: avviso: velocità 82 km/h non multipla di 5", 14,
             "la cella tiene velocità / 5: vale come 80 km/h", 1},
        Caso{"AderenzaFuoriIntervallo", linea(), "[generale]\r\n[aderenze]\r\naderenza, 0, 120\r\n",
             "Prova_1-.txt:3:14: avviso: aderenza 120 % fuori dall'intervallo usato dal simulatore (1 .. 100 %)", 14,
             std::nullopt, 1},
        Caso{"OrologioFuoriIntervallo", linea(), "[generale]\r\norologio, 25 10 0\r\n",
             "Prova_1-.txt:2:11: avviso: ora 25 h fuori dall'intervallo usato dal simulatore (0 .. 23 h)", 11,
             std::nullopt, 1},
        Caso{"StessoMetro", linea("pendenza, 1000, 3\r\npendenza, 1000, 5\r\n"), treno_vuoto,
             "Prova_linea.txt:5:11: avviso: stesso metro della riga di Prova_linea.txt:4", 11,
             "il valore di quella riga non vale per nessuna cella"},
        Caso{"CurveSovrapposte", linea("curvas3, 1000, 500\r\ncurvad3, 1200, 300\r\n"), treno_vuoto,
             "Prova_linea.txt:5:10: avviso: la curva comincia prima della fine della curva di Prova_linea.txt:4", 10,
             "ne resta solo la parte oltre il metro 1500"},
        Caso{"FermataSulSegnale", linea(), treno(segnale("1050") + stazione("1000", "22")),
             "Prova_1-.txt:8:11: avviso: il punto di fermata della stazione sostituisce il segnale di Prova_1-.txt:7 "
             "nella cella 22",
             11, std::nullopt},
        Caso{"RecordNonLetti", linea(), treno(segnale("850") + segnale("850") + segnale("2000") + segnale("3000")),
             "Prova_1-.txt:9:1: avviso: 2 record non letti dopo l'errore", 1, std::nullopt, 1},
        Caso{"TrenoNonLetto", linea("", "-1"), treno(segnale("850")),
             "Prova_1-.txt:7:1: avviso: 1 record non letto per l'errore nel testo della linea", 1, std::nullopt, 1},
        Caso{"TestoUtf8", linea(), treno("stazione, 1000, 27, 300, 0,0,0, 0,0,0, 0,0,0, 0, 0,0,0, CITT\xC3\x80\r\n"),
             "Prova_1-.txt:7:61: avviso: il testo sembra UTF-8: 'Ã€' sono più byte per un solo carattere", 61,
             "salva il file nella codifica Windows-1252"},
        Caso{"ByteNonWindows1252", linea(), treno("stazione, 1000, 27, 300, 0,0,0, 0,0,0, 0,0,0, 0, 0,0,0, A\x81\r\n"),
             "Prova_1-.txt:7:58: avviso: il byte 0x81 non è un carattere Windows-1252", 58, std::nullopt},
        Caso{"NulNelTesto", linea(), treno(stazione("1000") + std::string("abbattimento, 3000, 0 \0\r\n", 25)),
             "Prova_1-.txt:8:23: avviso: carattere NUL nel testo", 23,
             "il lettore lo legge come un carattere qualsiasi"}),
    nome_caso);

// --- the report as a whole -----------------------------------------------------

TEST(RapportoCompleto, TheBuiltInScenarioGivesNothingToSay) {
    const Compilato c = compila(test::file_atteso("Vordano_Seli_linea.txt"), test::file_atteso("Vordano_Seli_4936-.txt"));
    ASSERT_EQ(c.s.codice_errore, 0);
    for (const Diagnostica& d : c.d) ADD_FAILURE() << testo_diagnostica(d);
}

// Sections are found as whole lines, in any case, between blanks, whatever the
// line ends and however late in the text; the last line needs no line end.
TEST(RapportoCompleto, SectionsAreFoundInAnyCaseBlanksAndLineEnds) {
    const std::string treno_misto =
        "[GENERALE]\n\t[aderenze] \r\n[Vel_Limite]\n[stazioni]\r\n[rallentamenti]\r\n[segnali]\n" +
        std::string(3000, '\n') + "[codici]\r\n [fine]";
    const Compilato c = compila(linea(), treno_misto);
    ASSERT_EQ(c.s.codice_errore, 0);
    for (const Diagnostica& d : c.d) ADD_FAILURE() << testo_diagnostica(d);
}

TEST(RapportoCompleto, ShowsTheLineACaretUnderTheFieldAndTheSuggestion) {
    const Compilato c = compila(linea(), treno(segnale("850") + "segnale,\t 860, 1, 4, 0, 0, 0, 0, 0,0,0, 0\r\n"));
    ASSERT_FALSE(c.d.empty());
    EXPECT_EQ(testo_diagnostica(c.d.front()),
              "Prova_1-.txt:8:11: errore 16: segnale su una cella già occupata (metro 860)\n"
              "    segnale,\t 860, 1, 4, 0, 0, 0, 0, 0,0,0, 0\n"
              "            \t ^\n"
              "    la cella 18 (metri 825-875) contiene già il segnale di Prova_1-.txt:7; il metro 860 non è multiplo "
              "di 50 e cade nella cella 18");
}

TEST(RapportoCompleto, InAWindowTheFieldIsMarkedInItsLineInsteadOfACaret) {
    const Compilato c = compila(linea(), treno(segnale("850") + "segnale,\t 860 , 1, 4, 0, 0, 0, 0, 0,0,0, 0\r\n"));
    ASSERT_FALSE(c.d.empty());
    EXPECT_EQ(testo_diagnostica(c.d.front(), Resa::finestra),
              "Prova_1-.txt:8:11: errore 16: segnale su una cella già occupata (metro 860)\n"
              "    segnale,\t >>860<< , 1, 4, 0, 0, 0, 0, 0,0,0, 0\n"
              "    la cella 18 (metri 825-875) contiene già il segnale di Prova_1-.txt:7; il metro 860 non è multiplo "
              "di 50 e cade nella cella 18");
}

TEST(RapportoCompleto, FaultsComeFirstThenWarningsInSourceOrder) {
    const Compilato c = compila(linea("pendenza, 1025, 1\r\n"), treno("segnlae, 900\r\n" + segnale("850") + segnale("860")));
    ASSERT_EQ(c.d.size(), 3u);
    EXPECT_EQ(c.d[0].codice, 16);
    EXPECT_EQ(c.d[1].file, "Prova_linea.txt");
    EXPECT_EQ(c.d[2].riga, 7);
}

TEST(RapportoCompleto, WithoutGeometryCurvesAreNotUnknownKeywords) {
    const Compilato con = compila(linea("curvas3, 1000, 500\r\n"), treno_vuoto, 0);
    EXPECT_TRUE(con.d.empty()) << testo_diagnostica(con.d.front());
}

// The plan takes a curve's start and length to the metre: off the 50 m step
// is no cause for a warning (a long line has thousands of such curves).
TEST(RapportoCompleto, CurvesOffTheCellStepAreDrawnAsWritten) {
    const Compilato c = compila(linea("curvas3, 1030, 47\r\ncurvad2, 1261, 10\r\n"), treno_vuoto);
    EXPECT_TRUE(c.d.empty()) << testo_diagnostica(c.d.front());
}

TEST(RapportoCompleto, PositionsAreLinesAndByteColumnsFromOne) {
    // A lone CR belongs to its line; LF and CR LF end one.
    const Compilato c = compila(linea(), "[generale]\nx\r y\r\n  segnlae, 1\r\n");
    ASSERT_FALSE(c.d.empty());
    const Diagnostica& d = c.d.back();
    EXPECT_EQ(d.riga, 3);
    EXPECT_EQ(d.colonna, 3);
}

}  // namespace
}  // namespace scenario
