// One run of the builder in a scratch folder: which files, in which order,
// what replaces what, and where a run-time failure stops the run.
#include <gtest/gtest.h>

#include <filesystem>
#include <system_error>
#include <vector>

#include "app/form1.h"
#include "compiler/archivio_memoria.h"
#include "platform/archivio_disco.h"
#include "tests/app/messaggi_registrati.h"
#include "tests/supporto/archivio_temporaneo.h"

namespace scenario {
namespace {

namespace fs = std::filesystem;
using test::CartellaTemporanea;
using test::leggi_file;
using test::nomi_in;
using test::scrivi_file;

// Records what the run asks of its window and of its files, in order.
struct Diario {
    std::vector<std::string> eventi;
};

class FinestraSpia final : public Finestra {
public:
    explicit FinestraSpia(Diario& d) : d_(d) {}
    void mostra() override { d_.eventi.push_back("mostra"); }
    void ridisegna() override { d_.eventi.push_back("ridisegna"); }
    void distruggi() override { d_.eventi.push_back("distruggi"); }

private:
    Diario& d_;
};

class ArchivioSpia final : public Archivio {
public:
    ArchivioSpia(Diario& d, const fs::path& cartella) : d_(d), disco_(cartella) {}
    bool esiste(const std::string& nome) override { return disco_.esiste(nome); }
    std::optional<std::string> leggi(const std::string& nome) override { return disco_.leggi(nome); }
    void elimina(const std::string& nome) override {
        d_.eventi.push_back("elimina " + nome);
        disco_.elimina(nome);
    }
    void scrivi(const std::string& nome, std::string_view dati) override {
        d_.eventi.push_back("scrivi " + nome);
        disco_.scrivi(nome, dati);
    }
    void scrivi_insieme(std::span<const FileNuovo> file) override {
        for (const FileNuovo& f : file) d_.eventi.push_back("scrivi " + f.nome);
        disco_.scrivi_insieme(file);
    }

private:
    Diario& d_;
    ArchivioDisco disco_;
};

const std::vector<std::string> testi_della_corsa = {
    "Vordano_Seli_linea.txt",
    "Vordano_Seli_4936-.txt",
    "Vordano_Seli_4936_note.txt",
    "Vordano_Seli_4936_rallentamenti.txt",
    "Vordano_Seli_4936_scheda_treno.txt",
};

class CorsaTest : public ::testing::Test {
protected:
    FineCorsa esegui() {
        FinestraSpia finestra(diario);
        ArchivioSpia archivio(diario, cartella.percorso());
        Form1 form(finestra, archivio, messaggi);
        return form.Form_Load();
    }

    CartellaTemporanea cartella;
    Diario diario;
    test::MessaggiRegistrati messaggi;
};

TEST_F(CorsaTest, WindowIsPaintedBeforeTheFirstFileAndDestroyedAfterTheLast) {
    esegui();
    ASSERT_GE(diario.eventi.size(), 4u);
    EXPECT_EQ(diario.eventi[0], "mostra");
    EXPECT_EQ(diario.eventi[1], "ridisegna");
    EXPECT_EQ(diario.eventi.back(), "distruggi");
    EXPECT_TRUE(messaggi.testi.empty()) << "a clean run shows no message";
}

TEST_F(CorsaTest, TextsAreWrittenInTheRunOrder) {
    esegui();
    std::vector<std::string> scritti;
    for (const auto& e : diario.eventi)
        if (e.rfind("scrivi ", 0) == 0) scritti.push_back(e.substr(7));
    ASSERT_GE(scritti.size(), testi_della_corsa.size());
    EXPECT_EQ(std::vector<std::string>(scritti.begin(), scritti.begin() + 5), testi_della_corsa);
}

TEST_F(CorsaTest, OlderFilesOfTheSameNamesAreReplacedWhole) {
    esegui();
    std::map<std::string, std::string> prima;
    for (const auto& nome : nomi_in(cartella.percorso())) prima[nome] = leggi_file(cartella / nome);

    for (const auto& [nome, dati] : prima) scrivi_file(cartella / nome, std::string(dati.size() + 5000, 'Z'));
    for (const auto& nome : testi_della_corsa) scrivi_file(cartella / nome, std::string(9000, 'Z'));
    esegui();

    for (const auto& [nome, dati] : prima) EXPECT_EQ(leggi_file(cartella / nome), dati) << nome;
    EXPECT_EQ(nomi_in(cartella.percorso()).size(), prima.size()) << "no file left over, no temporary file";
}

TEST_F(CorsaTest, AReadOnlyOlderDocumentStopsTheRunAtThatDocument) {
    const fs::path bloccato = cartella / "Vordano_Seli_4936_rallentamenti.txt";
    scrivi_file(bloccato, "old");
    fs::permissions(bloccato, fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);

    EXPECT_THROW(esegui(), std::system_error);

    EXPECT_EQ(leggi_file(bloccato), "old");
    EXPECT_FALSE(fs::exists(cartella / "Vordano_Seli_4936_scheda_treno.txt")) << "no later step runs";
    EXPECT_TRUE(fs::exists(cartella / "Vordano_Seli_4936_note.txt"));
    EXPECT_TRUE(fs::exists(cartella / "Vordano_Seli_linea.txt")) << "the run stopped before compiling";
    EXPECT_TRUE(fs::exists(cartella / "Vordano_Seli_4936-.txt"));
    EXPECT_EQ(diario.eventi.back(), "scrivi Vordano_Seli_4936_rallentamenti.txt");
}

}  // namespace
}  // namespace scenario

namespace scenario {
namespace {

// The texts as the compiler reads them back, one line of the train text
// changed on the way: the builder's run as it goes with a scenario fault.
class ArchivioRitoccato final : public Archivio {
public:
    bool esiste(const std::string& nome) override { return memoria_.esiste(nome); }
    std::optional<std::string> leggi(const std::string& nome) override {
        auto testo = memoria_.leggi(nome);
        if (testo && nome == "Vordano_Seli_4936-.txt") {
            const std::size_t k = testo->find("segnale,    8300,");
            testo->replace(k, 17, "segnale,    9360,");
        }
        return testo;
    }
    void elimina(const std::string& nome) override { memoria_.elimina(nome); }
    void scrivi(const std::string& nome, std::string_view dati) override { memoria_.scrivi(nome, dati); }

private:
    ArchivioMemoria memoria_;
};

class Muta final : public Finestra {
    void mostra() override {}
    void ridisegna() override {}
    void distruggi() override {}
};

TEST(CorsaConGuasto, ShowsTheReportInItsOneBoxAndEndsWithAFault) {
    Muta finestra;
    ArchivioRitoccato archivio;
    test::MessaggiRegistrati messaggi;
    Form1 form(finestra, archivio, messaggi);
    EXPECT_EQ(form.Form_Load(), FineCorsa::guasto_registrato);
    ASSERT_EQ(messaggi.testi.size(), 1u);
    const std::string& box = messaggi.testi.front();
    EXPECT_EQ(box.substr(0, box.find('\n')),
              "Vordano_Seli_4936-.txt:62:13: errore 16: segnale su una cella già occupata (metro 9350)");
    EXPECT_NE(box.find("contiene già il segnale di Vordano_Seli_4936-.txt:61"), std::string::npos) << box;
    // A box's font is not fixed-width: the field is marked in its line, no caret under it.
    EXPECT_NE(box.find("\n    segnale,    >>9350<<,   2, 4, 1,"), std::string::npos) << box;
    EXPECT_EQ(box.find('^'), std::string::npos) << box;
}

}  // namespace
}  // namespace scenario
