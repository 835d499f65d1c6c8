// A file that cannot be read or written is reported the same way by every
// command: its full path (also when named relative to the current folder),
// the system's own number and the system's text for it; with --json the
// same parts in "guasto_file".
#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <system_error>

#include "platform/testo_errore.h"
#include "tests/supporto/archivio_temporaneo.h"
#include "tests/supporto/esegui.h"
#include "tests/tool/risposta_scenario.h"

#ifndef _WIN32
#include <locale.h>
#endif

namespace scenario::test {
namespace {

namespace fs = std::filesystem;

const std::string linea_minima = "[generale]\r\nlunghezza percorso, 5000\r\n[fine]\r\n";
const std::string treno_minimo = "[generale]\r\n[fine]\r\n";

struct CasoGuasto {
    const char* nome;
    std::string argomenti;  // after `scenario`, relative to the work folder, which is current
    std::errc motivo;       // the failure, as the system numbers it
    std::string file;       // the file named, relative to the work folder
    bool oggetto_json;      // compile and check answer --json with the report's object
    void (*prepara)(const fs::path& lavoro) = nullptr;
};

void PrintTo(const CasoGuasto& c, std::ostream* os) { *os << c.nome; }

// `scenario ARGOMENTI` run from `lavoro`, its output kept in `altrove`;
// `ambiente` ("NAME=VALUE ") goes before the program.
Risposta chiedi_in(const fs::path& lavoro, const fs::path& altrove, const std::string& argomenti,
                   const std::string& ambiente = {}) {
    const fs::path out = altrove / "out.txt";
    const fs::path err = altrove / "err.txt";
    const int stato = esegui(
        entra_in(lavoro) + ambiente + tra_virgolette(SCENARIO_EXE) + " " + argomenti + " > " + tra_virgolette(out), err);
    return {stato, leggi_file(out), leggi_file(err)};
}

void tabella_in_sola_lettura(const fs::path& lavoro) {
    scrivi_file(lavoro / "uscita" / "Prova_7.sim", "vecchia");
    fs::permissions(lavoro / "uscita" / "Prova_7.sim", fs::perms::owner_read);
}
void cartella_al_posto_della_tabella(const fs::path& lavoro) {
    fs::create_directories(lavoro / "uscita" / "Prova_7.sim");
}
void cartella_al_posto_delle_celle(const fs::path& lavoro) { fs::create_directories(lavoro / "Prova_7.dat"); }

class GuastiDiFile : public ::testing::TestWithParam<CasoGuasto> {
protected:
    void SetUp() override {
        scrivi_file(lavoro / "Prova_linea.txt", linea_minima);
        scrivi_file(lavoro / "Prova_7-.txt", treno_minimo);
        fs::create_directories(lavoro / "uscita");
        if (GetParam().prepara) GetParam().prepara(lavoro.percorso());
    }
    void TearDown() override {
        for (const auto& e : fs::recursive_directory_iterator(lavoro.percorso()))
            fs::permissions(e.path(), fs::perms::owner_all);
    }

    Risposta chiedi(const std::string& argomenti) const { return chiedi_in(lavoro.percorso(), altrove.percorso(), argomenti); }

