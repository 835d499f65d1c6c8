// `scenario decompile`, run as a person runs it: the three-command round
// trip, what it writes, what it lists, and what it never touches.
#include <gtest/gtest.h>

#include <filesystem>

#include "tests/supporto/archivio_temporaneo.h"
#include "tests/supporto/esegui.h"

namespace scenario {
namespace {

namespace fs = std::filesystem;
using test::CartellaTemporanea;
using test::esegui;
using test::leggi_file;
using test::nomi_in;
using test::scrivi_file;
using test::tra_virgolette;

const std::string scenario_exe = tra_virgolette(SCENARIO_EXE);

struct Esito {
    int stato;
    std::string uscita;  // standard output
    std::string errori;
};

class DecompileTest : public ::testing::Test {
protected:
    // The built-in scenario compiled into `compilati`, as a person would make it.
    void SetUp() override {
        ASSERT_EQ(scenario("sources " + tra_virgolette(lavoro / "src")).stato, 0);
        ASSERT_EQ(scenario("compile " + tra_virgolette(lavoro / "src/Vordano_Seli_linea.txt") + " " +
                           tra_virgolette(lavoro / "src/Vordano_Seli_4936-.txt") + " -o " +
                           tra_virgolette(compilati.percorso()))
                      .stato,
                  0);
    }

    Esito scenario(const std::string& argomenti) {
        const fs::path out = lavoro / "out.txt";
        const fs::path err = lavoro / "err.txt";
        const int stato = esegui(scenario_exe + " " + argomenti + " > " + tra_virgolette(out), err);
        return {stato, test::senza_cr(leggi_file(out)), test::senza_cr(leggi_file(err))};
    }

    Esito decompila(const std::string& ingressi, const std::string& altro = "") {
        return scenario("decompile " + ingressi + " -o " + tra_virgolette(testi.percorso()) + altro);
    }

    std::string compilati_q() const { return tra_virgolette(compilati.percorso()); }

