// The built-in scenario's eight files, byte for byte against the copies kept
// in tests/attesi (the 2 MB line geometry by its SHA-256): any change to an
// output byte shows here first, with the file it touched.
#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <map>
#include <string>

#include "app/form1.h"
#include "compiler/archivio_memoria.h"
#include "tests/app/messaggi_registrati.h"
#include "tests/supporto/file_attesi.h"
#include "tests/supporto/sha256.h"

namespace scenario::test {
namespace {

// The geometry of the built-in line, as sha256sum prints it.
constexpr std::string_view sha256_geometria = "9a3b1891674d049c186e2518bbc7a9aa51681c7069cc7d5ec54bdf7ecd6571bc";

class FinestraMuta final : public Finestra {
    void mostra() override {}
    void ridisegna() override {}
    void distruggi() override {}
};

// Every file the run wrote, as last written: the source texts too, which the
// compiler deletes once it has read them.
std::map<std::string, std::string> scritti_da_una_corsa() {
    struct ArchivioCheRicorda final : Archivio {
        ArchivioMemoria memoria;
        std::map<std::string, std::string> ultimi;
        bool esiste(const std::string& nome) override { return memoria.esiste(nome); }
        std::optional<std::string> leggi(const std::string& nome) override { return memoria.leggi(nome); }
        void elimina(const std::string& nome) override { memoria.elimina(nome); }
        void scrivi(const std::string& nome, std::string_view dati) override {
            memoria.scrivi(nome, dati);
            ultimi[nome] = std::string(dati);
        }
    } archivio;
    FinestraMuta finestra;
    MessaggiRegistrati messaggi;
    Form1 form(finestra, archivio, messaggi);
    EXPECT_EQ(form.Form_Load(), FineCorsa::completata);
    return archivio.ultimi;
}

const std::map<std::string, std::string>& scritti() {
    static const auto file = scritti_da_una_corsa();
    return file;
}

struct FileAtteso {
    std::string nome;
};
void PrintTo(const FileAtteso& f, std::ostream* os) { *os << f.nome; }

class FileAttesi : public ::testing::TestWithParam<FileAtteso> {};

TEST_P(FileAttesi, MatchesTheCheckedInCopyByteForByte) {
    const std::string& nome = GetParam().nome;
    ASSERT_TRUE(scritti().contains(nome)) << nome << " was not written";
    const std::string atteso = file_atteso(nome);
    ASSERT_FALSE(atteso.empty()) << "no checked-in copy of " << nome;
    const std::string& trovato = scritti().at(nome);
    ASSERT_EQ(trovato.size(), atteso.size()) << nome;
    const auto diversi = std::mismatch(trovato.begin(), trovato.end(), atteso.begin());
    EXPECT_TRUE(diversi.first == trovato.end()) << nome << ": first different byte at offset "
                                                << (diversi.first - trovato.begin());
}

INSTANTIATE_TEST_SUITE_P(
    ScenarioIncorporato, FileAttesi,
    ::testing::Values(FileAtteso{"Vordano_Seli_linea.txt"}, FileAtteso{"Vordano_Seli_4936-.txt"},
                      FileAtteso{"Vordano_Seli_4936_note.txt"}, FileAtteso{"Vordano_Seli_4936_rallentamenti.txt"},
                      FileAtteso{"Vordano_Seli_4936_scheda_treno.txt"}, FileAtteso{"Vordano_Seli_4936.sim"},
                      FileAtteso{"Vordano_Seli_4936.dat"}),
    [](const auto& info) {
        std::string nome = info.param.nome;
        std::ranges::replace_if(nome, [](char c) { return !std::isalnum(static_cast<unsigned char>(c)); }, '_');
        return nome;
    });

TEST(FileAttesi, LineGeometryMatchesItsDigest) {
    ASSERT_TRUE(scritti().contains("Vordano_Seli_linea.dat"));
    EXPECT_EQ(sha256(scritti().at("Vordano_Seli_linea.dat")), sha256_geometria);
}

TEST(Sha256, KnownDigests) {
    EXPECT_EQ(sha256(""), "e3b0c44298fc1c149afbf4c8996fb92427ae41e4649b934ca495991b7852b855");
    EXPECT_EQ(sha256("abc"), "ba7816bf8f01cfea414140de5dae2223b00361a396177a9cb410ff61f20015ad");
    EXPECT_EQ(sha256(std::string(1000, 'a')), "41edece42d63e8d9bf515a9ba6932e1c20cbc9f5a5d134645adb5db1b9737ea3");
}

}  // namespace
}  // namespace scenario::test
