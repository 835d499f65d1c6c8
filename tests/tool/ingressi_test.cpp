// `scenario compile` checks everything before it writes: every command line
// here must end with its status and message, one valid JSON object, and the
// output folder exactly as it was, older compiled files and a user's own
// NAME.tmp included.
#include <gtest/gtest.h>

#include <cctype>
#include <filesystem>
#include <map>
#include <string>

#include "tests/supporto/archivio_temporaneo.h"
#include "tests/supporto/esegui.h"
#include "tests/tool/risposta_scenario.h"
#include "platform/testo_errore.h"
#include "tool/ingressi.h"

namespace scenario::test {
namespace {

namespace fs = std::filesystem;

struct CasoNome {
    const char* nome;
    std::string valore;
    const char* difetto;  // part of the reason, or "" when the name is fine
};

void PrintTo(const CasoNome& c, std::ostream* os) { *os << c.nome; }

class NomiDiFile : public ::testing::TestWithParam<CasoNome> {};

TEST_P(NomiDiFile, AreFileNamePartsNeverPaths) {
    const auto difetto = difetto_nome(GetParam().valore);
    if (std::string(GetParam().difetto).empty()) {
        EXPECT_EQ(difetto, std::nullopt);
    } else {
        ASSERT_TRUE(difetto.has_value());
        EXPECT_NE(difetto->find(GetParam().difetto), std::string::npos) << *difetto;
    }
}

INSTANTIATE_TEST_SUITE_P(
    Casi, NomiDiFile,
    ::testing::Values(CasoNome{"Plain", "Vordano_Seli", ""}, CasoNome{"Digits", "4936", ""},
                      CasoNome{"SpaceAndDot", "Val d.Aosta 2", ""}, CasoNome{"Empty", "", "vuoto"},
                      CasoNome{"Slash", "a/b", "separatore"}, CasoNome{"Backslash", "a\\b", "separatore"},
                      CasoNome{"Escape", "../fuori", "separatore"}, CasoNome{"DotDot", "..", "\"..\""},
                      CasoNome{"DotDotInside", "a..b", "\"..\""}, CasoNome{"Nul", std::string("a\0b", 3), "nullo"},
                      CasoNome{"Colon", "C:x", "':'"}, CasoNome{"Star", "x*", "'*'"}, CasoNome{"Question", "x?", "'?'"},
                      CasoNome{"Quote", "x\"", "'\"'"}, CasoNome{"Pipe", "a|b", "'|'"}, CasoNome{"Less", "a<b", "'<'"},
                      CasoNome{"Greater", "a>b", "'>'"}, CasoNome{"Tab", "a\tb", "controllo"}),
    [](const auto& info) { return std::string(info.param.nome); });

const std::string linea_minima = "[generale]\r\nlunghezza percorso, 5000\r\n[fine]\r\n";
const std::string treno_minimo = "[generale]\r\n[fine]\r\n";

// {L} LINE, {T} TRAIN, {W} their folder, {O} the output folder, each quoted.
std::string espandi_segnaposti(std::string testo, const CartellaTemporanea& lavoro, const CartellaTemporanea& uscita) {
    const std::map<std::string, fs::path> segnaposti = {{"{L}", lavoro / "Prova_linea.txt"},
                                                        {"{T}", lavoro / "Prova_7-.txt"},
                                                        {"{W}", lavoro.percorso()},
                                                        {"{O}", uscita.percorso()}};
    for (const auto& [segno, p] : segnaposti)
        for (std::size_t i; (i = testo.find(segno)) != std::string::npos;)
            testo.replace(i, segno.size(), tra_virgolette(p));
    return testo;
}

struct CasoRifiuto {
    const char* nome;
    std::string argomenti;  // after `compile`, with the placeholders above
    int stato;
    std::string messaggio;  // expected on standard error
    void (*prepara)(const fs::path& lavoro, const fs::path& uscita) = nullptr;
};

void PrintTo(const CasoRifiuto& c, std::ostream* os) { *os << c.nome; }

void treno_troppo_grande(const fs::path& lavoro, const fs::path&) {
    scrivi_file(lavoro / "Grande_7-.txt", treno_minimo);
    fs::resize_file(lavoro / "Grande_7-.txt", limite_ingresso + 1);  // sparse: no disk needed
}
void linea_nella_cartella_di_uscita(const fs::path& lavoro, const fs::path& uscita) {
    fs::remove(uscita / "Prova_linea.dat");
    fs::copy_file(lavoro / "Prova_linea.txt", uscita / "Prova_linea.dat");
}
void treno_nella_cartella_di_uscita(const fs::path& lavoro, const fs::path& uscita) {
    fs::remove(uscita / "Prova_7.sim");
    fs::copy_file(lavoro / "Prova_7-.txt", uscita / "Prova_7.sim");
}
void tabella_in_sola_lettura(const fs::path&, const fs::path& uscita) {
    fs::permissions(uscita / "Prova_7.sim", fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
}

class Rifiuti : public ::testing::TestWithParam<CasoRifiuto> {
protected:
    void SetUp() override {
        scrivi_file(lavoro / "Prova_linea.txt", linea_minima);
        scrivi_file(lavoro / "Prova_7-.txt", treno_minimo);
        for (const char* nome : {"Prova_linea.dat", "Prova_7.sim", "Prova_7.dat", "Prova_7.sim.tmp"})
            scrivi_file(uscita / nome, std::string("vecchio ") + nome);
        if (GetParam().prepara) GetParam().prepara(lavoro.percorso(), uscita.percorso());
    }
    void TearDown() override {
        for (const auto& e : fs::directory_iterator(uscita.percorso())) fs::permissions(e.path(), fs::perms::owner_all);
    }

    std::string espandi(const std::string& testo) const { return espandi_segnaposti(testo, lavoro, uscita); }

    std::map<std::string, std::string> contenuto_uscita() const {
        std::map<std::string, std::string> c;
        for (const auto& e : fs::directory_iterator(uscita.percorso()))
            c[e.path().filename().string()] = e.is_regular_file() ? leggi_file(e.path()) : "(not a file)";
        return c;
    }

    CartellaTemporanea lavoro;
    CartellaTemporanea uscita;
};

TEST_P(Rifiuti, EndWithTheirStatusAndWriteNothing) {
    const auto prima = contenuto_uscita();
    const Risposta r =
        chiedi_a_scenario("compile " + espandi(GetParam().argomenti) + " --json -o " + tra_virgolette(uscita.percorso()),
                          lavoro.percorso());
    EXPECT_EQ(r.stato, GetParam().stato) << r.errori;
    EXPECT_NE(r.errori.find(GetParam().messaggio), std::string::npos) << r.errori;
    EXPECT_EQ(difetti_json(r), "");
    EXPECT_EQ(contenuto_uscita(), prima) << "nothing written, nothing replaced, no temporary";
}

// "errore N: " as the system numbers the failure (Windows has its own numbers).
std::string errore_di_sistema(std::errc e) {
    return "errore " + std::to_string(codice_di_sistema(std::make_error_code(e)).value()) + ": ";
}

std::vector<CasoRifiuto> casi_rifiuto() {
    std::vector<CasoRifiuto> casi = {
        {"MissingTrain", "{L} {W}/Prova_8-.txt", 4, "errore 2: "},
        {"TrainIsAFolder", "{L} {W} --train 7", 4, errore_di_sistema(std::errc::is_a_directory)},
        {"TrainOver64MiB", "{L} {W}/Grande_7-.txt --route Prova --train 7", 4, "64 MiB", treno_troppo_grande},
        {"RouteEscapesTheFolder", "{L} {T} --route ../escaped", 2, "separatore di cartella"},
        {"EmptyNames", "{L} {T} --route \"\" --train \"\"", 2, "è vuoto"},
        {"SlashInTrain", "{L} {T} --train a/b", 2, "separatore di cartella"},
        {"BackslashInRoute", "{L} {T} --route \"a\\b\"", 2, "separatore di cartella"},
        {"DotDotInRoute", "{L} {T} --route a..b", 2, "\"..\""},
        {"ColonInTrain", "{L} {T} --train \"7:1\"", 2, "Windows"},
        {"StarInRoute", "{L} {T} --route \"R*\"", 2, "Windows"},
        {"CellsOverGeometry", "{L} {T} --route x --train linea", 2, "stesso nome \"x_linea.dat\""},
        {"CellsOverGeometryButForCase", "{L} {T} --train LINEA", 2, "stesso nome"},
        {"OutputReplacesLine", "{O}/Prova_linea.dat {T} --route Prova", 2, "sostituirebbe",
         linea_nella_cartella_di_uscita},
        {"OutputReplacesTrain", "{L} {O}/Prova_7.sim --train 7", 2, "sostituirebbe", treno_nella_cartella_di_uscita},
        {"ReadOnlyOlderTable", "{L} {T}", 4, errore_di_sistema(std::errc::permission_denied), tabella_in_sola_lettura},
        {"SwappedTexts", "{T} {L} --route Prova --train 7", 1, "scambiati"},
        {"UnknownOption", "{L} {T} --bogus", 2, "--bogus"},
        {"NoTexts", "", 2, "LINEA"},
    };
#ifndef _WIN32
    casi.push_back({"DevZeroAsTrain", "{L} /dev/zero --train 7", 4, "non è un file regolare"});
    casi.push_back({"UnreadableTrain", "{L} /proc/self/mem --train 7", 4, "errore 5: "});
#endif
    return casi;
}

INSTANTIATE_TEST_SUITE_P(Casi, Rifiuti, ::testing::ValuesIn(casi_rifiuto()),
                         [](const auto& info) { return std::string(info.param.nome); });

// Every outcome answers --json with one object; a person without --json
// gets the same messages and no object.
struct CasoEsito {
    const char* nome;
    std::string argomenti;  // the whole command line after `scenario`, with the placeholders above
    std::string linea;
    std::string treno;
    int stato;
};

void PrintTo(const CasoEsito& c, std::ostream* os) { *os << c.nome; }

class Esiti : public ::testing::TestWithParam<CasoEsito> {
protected:
    std::string espandi(const std::string& testo) const { return espandi_segnaposti(testo, lavoro, uscita); }

    CartellaTemporanea lavoro;
    CartellaTemporanea uscita;
};

TEST_P(Esiti, AnswerWithOneObjectAndTheSameMessagesWithout) {
    scrivi_file(lavoro / "Prova_linea.txt", GetParam().linea);
    scrivi_file(lavoro / "Prova_7-.txt", GetParam().treno);
    const std::string argomenti = espandi(GetParam().argomenti);

    const Risposta con = chiedi_a_scenario(argomenti + " --json", lavoro.percorso());
    EXPECT_EQ(con.stato, GetParam().stato) << con.errori;
    EXPECT_EQ(difetti_json(con), "");

    const Risposta senza = chiedi_a_scenario(argomenti, lavoro.percorso());
    EXPECT_EQ(senza.stato, GetParam().stato);
    EXPECT_EQ(senza.errori, con.errori);
    EXPECT_EQ(senza.uscita.find('{'), std::string::npos) << senza.uscita;
}

const std::string compila = "compile {L} {T} -o {O}";

INSTANTIATE_TEST_SUITE_P(
    Casi, Esiti,
    ::testing::Values(CasoEsito{"Success", compila, linea_minima, treno_minimo, 0},
                      CasoEsito{"RecordedFault", compila, linea_minima, "", 1},
                      CasoEsito{"NoGrid", compila, "[generale]\r\n[fine]\r\n", treno_minimo, 1},
                      CasoEsito{"Fatal", compila, linea_minima, "[generale]\r\nabbattimento, 50, 7\r\n[fine]\r\n", 3},
                      CasoEsito{"WrongCommandLine", compila + " --bogus", linea_minima, treno_minimo, 2},
                      CasoEsito{"FileError", "compile {L} {O} --train 7", linea_minima, treno_minimo, 4},
                      CasoEsito{"NoCommand", "", linea_minima, treno_minimo, 2},
                      CasoEsito{"UnknownCommand", "bogus", linea_minima, treno_minimo, 2}),
    [](const auto& info) { return std::string(info.param.nome); });

}  // namespace
}  // namespace scenario::test
