// The builder itself, started as a person starts it, on a disk that fails in
// real ways: status 4, a report naming the number and the file, and no file
// lost or cut short, the compiled files all old or all new. Linux only
// (a file size limit, a folder under a file's name).
#ifndef _WIN32

#include <gtest/gtest.h>
#include <sys/wait.h>

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <filesystem>
#include <optional>
#include <vector>

#include "platform/testo_errore.h"
#include "tests/supporto/archivio_temporaneo.h"
#include "tests/app/avvio.h"
#include "tests/app/corsa_registrata.h"

namespace scenario::test {
namespace {

namespace fs = std::filesystem;

struct CasoDisco {
    const char* descrizione;
    void (*guasta)(const fs::path& cartella);  // turns a folder of older files into a failing one
    std::optional<std::uintmax_t> limite_file;  // the largest file the run may write
    int numero;
    const char* file;  // the file the run stops at
};

void PrintTo(const CasoDisco& caso, std::ostream* os) { *os << caso.descrizione; }

void niente(const fs::path&) {}

// A folder holds the scenario table's name: the new table cannot take it.
void tabella_occupata(const fs::path& c) {
    fs::remove(c / "Vordano_Seli_4936.sim");
    fs::create_directory(c / "Vordano_Seli_4936.sim");
    scrivi_file(c / "Vordano_Seli_4936.sim" / "dentro.txt", "x");
}

class EseguibileSuDiscoGuasto : public ::testing::TestWithParam<CasoDisco> {
protected:
    void SetUp() override {
        programma = cartella / nome_programma;
        fs::copy_file(CREA_SCENARIO_EXE, programma);
    }

    const std::string nome_programma = fs::path(CREA_SCENARIO_EXE).filename().string();
    CartellaTemporanea cartella;
    CartellaTemporanea altrove;
    fs::path programma;
    fs::path errori = altrove / "stderr.txt";
};

TEST_P(EseguibileSuDiscoGuasto, EndsWithStatus4AndTheFilesBeforeTheFailureOnly) {
    static const Riferimento rif = corsa_di_riferimento();
    const CasoDisco& caso = GetParam();
    prepara_vecchi(cartella.percorso());
    caso.guasta(cartella.percorso());
    const Istantanea partenza = istantanea(cartella.percorso(), nome_programma);

    Avvio avvio;
    avvio.limite_file = caso.limite_file;
    const int stato = attendi(avvia(programma, errori, avvio));

    ASSERT_TRUE(WIFEXITED(stato)) << "status " << stato;
    EXPECT_EQ(WEXITSTATUS(stato), 4);
    const std::string rapporto = leggi_file(errori);
    const std::string atteso = "Errore di esecuzione " + std::to_string(caso.numero) + ": " +
                               (fs::canonical(cartella.percorso()) / caso.file).string() + ": " +
                               testo_errore_sistema({caso.numero, std::generic_category()});
    EXPECT_NE(rapporto.find(atteso), std::string::npos) << rapporto << "expected: " << atteso;
    const std::size_t c = scrittura_di(rif.chiamate, caso.file);
    EXPECT_EQ(differenze(dopo_le_chiamate(partenza, rif.chiamate, c), istantanea(cartella.percorso(), nome_programma)),
              "");
    EXPECT_EQ(temporanei_in(cartella.percorso()), std::vector<std::string>{});
}

INSTANTIATE_TEST_SUITE_P(
    Casi, EseguibileSuDiscoGuasto,
    // The texts are a few kilobytes, the compiled cells 30 kB, the geometry 2 MB.
    ::testing::Values(CasoDisco{"the first text is too large", niente, 1000, EFBIG, "Vordano_Seli_linea.txt"},
                      CasoDisco{"the geometry is too large", niente, 100000, EFBIG, "Vordano_Seli_linea.dat"},
                      CasoDisco{"a folder holds the table's name", tabella_occupata, std::nullopt, EISDIR,
                                "Vordano_Seli_4936.sim"}),
    [](const auto& info) {
        std::string nome = info.param.descrizione;
        std::ranges::replace_if(nome, [](char ch) { return !std::isalnum(static_cast<unsigned char>(ch)); }, '_');
        return nome;
    });

}  // namespace
}  // namespace scenario::test

#endif
