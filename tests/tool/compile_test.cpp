// `scenario compile`: names, statuses, what it writes and what it never touches.
#include <gtest/gtest.h>

#include <filesystem>
#include <nlohmann/json.hpp>

#include "tests/supporto/archivio_temporaneo.h"
#include "tests/supporto/esegui.h"
#include "tool/comando_compile.h"

namespace scenario {
namespace {

namespace fs = std::filesystem;
using test::CartellaTemporanea;
using test::esegui;
using test::leggi_file;
using test::nomi_in;
using test::scrivi_file;
using test::tra_virgolette;

TEST(NomiDaFile, RouteAndTrainComeFromTheFileNamesWhenTheyFit) {
    EXPECT_EQ(percorso_da_nome("Vordano_Seli_linea.txt"), "Vordano_Seli");
    EXPECT_EQ(percorso_da_nome("_linea.txt"), std::nullopt);
    EXPECT_EQ(percorso_da_nome("Vordano_Seli.txt"), std::nullopt);
    EXPECT_EQ(treno_da_nome("Vordano_Seli_4936-.txt", "Vordano_Seli"), "4936");
    EXPECT_EQ(treno_da_nome("Vordano_Seli_-.txt", "Vordano_Seli"), std::nullopt);
    EXPECT_EQ(treno_da_nome("Altra_4936-.txt", "Vordano_Seli"), std::nullopt);
    EXPECT_EQ(treno_da_nome("Vordano_Seli_4936.txt", "Vordano_Seli"), std::nullopt);
}

const std::string linea_minima = "[generale]\r\nlunghezza percorso, 5000\r\n[fine]\r\n";
const std::string treno_minimo = "[generale]\r\n[fine]\r\n";

struct Esito {
    int stato;
    nlohmann::json json;
    std::string errori;
};

class CompileTest : public ::testing::Test {
protected:
    Esito compila(const std::string& argomenti) {
        const fs::path out = lavoro / "out.json";
        const fs::path err = lavoro / "err.txt";
        const int stato = esegui(tra_virgolette(SCENARIO_EXE) + " compile " + argomenti + " --json -o " +
                                     tra_virgolette(uscita.percorso()) + " > " + tra_virgolette(out),
                                 err);
        const std::string testo = leggi_file(out);
        return {stato, testo.empty() ? nlohmann::json() : nlohmann::json::parse(testo), test::senza_cr(leggi_file(err))};
    }
    std::string sorgenti(const std::string& linea, const std::string& treno) {
        scrivi_file(lavoro / "Prova_linea.txt", linea);
        scrivi_file(lavoro / "Prova_7-.txt", treno);
        return tra_virgolette(lavoro / "Prova_linea.txt") + " " + tra_virgolette(lavoro / "Prova_7-.txt");
    }

