// `scenario sources`: the built-in texts where the user wants them.
#include <gtest/gtest.h>

#include <filesystem>
#include <regex>
#include <string>

#include "tests/supporto/archivio_temporaneo.h"
#include "tests/supporto/esegui.h"
#include "tests/supporto/file_attesi.h"
#include "tests/tool/risposta_scenario.h"

namespace scenario {
namespace {

namespace fs = std::filesystem;
using test::CartellaTemporanea;
using test::esegui;
using test::leggi_file;
using test::nomi_in;
using test::tra_virgolette;

const std::string scenario_exe = tra_virgolette(SCENARIO_EXE);

// What the builder itself writes as source texts: the checked-in copies
// (tests/app holds the builder to them).
std::map<std::string, std::string> testi_del_costruttore() {
    std::map<std::string, std::string> testi;
    for (const auto& nome : {test::nome_linea_incorporata, test::nome_treno_incorporato}) {
        testi[nome] = test::file_atteso(nome);
    }
    return testi;
}

TEST(ScenarioSources, WritesExactlyTheBuildersTwoSourceTextsIntoDir) {
    CartellaTemporanea c;
    CartellaTemporanea errori;  // its own: tests run side by side
    ASSERT_EQ(esegui(scenario_exe + " sources " + tra_virgolette(c.percorso()), errori / "err.txt"), 0);
    const auto attesi = testi_del_costruttore();
    ASSERT_EQ(nomi_in(c.percorso()),
              (std::vector<std::string>{"Vordano_Seli_4936-.txt", "Vordano_Seli_linea.txt"}));
    for (const auto& [nome, dati] : attesi) EXPECT_EQ(leggi_file(c / nome), dati) << nome;
}

TEST(ScenarioSources, DefaultsToTheCurrentFolder) {
    CartellaTemporanea c;
    CartellaTemporanea errori;
    ASSERT_EQ(esegui(test::entra_in(c.percorso()) + scenario_exe + " sources", errori / "err.txt"), 0);
    EXPECT_EQ(nomi_in(c.percorso()).size(), 2u);
}

TEST(ScenarioSources, MakesAMissingFolderAndNamesEachFileItWrites) {
    CartellaTemporanea c;
    const fs::path dentro = c / "nuova" / "sotto";
    ASSERT_EQ(esegui(scenario_exe + " sources " + tra_virgolette(dentro) + " > " + tra_virgolette(c / "out.txt"),
                     c / "err.txt"),
              0)
        << leggi_file(c / "err.txt");
    EXPECT_EQ(test::righe_di(leggi_file(c / "out.txt")),
              (std::vector<std::string>{(dentro / "Vordano_Seli_linea.txt").string(),
                                        (dentro / "Vordano_Seli_4936-.txt").string()}));
    EXPECT_EQ(nomi_in(dentro).size(), 2u);
}

// A person's edited texts are never lost to it: without --force nothing is
// written at all, and every text already there is named.
TEST(ScenarioSources, NeverReplacesATextWithoutForce) {
    CartellaTemporanea c;
    const fs::path dir = c / "dir";
    fs::create_directory(dir);
    test::scrivi_file(dir / "Vordano_Seli_linea.txt", "modificato");
    const std::string comando = scenario_exe + " sources " + tra_virgolette(dir);

    EXPECT_EQ(esegui(comando, c / "err.txt"), 2);
    const std::string errori = leggi_file(c / "err.txt");
    EXPECT_NE(errori.find((dir / "Vordano_Seli_linea.txt").string()), std::string::npos) << errori;
    EXPECT_NE(errori.find("--force"), std::string::npos) << errori;
    EXPECT_EQ(nomi_in(dir), std::vector<std::string>{"Vordano_Seli_linea.txt"});
    EXPECT_EQ(leggi_file(dir / "Vordano_Seli_linea.txt"), "modificato");

    ASSERT_EQ(esegui(comando + " --force", c / "err.txt"), 0) << leggi_file(c / "err.txt");
    for (const auto& [nome, dati] : testi_del_costruttore()) EXPECT_EQ(leggi_file(dir / nome), dati) << nome;
}

TEST(ScenarioSources, AFileWhereTheFolderShouldBeIsAFileError) {
    CartellaTemporanea c;
    test::scrivi_file(c / "file", "x");
    EXPECT_EQ(esegui(scenario_exe + " sources " + tra_virgolette(c / "file" / "dir"), c / "err.txt"), 4);
    EXPECT_NE(leggi_file(c / "err.txt").find("scenario: "), std::string::npos);
}

struct CasoUso {
    std::string nome;
    std::string argomenti;
    int stato;
    std::string nel_testo;  // expected in stdout+stderr
};

void PrintTo(const CasoUso& c, std::ostream* os) { *os << c.nome; }

std::string nome_caso(const ::testing::TestParamInfo<CasoUso>& info) { return info.param.nome; }

class ScenarioRigaDiComando : public ::testing::TestWithParam<CasoUso> {};

TEST_P(ScenarioRigaDiComando, AnswersWithStatusAndText) {
    CartellaTemporanea c;
    const auto& caso = GetParam();
    const int stato = esegui(scenario_exe + " " + caso.argomenti + " > " + tra_virgolette(c / "out.txt"), c / "err.txt");
    EXPECT_EQ(stato, caso.stato);
    const std::string testo = leggi_file(c / "out.txt") + leggi_file(c / "err.txt");
    EXPECT_NE(testo.find(caso.nel_testo), std::string::npos) << testo;
}

INSTANTIATE_TEST_SUITE_P(Uso, ScenarioRigaDiComando,
                         ::testing::Values(CasoUso{"Help", "--help", 0, "Comandi:"},
                                           CasoUso{"SourcesHelp", "sources --help", 0, "senza --force"},
                                           CasoUso{"CompileHelp", "compile --help", 0, "Stato di uscita"},
                                           CasoUso{"Version", "--version", 0, "scenario 1."},
                                           CasoUso{"NoCommand", "", 2, "subcommand"},
                                           CasoUso{"UnknownCommand", "bogus", 2, "comando sconosciuto 'bogus'"},
                                           CasoUso{"CompileWithoutTexts", "compile", 2, "LINEA"}),
                         nome_caso);

// Our own Italian: "già", "è", "più", never "gia'", "e'", "piu'".
TEST(ScenarioAiuto, EveryHelpPageWritesAccentedLettersNotApostrophes) {
    const std::regex apostrofo_per_accento("[a-z](a|e|i|o|u)'([^A-Za-z]|$)");
    for (const std::string comando : {"", "sources ", "compile ", "check ", "dump ", "plot ", "decompile "}) {
        CartellaTemporanea c;
        ASSERT_EQ(esegui(scenario_exe + " " + comando + "--help > " + tra_virgolette(c / "out.txt"), c / "err.txt"), 0)
            << comando;
        const std::string aiuto = leggi_file(c / "out.txt");
        std::smatch trovato;
        EXPECT_FALSE(std::regex_search(aiuto, trovato, apostrofo_per_accento)) << comando << "--help: " << trovato.str();
    }
}

}  // namespace
}  // namespace scenario
