// The builder as a person starts it: a copy of the program in its own folder.
#include <gtest/gtest.h>

#include <filesystem>

#include "tests/app/archivio_temporaneo.h"
#include "tests/app/esegui.h"

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

    const std::string rapporto = leggi_file(errori);
    EXPECT_NE(rapporto.find("Errore di esecuzione 13"), std::string::npos) << rapporto;
    EXPECT_NE(rapporto.find("Vordano_Seli_4936-.txt"), std::string::npos) << rapporto;
    EXPECT_EQ(leggi_file(bloccato), "old");
    EXPECT_TRUE(fs::exists(cartella / "Vordano_Seli_linea.txt")) << "completed before the failure";
    EXPECT_FALSE(fs::exists(cartella / "Vordano_Seli_4936_note.txt")) << "no later step runs";
}

}  // namespace
}  // namespace scenario
