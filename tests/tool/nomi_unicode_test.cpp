// Names beyond ASCII, as the tool meets them: folders and texts named in any
// script, a route or train typed with accents. Inside the scenario they are
// Windows-1252; on disk, on the console and in JSON, the same characters.
#include <gtest/gtest.h>

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include <nlohmann/json.hpp>

#include "tests/supporto/archivio_temporaneo.h"
#include "tests/supporto/esegui.h"

namespace scenario {
namespace {

namespace fs = std::filesystem;
using test::CartellaTemporanea;
using test::da_utf8;
using test::leggi_file;
using test::nomi_in;
using test::scrivi_file;
using test::tra_virgolette;

const std::string linea_minima = "[generale]\r\nlunghezza percorso, 5000\r\n[fine]\r\n";
const std::string treno_minimo = "[generale]\r\n[fine]\r\n";

struct Caso {
    const char* nome;
    std::string cartella;            // holds both texts; made inside the scratch folder
    std::string linea;               // the texts' file names
    std::string treno;
    std::string opzioni;             // --route, --train
    int stato;
    std::vector<std::string> file;   // "files" of the JSON, as named on disk
    std::string percorso_1252;       // the route as the table must hold it; empty: nothing written
    std::string fuori;               // the character a refusal names
};

void PrintTo(const Caso& c, std::ostream* os) { *os << c.nome; }

const Caso casi[] = {
    {"AccentedNamesGiveTheRoute", "Città è", "Città_linea.txt", "Città_7-.txt", "", 0,
     {"Città_linea.dat", "Città_7.sim", "Città_7.dat"}, "Citt\xE0", ""},
    {"RouteOptionWithAccent", "cartella", "Prova_linea.txt", "Prova_7-.txt", "--route Città --train 7", 0,
     {"Città_linea.dat", "Città_7.sim", "Città_7.dat"}, "Citt\xE0", ""},
    {"RightQuoteIsByte92", "L’Aquila", "L’Aquila_linea.txt", "L’Aquila_5-.txt", "", 0,
     {"L’Aquila_linea.dat", "L’Aquila_5.sim", "L’Aquila_5.dat"}, "L\x92" "Aquila", ""},
    {"EuroAndLigatureFitToo", "x", "a_linea.txt", "a_1-.txt", "--route \"€ œ\" --train Ž1", 0,
     {"€ œ_linea.dat", "€ œ_Ž1.sim", "€ œ_Ž1.dat"}, "\x80 \x9C", ""},
    {"CyrillicFolderAndFilesWithRouteGiven", "Маршрут", "Мир_linea.txt", "Мир_7-.txt", "--route Prova --train 7",
     0,
     {"Prova_linea.dat", "Prova_7.sim", "Prova_7.dat"}, "Prova", ""},
    {"CyrillicRouteFromTheFileNameIsRefused", "Маршрут", "Мир_linea.txt", "Мир_7-.txt", "", 2, {}, "",
     "\"М\""},
    {"CyrillicRouteOptionIsRefused", "x", "Prova_linea.txt", "Prova_7-.txt", "--route Мир --train 7", 2, {}, "",
     "\"М\""},
    {"TrainOutsideWindows1252IsRefused", "x", "Prova_linea.txt", "Prova_7-.txt", "--train №7", 2, {}, "", "\"№\""},
};

class NomiUnicode : public ::testing::TestWithParam<Caso> {
protected:
    CartellaTemporanea lavoro;
};

TEST_P(NomiUnicode, CompileWritesTheSameCharactersOrRefuses) {
    const Caso& c = GetParam();
    const fs::path cartella = lavoro.percorso() / da_utf8(c.cartella);
    const fs::path uscita = lavoro.percorso() / da_utf8("uscita ’ё");
    fs::create_directories(cartella);
    fs::create_directories(uscita);
    scrivi_file(cartella / da_utf8(c.linea), linea_minima);
    scrivi_file(cartella / da_utf8(c.treno), treno_minimo);
    const fs::path out = lavoro / "out.json";
    const fs::path err = lavoro / "err.txt";
    const int stato = test::esegui(tra_virgolette(SCENARIO_EXE) + " compile " +
                                       tra_virgolette(cartella / da_utf8(c.linea)) + " " +
                                       tra_virgolette(cartella / da_utf8(c.treno)) + " " + c.opzioni + " --json -o " +
                                       tra_virgolette(uscita) + " > " + tra_virgolette(out),
                                   err);
    const std::string errori = leggi_file(err);
    EXPECT_EQ(stato, c.stato) << errori;
    const auto json = nlohmann::json::parse(leggi_file(out), nullptr, false);
    ASSERT_TRUE(json.is_object()) << leggi_file(out);
    EXPECT_EQ(json["stato"], c.stato);
    EXPECT_EQ(json["files"], nlohmann::json(c.file));
    std::vector<std::string> attesi = c.file;
    std::ranges::sort(attesi);
    EXPECT_EQ(nomi_in(uscita), attesi);
    if (c.stato == 2) {
        // The refusal names the character's trouble, in the person's own text.
        EXPECT_NE(errori.find("Windows-1252"), std::string::npos) << errori;
        EXPECT_NE(errori.find(c.fuori), std::string::npos) << errori;
        EXPECT_EQ(json["messaggi"].size(), 2u) << errori;
    }
    if (!c.percorso_1252.empty()) {
        const std::string tabella = leggi_file(uscita / da_utf8(c.file[1]));
        EXPECT_NE(tabella.find(c.percorso_1252), std::string::npos);
    }
}

INSTANTIATE_TEST_SUITE_P(Casi, NomiUnicode, ::testing::ValuesIn(casi),
                         [](const auto& info) { return std::string(info.param.nome); });

// Without --json the paths written go to standard output as UTF-8.
TEST(NomiUnicodeTesto, WrittenPathsArePrintedAsUtf8) {
    CartellaTemporanea lavoro;
    const fs::path cartella = lavoro.percorso() / da_utf8("Мир ’");
    fs::create_directories(cartella);
    scrivi_file(cartella / da_utf8("Città_linea.txt"), linea_minima);
    scrivi_file(cartella / da_utf8("Città_7-.txt"), treno_minimo);
    const fs::path out = lavoro / "out.txt";
    const int stato = test::esegui(test::entra_in(cartella) + tra_virgolette(SCENARIO_EXE) +
                                       " compile Città_linea.txt Città_7-.txt --no-geometry > " + tra_virgolette(out),
                                   lavoro / "err.txt");
    EXPECT_EQ(stato, 0) << leggi_file(lavoro / "err.txt");
    const fs::path qui = ".";
    EXPECT_EQ(test::senza_cr(leggi_file(out)),
              test::utf8(qui / da_utf8("Città_7.sim")) + "\n" + test::utf8(qui / da_utf8("Città_7.dat")) + "\n");
}

}  // namespace
}  // namespace scenario