    CartellaTemporanea lavoro;
    CartellaTemporanea altrove;
};

TEST_P(GuastiDiFile, NameTheFullPathAndTheSystemsNumberAndText) {
    const CasoGuasto& caso = GetParam();
    const std::error_code codice = codice_di_sistema(std::make_error_code(caso.motivo));
    const std::string pieno = (fs::canonical(lavoro.percorso()) / caso.file).lexically_normal().string();
    // dump and plot say first what they could not do with their input.
    const std::string parole = caso.oggetto_json ? "" : "impossibile leggere il file: ";
    const std::string atteso = pieno + ": " + parole + "errore " + std::to_string(codice.value()) + ": ";
    const std::string testo = testo_errore_sistema(codice);

    const Risposta r = chiedi(caso.argomenti + (caso.oggetto_json ? " --json" : ""));
    EXPECT_EQ(r.stato, 4) << r.errori;
    EXPECT_NE(r.errori.find(atteso + testo), std::string::npos) << r.errori << "expected: " << atteso << testo;
    if (!caso.oggetto_json) return;
    ASSERT_EQ(difetti_json(r), "");
    const auto j = nlohmann::json::parse(righe_di(r.uscita).at(0));
    const auto attesa = nlohmann::json{{"file", pieno}, {"codice", codice.value()}, {"messaggio", testo},
                                       {"spiegazione", nullptr}};
    EXPECT_EQ(j["guasto_file"], attesa) << r.uscita;
}

INSTANTIATE_TEST_SUITE_P(
    Casi, GuastiDiFile,
    ::testing::Values(
        CasoGuasto{"CompileMissingTrain", "compile Prova_linea.txt Prova_8-.txt --route Prova --train 7 -o uscita",
                   std::errc::no_such_file_or_directory, "Prova_8-.txt", true},
        CasoGuasto{"CheckMissingLine", "check ./Assente_linea.txt Prova_7-.txt --route Prova --train 7",
                   std::errc::no_such_file_or_directory, "Assente_linea.txt", true},
        CasoGuasto{"CompileTrainIsAFolder", "compile Prova_linea.txt uscita --route Prova --train 7 -o uscita",
                   std::errc::is_a_directory, "uscita", true},
        CasoGuasto{"CompileOverReadOnlyOlderTable", "compile Prova_linea.txt Prova_7-.txt -o uscita",
                   std::errc::permission_denied, "uscita/Prova_7.sim", true, tabella_in_sola_lettura},
        CasoGuasto{"CompileOverAFolder", "compile Prova_linea.txt Prova_7-.txt -o uscita", std::errc::is_a_directory,
                   "uscita/Prova_7.sim", true, cartella_al_posto_della_tabella},
        CasoGuasto{"DumpMissingFile", "dump Assente_1.dat", std::errc::no_such_file_or_directory, "Assente_1.dat",
                   false},
        CasoGuasto{"DumpAFolder", "dump Prova_7.dat", std::errc::is_a_directory, "Prova_7.dat", false,
                   cartella_al_posto_delle_celle},
        CasoGuasto{"PlotMissingInput", "plot Assente_1.dat -o linea.html", std::errc::no_such_file_or_directory,
                   "Assente_1.dat", false}),
    [](const auto& info) { return std::string(info.param.nome); });

// No failure, no object: "guasto_file" is null.
TEST(GuastoFileJson, IsNullWhenNothingFailed) {
    CartellaTemporanea lavoro;
    scrivi_file(lavoro / "Prova_linea.txt", linea_minima);
    scrivi_file(lavoro / "Prova_7-.txt", treno_minimo);
    const Risposta r = chiedi_a_scenario(
        "check " + tra_virgolette(lavoro / "Prova_linea.txt") + " " + tra_virgolette(lavoro / "Prova_7-.txt") + " --json",
        lavoro.percorso());
    ASSERT_EQ(difetti_json(r), "");
    EXPECT_TRUE(nlohmann::json::parse(righe_di(r.uscita).at(0))["guasto_file"].is_null()) << r.uscita;
}

#ifndef _WIN32
// The system's words come in the person's language, though the program's own
// are Italian anyway; the machine must have the Italian locale.
TEST(GuastoFileInItaliano, SaysTheSystemsTextInTheUsersLanguage) {
    const locale_t italiano = newlocale(LC_ALL_MASK, "it_IT.UTF-8", locale_t{});
    if (italiano == locale_t{}) GTEST_SKIP() << "no it_IT.UTF-8 locale on this machine (locale -a)";
    freelocale(italiano);
    CartellaTemporanea lavoro;
    scrivi_file(lavoro / "Prova_linea.txt", linea_minima);
    scrivi_file(lavoro / "Prova_7-.txt", treno_minimo);
    scrivi_file(lavoro / "Prova_7.sim", "vecchia");
    fs::permissions(lavoro / "Prova_7.sim", fs::perms::owner_read);
    CartellaTemporanea altrove;
    const std::string ambiente = "LANGUAGE= LC_ALL=it_IT.UTF-8 ";

    const Risposta manca = chiedi_in(lavoro.percorso(), altrove.percorso(),
                                     "check Prova_linea.txt Prova_8-.txt --route Prova --train 8", ambiente);
    EXPECT_NE(manca.errori.find("/Prova_8-.txt: errore 2: File o directory non esistente"), std::string::npos)
        << manca.errori;

    const Risposta bloccato =
        chiedi_in(lavoro.percorso(), altrove.percorso(), "compile Prova_linea.txt Prova_7-.txt --json", ambiente);
    EXPECT_NE(bloccato.errori.find("/Prova_7.sim: errore 13: Permesso negato"), std::string::npos)
        << bloccato.errori;
    EXPECT_EQ(difetti_json(bloccato), "");
    fs::permissions(lavoro / "Prova_7.sim", fs::perms::owner_all);
}
#endif

}  // namespace
}  // namespace scenario::test
