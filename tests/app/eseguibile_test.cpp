// The builder as a person starts it: a copy of the program in its own folder.
#include <gtest/gtest.h>

#include <filesystem>

#include "platform/testo_errore.h"
#include "tests/supporto/archivio_temporaneo.h"
#include "tests/supporto/esegui.h"

namespace scenario {
namespace {

namespace fs = std::filesystem;
using test::CartellaTemporanea;
using test::esegui;
using test::leggi_file;
using test::nomi_in;
using test::tra_virgolette;

class EseguibileTest : public ::testing::Test {
protected:
    void SetUp() override {
        programma = cartella / fs::path(CREA_SCENARIO_EXE).filename().string();
        fs::copy_file(CREA_SCENARIO_EXE, programma);
    }
    // Runs it from another folder: files must land beside the program anyway.
    int avvia() { return esegui(test::entra_in(altrove.percorso()) + tra_virgolette(programma), errori); }

    CartellaTemporanea cartella;
    CartellaTemporanea altrove;
    fs::path programma;
    fs::path errori = altrove / "stderr.txt";
};

TEST_F(EseguibileTest, FilesLandBesideTheProgramNotInTheCurrentFolder) {
    ASSERT_EQ(avvia(), 0) << leggi_file(errori);
    EXPECT_EQ(nomi_in(altrove.percorso()), std::vector<std::string>{"stderr.txt"});
    EXPECT_TRUE(fs::exists(cartella / "Vordano_Seli_4936_scheda_treno.txt"));
    EXPECT_NE(leggi_file(errori).find("Attendere"), std::string::npos);
}

TEST_F(EseguibileTest, TwoRunsGiveByteIdenticalFiles) {
    ASSERT_EQ(avvia(), 0);
    std::map<std::string, std::string> prima;
    for (const auto& nome : nomi_in(cartella.percorso())) prima[nome] = leggi_file(cartella / nome);
    ASSERT_EQ(avvia(), 0);
    for (const auto& [nome, dati] : prima) EXPECT_EQ(leggi_file(cartella / nome), dati) << nome;
}

TEST_F(EseguibileTest, ARunTimeFailureIsReportedWithANumberAndEndsTheRun) {
    const fs::path bloccato = cartella / "Vordano_Seli_4936-.txt";
    test::scrivi_file(bloccato, "old");
    fs::permissions(bloccato, fs::perms::owner_read);

    EXPECT_EQ(avvia(), 4);

    // The system's number (13 here, 5 on Windows), the file's full path, the system's text.
    const std::error_code codice = codice_di_sistema(std::make_error_code(std::errc::permission_denied));
    const std::string atteso = "Errore di esecuzione " + std::to_string(codice.value()) + ": " +
                               (fs::canonical(cartella.percorso()) / bloccato.filename()).string() + ": " +
                               testo_errore_sistema(codice);
    const std::string rapporto = leggi_file(errori);
    EXPECT_NE(rapporto.find(atteso), std::string::npos) << rapporto << "expected: " << atteso;
    EXPECT_EQ(leggi_file(bloccato), "old");
    EXPECT_TRUE(fs::exists(cartella / "Vordano_Seli_linea.txt")) << "completed before the failure";
    EXPECT_FALSE(fs::exists(cartella / "Vordano_Seli_4936_note.txt")) << "no later step runs";
}

// Arguments are answered at once: no window, no file, whatever they are.
struct CasoArgomenti {
    const char* nome;
    const char* argomenti;
    int stato;
    const char* testo;  // expected on standard output (status 0) or standard error
};

void PrintTo(const CasoArgomenti& c, std::ostream* os) { *os << c.nome; }

class ArgomentiTest : public EseguibileTest, public ::testing::WithParamInterface<CasoArgomenti> {};

TEST_P(ArgomentiTest, AreAnsweredAndNothingIsWritten) {
    const CasoArgomenti& caso = GetParam();
    const fs::path uscita = altrove / "stdout.txt";
    const int stato = test::esegui(test::entra_in(altrove.percorso()) + tra_virgolette(programma) + " " +
                                       caso.argomenti + " > " + tra_virgolette(uscita),
                                   errori);
    EXPECT_EQ(stato, caso.stato);
    const std::string testo = leggi_file(caso.stato == 0 ? uscita : errori);
    EXPECT_NE(testo.find(caso.testo), std::string::npos) << testo;
    EXPECT_EQ(leggi_file(errori).find("Attendere"), std::string::npos) << "no window";
    EXPECT_EQ(nomi_in(cartella.percorso()), std::vector<std::string>{programma.filename().string()});
}

INSTANTIATE_TEST_SUITE_P(Casi, ArgomentiTest,
                         ::testing::Values(CasoArgomenti{"Help", "--help", 0, "Uso: crea_scenario"},
                                           CasoArgomenti{"ShortHelp", "-h", 0, "Stato di uscita"},
                                           CasoArgomenti{"Version", "--version", 0, "crea_scenario 1."},
                                           CasoArgomenti{"Unknown", "--bogus", 2, "argomento non previsto: --bogus"},
                                           CasoArgomenti{"AWord", "Vordano", 2, "Uso: crea_scenario"},
                                           CasoArgomenti{"HelpAndMore", "--help x", 2, "Per l'aiuto"}),
                         [](const auto& info) { return std::string(info.param.nome); });

}  // namespace
}  // namespace scenario