    CartellaTemporanea lavoro;
    CartellaTemporanea uscita;
};

TEST_F(CompileTest, ACleanScenarioWritesTheThreeFilesAndKeepsTheSources) {
    const auto r = compila(sorgenti(linea_minima, treno_minimo));
    EXPECT_EQ(r.stato, 0) << r.errori;
    EXPECT_EQ(r.json["codice_errore"], 0);
    EXPECT_TRUE(r.json["errore"].is_null());
    EXPECT_EQ(r.json["files"], nlohmann::json({"Prova_linea.dat", "Prova_7.sim", "Prova_7.dat"}));
    EXPECT_EQ(nomi_in(uscita.percorso()), (std::vector<std::string>{"Prova_7.dat", "Prova_7.sim", "Prova_linea.dat"}));
    EXPECT_EQ(leggi_file(lavoro / "Prova_linea.txt"), linea_minima);
    EXPECT_EQ(leggi_file(lavoro / "Prova_7-.txt"), treno_minimo);
    EXPECT_EQ(fs::file_size(uscita / "Prova_7.dat"), 15u * (12000 / 50 + 1));
}

TEST_F(CompileTest, NoGeometryLeavesOutTheLineFile) {
    const auto r = compila(sorgenti(linea_minima, treno_minimo) + " --no-geometry");
    EXPECT_EQ(r.stato, 0) << r.errori;
    EXPECT_EQ(r.json["files"], nlohmann::json({"Prova_7.sim", "Prova_7.dat"}));
}

// The compiler records faults for what it reads; a text the tool cannot read
// at all is a file error, found before anything is written.
TEST_F(CompileTest, ATrainTextWithoutSectionsIsAFaultNotAFileError) {
    const auto r = compila(sorgenti(linea_minima, ""));
    EXPECT_EQ(r.stato, 1);
    EXPECT_EQ(r.json["codice_errore"], 25);
    EXPECT_EQ(r.json["files"].size(), 3u) << "the line's grid is written";
    EXPECT_NE(r.errori.find("Prova_7-.txt: errore 25: errore di lettura dei testi sorgente"), std::string::npos)
        << r.errori;
    EXPECT_NE(r.errori.find("file vuoto"), std::string::npos) << r.errori;
}

TEST_F(CompileTest, ALineWithoutRouteLengthWritesNothingAndIsNotASuccess) {
    const auto r = compila(sorgenti("[generale]\r\nsfondo uno, 3\r\n[fine]\r\n", treno_minimo));
    EXPECT_EQ(r.stato, 1);
    EXPECT_EQ(r.json["files"], nlohmann::json::array());
    EXPECT_NE(r.errori.find("manca la riga 'lunghezza percorso'"), std::string::npos) << r.errori;
    EXPECT_NE(r.errori.find("nessun file compilato"), std::string::npos) << r.errori;
    EXPECT_TRUE(nomi_in(uscita.percorso()).empty());
}

TEST_F(CompileTest, AFatalErrorWritesNothingAndExitsThree) {
    const auto r = compila(sorgenti(linea_minima, "[generale]\r\nabbattimento, 50, 7\r\n[fine]\r\n"));
    EXPECT_EQ(r.stato, 3);
    EXPECT_EQ(r.json["errore"], "1250");
    EXPECT_EQ(r.json["files"], nlohmann::json::array());
    EXPECT_EQ(r.errori.rfind(" Errore n. 1250\n", 0), 0u) << r.errori;
    EXPECT_TRUE(nomi_in(uscita.percorso()).empty());
}

TEST_F(CompileTest, NamesThatDoNotFitNeedTheOptions) {
    scrivi_file(lavoro / "linea.txt", linea_minima);
    scrivi_file(lavoro / "treno.txt", treno_minimo);
    const std::string testi = tra_virgolette(lavoro / "linea.txt") + " " + tra_virgolette(lavoro / "treno.txt");

    const auto senza = compila(testi);
    EXPECT_EQ(senza.stato, 2);
    EXPECT_NE(senza.errori.find("--route"), std::string::npos) << senza.errori;

    const auto senza_treno = compila(testi + " --route Mia");
    EXPECT_EQ(senza_treno.stato, 2);
    EXPECT_NE(senza_treno.errori.find("--train"), std::string::npos) << senza_treno.errori;

    const auto con = compila(testi + " --route Mia --train 12");
    EXPECT_EQ(con.stato, 0) << con.errori;
    EXPECT_EQ(con.json["files"], nlohmann::json({"Mia_linea.dat", "Mia_12.sim", "Mia_12.dat"}));
}

// The user's compiler and the builder's are one: the built-in texts compile
// to exactly the files of a builder run.
TEST_F(CompileTest, BuiltInSourcesCompileToTheBuildersFiles) {
    CartellaTemporanea costruttore;
    const fs::path programma = costruttore / fs::path(CREA_SCENARIO_EXE).filename().string();
    fs::copy_file(CREA_SCENARIO_EXE, programma);
    ASSERT_EQ(esegui(tra_virgolette(programma), lavoro / "builder.txt"), 0) << leggi_file(lavoro / "builder.txt");
    ASSERT_EQ(esegui(tra_virgolette(SCENARIO_EXE) + " sources " + tra_virgolette(lavoro.percorso()), lavoro / "s.txt"), 0);

    const auto r = compila(tra_virgolette(lavoro / "Vordano_Seli_linea.txt") + " " +
                           tra_virgolette(lavoro / "Vordano_Seli_4936-.txt"));
    ASSERT_EQ(r.stato, 0) << r.errori;
    for (const std::string nome : {"Vordano_Seli_linea.dat", "Vordano_Seli_4936.sim", "Vordano_Seli_4936.dat"})
        EXPECT_EQ(leggi_file(uscita / nome), leggi_file(costruttore / nome)) << nome;
}

}  // namespace
}  // namespace scenario
