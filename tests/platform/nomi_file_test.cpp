// File names as UTF-8 text: paths made from it and back, and the endings of
// names matched as the system matches them.
#include <gtest/gtest.h>

#include <filesystem>
#include <optional>
#include <string>

#include "platform/confronto_nomi.h"
#include "platform/percorso_utf8.h"
#include "tests/supporto/archivio_temporaneo.h"

namespace scenario {
namespace {

namespace fs = std::filesystem;

#ifdef _WIN32
constexpr bool senza_maiuscole = true;
#else
constexpr bool senza_maiuscole = false;
#endif

// Any script, and the characters Windows-1252 holds in 0x80..0x9F.
TEST(PercorsoUtf8, NamesOfAnyScriptMakeFilesFoundUnderTheSameText) {
    test::CartellaTemporanea lavoro;
    for (const std::string nome : {"Città_linea.txt", "L’Aquila € œ", "Маршрут", "列車 🚂"}) {
        const fs::path p = lavoro.percorso() / percorso_da_utf8(nome);
        test::scrivi_file(p, nome);
        EXPECT_EQ(utf8_del_nome(p), nome);
        bool trovato = false;
        for (const auto& voce : fs::directory_iterator(lavoro.percorso()))
            trovato = trovato || utf8_del_nome(voce.path()) == nome;
        EXPECT_TRUE(trovato) << nome;
        EXPECT_EQ(test::leggi_file(p), nome);
    }
}

struct Caso {
    const char* nome;
    std::string testo;
    std::string parte;
    std::optional<std::string> resto;  // on Linux; on Windows `resto_windows`
    std::optional<std::string> resto_windows;
};

void PrintTo(const Caso& c, std::ostream* os) { *os << c.nome; }

class FineDelNome : public ::testing::TestWithParam<Caso> {};

TEST_P(FineDelNome, MatchesAsTheFileSystemDoes) {
    const Caso& c = GetParam();
    EXPECT_EQ(nome_senza_fine(c.testo, c.parte), senza_maiuscole ? c.resto_windows : c.resto);
}

INSTANTIATE_TEST_SUITE_P(
    Casi, FineDelNome,
    ::testing::Values(Caso{"stesse", "Vordano_Seli_linea.txt", "_linea.txt", "Vordano_Seli", "Vordano_Seli"},
                      Caso{"maiuscole", "vordano_seli_LINEA.TXT", "_linea.txt", std::nullopt, "vordano_seli"},
                      Caso{"accenti_prima", "CITTÀ_Linea.Txt", "_linea.txt", std::nullopt, "CITTÀ"},
                      Caso{"altra_fine", "Prova.txt", "_linea.txt", std::nullopt, std::nullopt},
                      Caso{"troppo_corto", "a.txt", "_linea.txt", std::nullopt, std::nullopt},
                      Caso{"solo_fine", "-.txt", "-.txt", "", ""}),
    [](const ::testing::TestParamInfo<Caso>& info) { return std::string(info.param.nome); });

class InizioDelNome : public ::testing::TestWithParam<Caso> {};

TEST_P(InizioDelNome, MatchesAsTheFileSystemDoes) {
    const Caso& c = GetParam();
    EXPECT_EQ(nome_senza_inizio(c.testo, c.parte), senza_maiuscole ? c.resto_windows : c.resto);
}

INSTANTIATE_TEST_SUITE_P(
    Casi, InizioDelNome,
    ::testing::Values(Caso{"stesse", "Città_7-.txt", "Città_", "7-.txt", "7-.txt"},
                      Caso{"maiuscole_accentate", "CITTÀ_7-.txt", "Città_", std::nullopt, "7-.txt"},
                      Caso{"altro_percorso", "Altra_7-.txt", "Città_", std::nullopt, std::nullopt}),
    [](const ::testing::TestParamInfo<Caso>& info) { return std::string(info.param.nome); });

}  // namespace
}  // namespace scenario
