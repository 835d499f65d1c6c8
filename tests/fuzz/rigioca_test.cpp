// Every seed and every input that once broke the compiler, run again through
// the same compile and rules as the fuzzer: what was fixed stays fixed.
#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <vector>

#include "tests/fuzz/compila_ingresso.h"

namespace scenario::fuzz {
namespace {

namespace fs = std::filesystem;

// One input file; a test shows it by its name alone, wherever the checkout is.
struct FileIngresso {
    fs::path percorso;
};
void PrintTo(const FileIngresso& f, std::ostream* os) { *os << f.percorso.filename().string(); }

// The files of a folder in name order; none when the folder is missing.
std::vector<FileIngresso> file_in(const char* cartella) {
    std::vector<FileIngresso> file;
    std::error_code errore;
    for (const auto& voce : fs::directory_iterator(cartella, errore)) {
        if (voce.is_regular_file()) file.push_back({voce.path()});
    }
    std::ranges::sort(file, {}, &FileIngresso::percorso);
    return file;
}

// A test name from a file name: letters and digits kept, everything else "_".
std::string nome_di(const ::testing::TestParamInfo<FileIngresso>& info) {
    std::string nome = info.param.percorso.filename().string();
    std::ranges::replace_if(nome, [](char c) { return !std::isalnum(static_cast<unsigned char>(c)); }, '_');
    return nome;
}

std::string contenuto(const fs::path& percorso) {
    std::ifstream in(percorso, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// What a seed's name promises: "guasto_N" records fault N, "errore_N" stops
// with the fatal error N, any other name compiles without a fault.
struct Promessa {
    Esito esito = Esito::completato;
    std::int32_t codice = 0;
};

Promessa promessa_di(const std::string& nome) {
    if (nome.starts_with("guasto_")) return {Esito::completato, std::stoi(nome.substr(7))};
    if (nome == "errore_1250") return {Esito::errore_1250, 0};
    if (nome == "errore_1251") return {Esito::errore_1251, 0};
    return {};
}

class Rigioca : public ::testing::TestWithParam<FileIngresso> {};

TEST_P(Rigioca, KeepsEveryRule) {
    const fs::path& file = GetParam().percorso;
    ASSERT_TRUE(fs::is_regular_file(file)) << file;
    EXPECT_EQ(compila_e_verifica(contenuto(file)), "") << file;
}

INSTANTIATE_TEST_SUITE_P(Semi, Rigioca, ::testing::ValuesIn(file_in(CARTELLA_SEMI)), nome_di);
INSTANTIATE_TEST_SUITE_P(Regressioni, Rigioca, ::testing::ValuesIn(file_in(CARTELLA_REGRESSIONI)), nome_di);

class Seme : public ::testing::TestWithParam<FileIngresso> {};

// One small seed per fault number: each must reach the fault it is named after.
TEST_P(Seme, EndsAsItsNameSays) {
    const std::string dati = contenuto(GetParam().percorso);
    const Esecuzione e = compila_ingresso(dati);
    const Promessa p = promessa_di(GetParam().percorso.filename().string());
    EXPECT_EQ(e.esito, p.esito);
    EXPECT_EQ(e.s.codice_errore, p.codice);
}

INSTANTIATE_TEST_SUITE_P(Semi, Seme, ::testing::ValuesIn(file_in(CARTELLA_SEMI)), nome_di);

// A folder that cannot be read would leave the tests above quietly empty.
TEST(Cartelle, HoldInputs) {
    EXPECT_FALSE(file_in(CARTELLA_SEMI).empty()) << CARTELLA_SEMI;
    EXPECT_FALSE(file_in(CARTELLA_REGRESSIONI).empty()) << CARTELLA_REGRESSIONI;
}

}  // namespace
}  // namespace scenario::fuzz
