// `scenario dump`: the values each built-in file holds, the JSON that turns
// back into the very bytes of the file (built-in and fuzz corpus scenarios),
// and damaged files refused with the check and byte, printing nothing.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <nlohmann/json.hpp>

#include "tests/supporto/archivio_temporaneo.h"
#include "tests/supporto/esegui.h"
#include "tests/compiler/file_compilati_prova.h"
#include "tests/tool/json_compilati.h"

namespace scenario::test {
namespace {

namespace fs = std::filesystem;

const char* const nome_celle = "Vordano_Seli_4936.dat";
const char* const nome_tabella = "Vordano_Seli_4936.sim";
const char* const nome_tracciato = "Vordano_Seli_linea.dat";

struct Uscita {
    int stato;
    std::string testo;
    std::string errori;
};

class Dump : public ::testing::Test {
protected:
    void SetUp() override { scrivi(incorporato()); }
    void scrivi(const FileCompilati& f) {
        scrivi_file(cartella / nome_celle, f.celle);
        scrivi_file(cartella / nome_tabella, f.tabella);
        scrivi_file(cartella / nome_tracciato, f.tracciato);
    }
    Uscita dump(const std::string& argomenti) {
        const fs::path out = lavoro / "out.txt", err = lavoro / "err.txt";
        const int stato = esegui(tra_virgolette(SCENARIO_EXE) + " dump " + argomenti + " > " + tra_virgolette(out), err);
        std::string testo = leggi_file(out);
        std::erase(testo, '\r');  // Windows writes text lines with CR LF
        return {stato, testo, leggi_file(err)};
    }
    std::string file(const char* nome) { return tra_virgolette(cartella / nome); }
    void controlla_ritorno();

