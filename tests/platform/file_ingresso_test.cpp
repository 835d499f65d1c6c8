// A person's input file: read whole when it is a regular file within the
// limit; anything else refused with the system's number and, where the number
// alone would not say it, words.
#include <gtest/gtest.h>

#include <filesystem>
#include <system_error>

#ifndef _WIN32
#include <sys/stat.h>
#endif

#include "platform/file_ingresso.h"
#include "platform/guasto_file.h"
#include "platform/testo_errore.h"
#include "tests/supporto/archivio_temporaneo.h"

namespace scenario {
namespace {

namespace fs = std::filesystem;
using test::CartellaTemporanea;
using test::scrivi_file;

TEST(FileIngresso, ARegularFileUpToTheLimitIsReadWhole) {
    CartellaTemporanea c;
    const std::string dati("a\r\nb\0\xFF", 6);
    scrivi_file(c / "t.txt", dati);
    EXPECT_EQ(leggi_file_ingresso(c / "t.txt", 6), dati);
    scrivi_file(c / "vuoto.txt", "");
    EXPECT_EQ(leggi_file_ingresso(c / "vuoto.txt", 6), "");
}

struct CasoRifiuto {
    const char* descrizione;
    void (*prepara)(const fs::path& p);  // makes whatever sits at p
    std::errc numero;
    const char* parole;  // our words after the system's, or "" for none
};

void PrintTo(const CasoRifiuto& c, std::ostream* os) { *os << c.descrizione; }

void niente(const fs::path&) {}
void cartella(const fs::path& p) { fs::create_directory(p); }
void uno_di_troppo(const fs::path& p) { scrivi_file(p, "1234567"); }
void grande_e_rado(const fs::path& p) {
    scrivi_file(p, "");
    fs::resize_file(p, (std::uintmax_t{1} << 32) + 1);  // sparse: no disk needed
}

class Rifiuti : public ::testing::TestWithParam<CasoRifiuto> {};

TEST_P(Rifiuti, AreFileFailuresWithTheSystemsNumber) {
    CartellaTemporanea c;
    const fs::path p = c / "ingresso";
    GetParam().prepara(p);
    try {
        leggi_file_ingresso(p, 6);
        ADD_FAILURE() << "read";
    } catch (const GuastoFile& e) {
        EXPECT_EQ(e.code().value(), codice_di_sistema(std::make_error_code(GetParam().numero)).value());
        EXPECT_EQ(e.percorso(), p);
        EXPECT_EQ(e.spiegazione(), GetParam().parole);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Casi, Rifiuti,
    ::testing::Values(
        CasoRifiuto{"missing", niente, std::errc::no_such_file_or_directory, ""},
        CasoRifiuto{"a folder", cartella, std::errc::is_a_directory, ""},
        CasoRifiuto{"one byte over", uno_di_troppo, std::errc::file_too_large, "supera il limite di 6 byte"},
        CasoRifiuto{"far over", grande_e_rado, std::errc::file_too_large, "supera il limite di 6 byte"}),
    [](const auto& info) {
        std::string nome;
        for (const char ch : std::string(info.param.descrizione)) nome += std::isalnum(static_cast<unsigned char>(ch)) ? ch : '_';
        return nome;
    });

TEST(FileIngresso, TheLimitIsSaidInMebibytesWhenItIsWhole) {
    EXPECT_EQ(spiegazione_limite(std::size_t{64} << 20), "supera il limite di 64 MiB");
}

#ifndef _WIN32
// Devices and pipes are not texts; a pipe without a writer must not hang.
TEST(FileIngresso, DevicesAndPipesAreRefusedAtOnce) {
    CartellaTemporanea c;
    ASSERT_EQ(mkfifo((c / "tubo").c_str(), 0600), 0);
    for (const fs::path& p : {fs::path("/dev/zero"), c / "tubo"}) {
        try {
            leggi_file_ingresso(p, 1 << 20);
            ADD_FAILURE() << p;
        } catch (const GuastoFile& e) {
            EXPECT_EQ(e.code(), std::errc::invalid_argument) << p;
            EXPECT_EQ(e.spiegazione(), spiegazione_non_regolare) << p;
        }
    }
}
#endif

}  // namespace
}  // namespace scenario