    CartellaTemporanea lavoro;
    CartellaTemporanea compilati;
    CartellaTemporanea testi;
};

// The README's example: decompile, compile, the same bytes.
TEST_F(DecompileTest, TheRoundTripOfTheBuiltInScenarioGivesTheSameThreeFiles) {
    const Esito e = decompila(compilati_q());
    ASSERT_EQ(e.stato, 0) << e.errori;
    EXPECT_NE(e.errori.find("andata e ritorno esatta"), std::string::npos) << e.errori;
    EXPECT_EQ(nomi_in(testi.percorso()), (std::vector<std::string>{"Vordano_Seli_4936-.txt", "Vordano_Seli_linea.txt"}));
    EXPECT_EQ(e.uscita, (testi / "Vordano_Seli_linea.txt").string() + "\n" + (testi / "Vordano_Seli_4936-.txt").string() + "\n");
    const Esito c = scenario("compile " + tra_virgolette(testi / "Vordano_Seli_linea.txt") + " " +
                             tra_virgolette(testi / "Vordano_Seli_4936-.txt") + " -o " + tra_virgolette(testi.percorso()));
    ASSERT_EQ(c.stato, 0) << c.errori;
    for (const char* nome : {"Vordano_Seli_4936.dat", "Vordano_Seli_4936.sim", "Vordano_Seli_linea.dat"})
        EXPECT_TRUE(leggi_file(testi / nome) == leggi_file(compilati / nome)) << nome;
}

// Without the geometry the texts have no curves and compile with --no-geometry.
TEST_F(DecompileTest, FilesNamedOneByOneWithoutGeometry) {
    const Esito e = decompila(tra_virgolette(compilati / "Vordano_Seli_4936.sim") + " " +
                              tra_virgolette(compilati / "Vordano_Seli_4936.dat"));
    ASSERT_EQ(e.stato, 0) << e.errori;
    EXPECT_NE(e.errori.find("--no-geometry"), std::string::npos) << e.errori;
    EXPECT_EQ(leggi_file(testi / "Vordano_Seli_linea.txt").find("curva"), std::string::npos);
}

// A hand-edited cell file: the texts are still written, every difference is
// listed, and the status says the round trip is not exact.
TEST_F(DecompileTest, AHandEditedFileListsItsDifferencesAndStillWritesTheTexts) {
    std::string celle = leggi_file(compilati / "Vordano_Seli_4936.dat");
    celle[7 * 15] = 9;            // cell 7: a type that does not exist
    celle[16 * 15 + 10] = 99;     // cell 16: a repeater mark no signal gives
    scrivi_file(compilati / "Vordano_Seli_4936.dat", celle);
    const Esito e = decompila(compilati_q());
    EXPECT_EQ(e.stato, 1);
    EXPECT_NE(e.errori.find("2 differenze"), std::string::npos) << e.errori;
    EXPECT_NE(e.errori.find("cella 7 (metro 300), tipo: il file ha 9, i testi danno 0 (il tipo 9 non esiste"),
              std::string::npos)
        << e.errori;
    EXPECT_NE(e.errori.find("cella 16 (metro 750), ripetitore: il file ha 99, i testi danno 61\n"), std::string::npos)
        << e.errori;
    EXPECT_EQ(nomi_in(testi.percorso()).size(), 2u);
}

// Not a compiled scenario: a clear message, status 1, nothing written.
TEST_F(DecompileTest, AFileThatIsNotACompiledScenarioWritesNothing) {
    scrivi_file(compilati / "Vordano_Seli_4936.dat", "[generale]\r\nlunghezza percorso, 1000\r\n");
    const Esito e = decompila(compilati_q());
    EXPECT_EQ(e.stato, 1);
    EXPECT_NE(e.errori.find("non è uno scenario compilato: file delle celle"), std::string::npos) << e.errori;
    EXPECT_TRUE(nomi_in(testi.percorso()).empty());
}

// A person's texts are never replaced without --force, and the inputs never are.
TEST_F(DecompileTest, TextsAlreadyThereStayUnlessForced) {
    scrivi_file(testi / "Vordano_Seli_linea.txt", "mio");
    const Esito e = decompila(compilati_q());
    EXPECT_EQ(e.stato, 2);
    EXPECT_NE(e.errori.find("esiste già"), std::string::npos) << e.errori;
    EXPECT_EQ(leggi_file(testi / "Vordano_Seli_linea.txt"), "mio");
    EXPECT_EQ(nomi_in(testi.percorso()), std::vector<std::string>{"Vordano_Seli_linea.txt"});
    const Esito forzato = decompila(compilati_q(), " --force");
    EXPECT_EQ(forzato.stato, 0) << forzato.errori;
    EXPECT_NE(leggi_file(testi / "Vordano_Seli_linea.txt"), "mio");
}

// Two scenarios in one folder: --route and --train choose; without them, nothing is guessed.
TEST_F(DecompileTest, AFolderOfTwoScenariosNeedsRouteAndTrain) {
    fs::copy_file(compilati / "Vordano_Seli_4936.dat", compilati / "Vordano_Seli_7.dat");
    fs::copy_file(compilati / "Vordano_Seli_4936.sim", compilati / "Vordano_Seli_7.sim");
    const Esito e = decompila(compilati_q());
    EXPECT_EQ(e.stato, 2);
    EXPECT_NE(e.errori.find("2 scenari compilati (Vordano_Seli_4936, Vordano_Seli_7)"), std::string::npos) << e.errori;
    EXPECT_TRUE(nomi_in(testi.percorso()).empty());
    const Esito scelto = decompila(compilati_q(), " --route Vordano_Seli --train 4936");
    EXPECT_EQ(scelto.stato, 0) << scelto.errori;
}

TEST_F(DecompileTest, HelpIsItalianWithAnExample) {
    const Esito e = scenario("decompile --help");
    EXPECT_EQ(e.stato, 0);
    EXPECT_NE(e.uscita.find("Esempio, andata e ritorno:"), std::string::npos) << e.uscita;
    EXPECT_NE(e.uscita.find("scenario decompile build/bin -o mio"), std::string::npos);
    EXPECT_NE(e.uscita.find("Stato di uscita"), std::string::npos);
}

}  // namespace
}  // namespace scenario