    CartellaTemporanea cartella;
    CartellaTemporanea lavoro;
};

bool contiene(const std::string& testo, const std::string& parte) { return testo.find(parte) != std::string::npos; }

// The row of one cell in the text dump.
std::string riga_cella(const std::string& testo, int k) {
    const std::string inizio = "\n" + std::string(6 - std::to_string(k).size(), ' ') + std::to_string(k) + " ";
    const auto p = testo.find(inizio);
    if (p == std::string::npos) return {};
    return testo.substr(p + 1, testo.find('\n', p + 1) - p - 1);
}

TEST_F(Dump, CellsShowObjectsWithTheirMeaning) {
    const Uscita u = dump(file(nome_celle));
    ASSERT_EQ(u.stato, 0) << u.errori;
    EXPECT_TRUE(contiene(riga_cella(u.testo, 1), "marcatore 5121, codice di gara semplice 2388"));
    EXPECT_TRUE(contiene(riga_cella(u.testo, 18), "segnale: sinistra tipo 2 (4, 1, 0), nessuno a destra, rapp 0, tempo 0"))
        << riga_cella(u.testo, 18);
    EXPECT_TRUE(contiene(riga_cella(u.testo, 18), "80     0   100"));  // km/h, per mille, percent
    EXPECT_TRUE(contiene(riga_cella(u.testo, 16), "ripetitore 1 del segnale della cella 18"));
    EXPECT_TRUE(contiene(riga_cella(u.testo, 11), "cartello indicatore: sinistro A 75 B 80 C 80 km/h; nessuno a destra"));
    EXPECT_TRUE(contiene(riga_cella(u.testo, 5), "punto di fermata: stazione del record 1 \"VORDANO P.F.\""));
    EXPECT_TRUE(contiene(riga_cella(u.testo, 855), "inizio rallentamento: 30 km/h"));
    EXPECT_TRUE(contiene(riga_cella(u.testo, 1256), "destro A 95 B 105 C 105 km/h")) << riga_cella(u.testo, 1256);
    EXPECT_TRUE(contiene(riga_cella(u.testo, 23), "marcatore di montagna"));
    EXPECT_EQ(riga_cella(u.testo, 1980), "") << "the last cells hold nothing";
}

// The file's own name goes into the JSON as UTF-8, whatever it is named. A
// Linux name need not be UTF-8 at all (Latin-1 bytes): U+FFFD stands in.
TEST_F(Dump, JsonNamesTheFileInUtf8) {
    struct Caso {
        std::string su_disco;
        std::string in_json;
    };
    std::vector<Caso> casi = {{"Città Мир_4936.sim", "Città Мир_4936.sim"}};
#ifndef _WIN32
    casi.push_back({"Citt\xE0_4936.sim", "Citt\xEF\xBF\xBD_4936.sim"});
#endif
    for (const Caso& c : casi) {
        fs::copy_file(cartella / nome_tabella, cartella.percorso() / da_utf8(c.su_disco));
        const Uscita u = dump(tra_virgolette(cartella.percorso() / da_utf8(c.su_disco)) + " --json");
        ASSERT_EQ(u.stato, 0) << u.errori;
        const auto j = nlohmann::json::parse(u.testo, nullptr, false);
        ASSERT_TRUE(j.is_object()) << u.testo;
        EXPECT_EQ(j["file"], c.in_json);
    }
}

TEST_F(Dump, FromAndToSelectTheCellsThatCoverTheMetres) {
    const Uscita u = dump(file(nome_celle) + " --from 800 --to 900");
    ASSERT_EQ(u.stato, 0) << u.errori;
    EXPECT_NE(riga_cella(u.testo, 17), "");
    EXPECT_NE(riga_cella(u.testo, 19), "");
    EXPECT_EQ(riga_cella(u.testo, 16), "");
    EXPECT_EQ(riga_cella(u.testo, 20), "");
}

TEST_F(Dump, TableShowsNamedFields) {
    const Uscita u = dump(file(nome_tabella));
    ASSERT_EQ(u.stato, 0) << u.errori;
    EXPECT_TRUE(contiene(u.testo, "  9  stazione \"CASTELMORO\" al metro 37800, tipo 12, marciapiede 37600 .. 38000, "
                                  "orario 06:58:00, sosta 60 s"));
    EXPECT_TRUE(contiene(u.testo, " 81  progressiva chilometrica: al metro 0 la progressiva è 87850 m, segno 1"));
    EXPECT_TRUE(contiene(u.testo, " 84  treno: massa frenata 130 %, lunghezza del percorso 92000 m, 5 vetture"));
    EXPECT_TRUE(contiene(u.testo, " 85  percorso \"Vordano_Seli\": sfondi uno 0, due 1, tre 4000; marcatore 610, "
                                  "codice di gara ponderato 32631"));
    EXPECT_TRUE(contiene(u.testo, " 86  corsa del treno \"4936\": ripetizione segnali 4 codici da 60100 m a 90000 m, "
                                  "sabbia 300, orologio 06:22:45"));
}

TEST_F(Dump, GeometryEveryNMetres) {
    const Uscita u = dump(file(nome_tracciato) + " --every 50000");
    ASSERT_EQ(u.stato, 0) << u.errori;
    EXPECT_TRUE(contiene(u.testo, "\n       0                       0                       0\n"));
    EXPECT_TRUE(contiene(u.testo, "\n   50000      -9965.137580901388      48208.649113624306\n")) << u.testo;
    EXPECT_EQ(std::ranges::count(u.testo, '\n'), 2 + 2);
}

TEST_F(Dump, JsonHasTheDocumentedNames) {
    const Uscita u = dump(file(nome_celle) + " --json --from 850 --to 850");
    ASSERT_EQ(u.stato, 0) << u.errori;
    const auto j = nlohmann::json::parse(u.testo);
    EXPECT_EQ(j["formato"], "celle");
    EXPECT_EQ(j["numero_celle"], 1980);
    ASSERT_EQ(j["celle"].size(), 1u);
    const auto& c = j["celle"][0];
    EXPECT_EQ(c["indice"], 18);
    EXPECT_EQ(c["oggetto"], "segnale");
    EXPECT_EQ(c["velocita_kmh"], 80);
    EXPECT_EQ(c["significato"]["sinistro"]["tipo"], 2);
    EXPECT_EQ(c["significato"]["sinistro"]["impostazioni"], nlohmann::json({4, 1, 0}));
    EXPECT_TRUE(c["significato"]["destro"].is_null());
    const auto t = nlohmann::json::parse(dump(file(nome_tabella) + " --json").testo);
    EXPECT_EQ(t["voci"][9]["significato"]["orario"], "06:58:00");
    EXPECT_EQ(t["voci"][86]["significato"]["numero_treno"], "4936");
}

// The whole JSON of each file in the folder is the file: nothing left out, nothing changed.
void Dump::controlla_ritorno() {
    for (const auto& voce : fs::directory_iterator(cartella.percorso())) {
        const std::string nome = voce.path().filename().string();
        const Uscita u = dump(tra_virgolette(voce.path()) + " --json");
        ASSERT_EQ(u.stato, 0) << nome << ": " << u.errori;
        const auto j = nlohmann::json::parse(u.testo);
        const std::string byte = j["formato"] == "celle"     ? celle_da_json(j)
                                 : j["formato"] == "tabella" ? tabella_da_json(j)
                                                             : tracciato_da_json(j);
        EXPECT_TRUE(byte == leggi_file(voce.path())) << nome << " does not come back from its JSON";
    }
}

TEST_F(Dump, JsonTurnsBackIntoTheBuiltInFiles) {
    controlla_ritorno();
}

// ----- the fuzz corpus: one flag byte, the line text, "@@@@\n", the train text

// One input; ctest shows it by its file name, wherever the checkout is.
struct IngressoCorpus {
    fs::path percorso;
};
void PrintTo(const IngressoCorpus& i, std::ostream* os) { *os << i.percorso.filename().string(); }

std::vector<IngressoCorpus> ingressi_corpus() {
    std::vector<IngressoCorpus> p;
    for (const char* c : {CARTELLA_SEMI, CARTELLA_REGRESSIONI})
        for (const auto& v : fs::directory_iterator(c)) p.push_back({v.path()});
    std::ranges::sort(p, {}, &IngressoCorpus::percorso);
    return p;
}

class DumpCorpus : public Dump, public ::testing::WithParamInterface<IngressoCorpus> {
protected:
    void SetUp() override {}
};

TEST_P(DumpCorpus, JsonTurnsBackIntoTheCompiledFiles) {
    const std::string dati = leggi_file(GetParam().percorso);
    const bool geometria = !dati.empty() && (dati[0] & 1);
    if (!dati.empty() && (dati[0] & 2)) GTEST_SKIP() << "no line text: nothing compiled";
    const auto separatore = dati.find("@@@@\n");
    scrivi_file(lavoro / "Vordano_Seli_linea.txt", dati.substr(dati.empty() ? 0 : 1, separatore == std::string::npos ? std::string::npos : separatore - 1));
    const fs::path treno = lavoro / "Vordano_Seli_4936-.txt";
    if (separatore != std::string::npos) scrivi_file(treno, dati.substr(separatore + 5));
    esegui(tra_virgolette(SCENARIO_EXE) + " compile " + tra_virgolette(lavoro / "Vordano_Seli_linea.txt") + " " +
               tra_virgolette(treno) + " -o " + tra_virgolette(cartella.percorso()) + (geometria ? "" : " --no-geometry") +
               " > " + tra_virgolette(lavoro / "compile.txt"),
           lavoro / "compile_err.txt");
    controlla_ritorno();
}

INSTANTIATE_TEST_SUITE_P(Corpus, DumpCorpus, ::testing::ValuesIn(ingressi_corpus()), [](const auto& info) {
    std::string n = info.param.percorso.filename().string();
    std::ranges::replace_if(n, [](char c) { return !std::isalnum(static_cast<unsigned char>(c)); }, '_');
    return n;
});

// ----- damaged files

class DumpDanneggiato : public Dump, public ::testing::WithParamInterface<Danno> {};

TEST_P(DumpDanneggiato, NamesTheCheckAndTheByteAndPrintsNothing) {
    const Danno& d = GetParam();
    FileCompilati f = incorporato();
    d.guasta(f[d.danneggiato]);
    scrivi(f);
    const char* nome = d.letto == Bersaglio::celle ? nome_celle : d.letto == Bersaglio::tabella ? nome_tabella : nome_tracciato;
    for (const char* json : {"", " --json"}) {
        const Uscita u = dump(file(nome) + json);
        EXPECT_EQ(u.stato, 1) << u.errori;
        EXPECT_EQ(u.testo, "");
        const std::string atteso = "controllo \"" + std::string(nome_controllo(d.controllo)) +
                                   "\" non superato al byte " + std::to_string(d.posizione(incorporato()));
        EXPECT_TRUE(contiene(u.errori, atteso)) << u.errori;
        EXPECT_TRUE(contiene(u.errori, nome)) << u.errori;
    }
}

INSTANTIATE_TEST_SUITE_P(OgniControllo, DumpDanneggiato, ::testing::ValuesIn(danni()),
                         [](const auto& info) { return std::string(info.param.nome); });

TEST_F(Dump, CellsCutAtRecordBoundariesAreRefused) {
    for (std::size_t celle : {0, 1, 2, 140, 141, 1000, 1979, 1980}) {
        FileCompilati f = incorporato();
        f.celle.resize(15 * celle);
        scrivi(f);
        const Uscita u = dump(file(nome_celle));
        EXPECT_EQ(u.stato, 1) << celle << " cells";
        EXPECT_EQ(u.testo, "");
    }
}

TEST_F(Dump, ALoneCellFileSaysWhatCannotBeChecked) {
    fs::remove(cartella / nome_tabella);
    const Uscita u = dump(file(nome_celle));
    EXPECT_EQ(u.stato, 0);
    EXPECT_TRUE(contiene(u.errori, "non c'è la sua tabella")) << u.errori;
}

struct CasoUso {
    const char* nome;
    std::string argomenti;
    int stato;
    const char* messaggio;
};

TEST_F(Dump, WrongCommandLinesAndMissingFiles) {
    const CasoUso casi[] = {
        {"every on cells", file(nome_celle) + " --every 10", 2, "--every"},
        {"every zero", file(nome_tracciato) + " --every 0", 2, "--every"},
        {"from after to", file(nome_celle) + " --from 900 --to 800", 2, "--from"},
        {"unknown name", tra_virgolette(cartella / "linea.txt"), 2, "non riconosco"},
        {"missing file", tra_virgolette(cartella / "Assente_1.dat"), 4, "impossibile leggere"},
    };
    for (const CasoUso& c : casi) {
        const Uscita u = dump(c.argomenti);
        EXPECT_EQ(u.stato, c.stato) << c.nome << ": " << u.errori;
        EXPECT_TRUE(contiene(u.errori, c.messaggio)) << c.nome << ": " << u.errori;
        EXPECT_EQ(u.testo, "") << c.nome;
    }
}

TEST_F(Dump, HelpIsItalianWithAnExample) {
    const Uscita u = dump("--help");
    EXPECT_EQ(u.stato, 0);
    EXPECT_TRUE(contiene(u.testo, "Esempi:")) << u.testo;
    EXPECT_TRUE(contiene(u.testo, "scenario dump Vordano_Seli_4936.dat --from 40000 --to 45000"));
}

}  // namespace
}  // namespace scenario::test
