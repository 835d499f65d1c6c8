// `scenario check`: it writes nothing, and agrees with `compile` on every
// diagnostic and exit status, over the whole fuzz corpus; --werror and the
// JSON "diagnostica"; and it is quick enough for an editor.
#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <chrono>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <nlohmann/json.hpp>

#include "tests/fuzz/ingresso.h"
#include "tests/supporto/archivio_temporaneo.h"
#include "tests/supporto/esegui.h"
#include "tests/supporto/file_attesi.h"
#include "tool/comando_compile.h"

namespace scenario {
namespace {

namespace fs = std::filesystem;
using test::CartellaTemporanea;
using test::esegui;
using test::leggi_file;
using test::nomi_in;
using test::scrivi_file;
using test::tra_virgolette;

const std::string nome_linea = "Vordano_Seli_linea.txt";
const std::string nome_treno = "Vordano_Seli_4936-.txt";

struct Risposta {
    int stato;
    nlohmann::json json;
    std::string errori;
};

// Runs `scenario COMANDO ARGOMENTI --json` inside `cartella`.
Risposta scenario_in(const fs::path& cartella, const std::string& comando, const std::string& argomenti,
                     const fs::path& appunti) {
    const fs::path out = appunti / (comando + ".json");
    const fs::path err = appunti / (comando + ".err");
    const int stato = esegui(test::entra_in(cartella) + tra_virgolette(SCENARIO_EXE) + " " + comando + " " +
                                 argomenti + " --json > " + tra_virgolette(out),
                             err);
    const std::string testo = leggi_file(out);
    return {stato, testo.empty() ? nlohmann::json() : nlohmann::json::parse(testo), test::senza_cr(leggi_file(err))};
}

// --- the fuzz corpus through both commands --------------------------------------

struct FileIngresso {
    fs::path percorso;
};
void PrintTo(const FileIngresso& f, std::ostream* os) { *os << f.percorso.filename().string(); }

std::vector<FileIngresso> corpus() {
    std::vector<FileIngresso> file;
    for (const char* cartella : {CARTELLA_SEMI, CARTELLA_REGRESSIONI}) {
        std::error_code errore;
        for (const auto& voce : fs::directory_iterator(cartella, errore))
            if (voce.is_regular_file()) file.push_back({voce.path()});
    }
    std::ranges::sort(file, {}, &FileIngresso::percorso);
    return file;
}

class CheckComeCompile : public ::testing::TestWithParam<FileIngresso> {};

TEST_P(CheckComeCompile, SameDiagnosticsAndStatusAndNothingWritten) {
    const std::string dati = leggi_file(GetParam().percorso);
    const fuzz::Ingresso ingresso = fuzz::dividi_ingresso(dati);
    CartellaTemporanea testi, uscita, appunti;
    if (ingresso.linea) scrivi_file(testi / nome_linea, std::string(*ingresso.linea));
    if (ingresso.treno) scrivi_file(testi / nome_treno, std::string(*ingresso.treno));
    const auto prima = nomi_in(testi.percorso());
    const std::string argomenti = nome_linea + " " + nome_treno + (ingresso.geometria == 0 ? " --no-geometry" : "");

    const Risposta compile = scenario_in(testi.percorso(), "compile", argomenti + " -o " + tra_virgolette(uscita.percorso()),
                                         appunti.percorso());
    const Risposta check = scenario_in(testi.percorso(), "check", argomenti, appunti.percorso());

    EXPECT_EQ(check.stato, compile.stato);
    EXPECT_EQ(check.errori, compile.errori);
    ASSERT_TRUE(check.json.is_object()) << check.errori;
    ASSERT_TRUE(compile.json.is_object()) << compile.errori;
    for (const char* chiave : {"codice_errore", "posizione_errore", "errore", "stato", "messaggi", "diagnostica"}) {
        EXPECT_EQ(check.json[chiave], compile.json[chiave]) << chiave;
    }
    EXPECT_EQ(check.json["files"], nlohmann::json::array());
    EXPECT_EQ(nomi_in(testi.percorso()), prima) << "check (and compile) leave the source folder as it was";
}

std::string nome_ingresso(const ::testing::TestParamInfo<FileIngresso>& info) {
    std::string nome = info.param.percorso.filename().string();
    std::ranges::replace_if(nome, [](char c) { return !std::isalnum(static_cast<unsigned char>(c)); }, '_');
    return nome;
}

INSTANTIATE_TEST_SUITE_P(Corpus, CheckComeCompile, ::testing::ValuesIn(corpus()), nome_ingresso);

TEST(CorpusDelFuzz, IsThere) { EXPECT_GT(corpus().size(), 20u); }

// --- the rest --------------------------------------------------------------------

class CheckTest : public ::testing::Test {
protected:
    void SetUp() override {
        scrivi_file(testi / nome_linea, test::file_atteso(nome_linea));
        scrivi_file(testi / nome_treno, test::file_atteso(nome_treno));
    }
    void ritocca_treno(const std::string& vecchio, const std::string& nuovo) {
        std::string t = leggi_file(testi / nome_treno);
        t.replace(t.find(vecchio), vecchio.size(), nuovo);
        scrivi_file(testi / nome_treno, t);
    }
    Risposta check(const std::string& opzioni = "") {
        return scenario_in(testi.percorso(), "check", nome_linea + " " + nome_treno + " " + opzioni, appunti.percorso());
    }

    CartellaTemporanea testi;
    CartellaTemporanea appunti;
};

TEST_F(CheckTest, TheBuiltInScenarioChecksCleanAndNothingIsWritten) {
    const Risposta r = check();
    EXPECT_EQ(r.stato, 0) << r.errori;
    EXPECT_EQ(r.errori, "");
    EXPECT_EQ(r.json["diagnostica"], nlohmann::json::array());
    EXPECT_EQ(nomi_in(testi.percorso()), (std::vector<std::string>{nome_treno, nome_linea}));
}

TEST_F(CheckTest, ASignalOnATakenCellIsReportedAtItsLineWithTheSignalThatHoldsIt) {
    ritocca_treno("segnale,    8300,", "segnale,    9360,");
    const Risposta r = check();
    EXPECT_EQ(r.stato, 1);
    EXPECT_EQ(r.errori.substr(0, r.errori.find('\n')),
              "Vordano_Seli_4936-.txt:62:13: errore 16: segnale su una cella già occupata (metro 9350)");
    const nlohmann::json& d = r.json["diagnostica"][0];
    EXPECT_EQ(d, nlohmann::json::parse(R"({"file": "Vordano_Seli_4936-.txt", "riga": 62, "colonna": 13,
        "livello": "errore", "codice": 16, "metro": 9350, "messaggio": "segnale su una cella già occupata",
        "suggerimento": "la cella 188 (metri 9325-9375) contiene già il segnale di Vordano_Seli_4936-.txt:61"})"));
}

TEST_F(CheckTest, WarningsEndWithStatusOneOnlyUnderWerror) {
    ritocca_treno("segnale,    8300,", "segnlae,    8300,");
    const Risposta senza = check();
    EXPECT_EQ(senza.stato, 0);
    EXPECT_NE(senza.errori.find("Vordano_Seli_4936-.txt:61:1: avviso: parola chiave sconosciuta 'segnlae'"),
              std::string::npos)
        << senza.errori;
    EXPECT_NE(senza.errori.find("forse 'segnale'?"), std::string::npos);
    const nlohmann::json& d = senza.json["diagnostica"][0];
    EXPECT_EQ(d["livello"], "avviso");
    EXPECT_TRUE(d["codice"].is_null());
    EXPECT_TRUE(d["metro"].is_null());
    EXPECT_EQ(check("--werror").stato, 1);
}

// An editor calls check on every change: the built-in scenario takes well
// under 20 ms in process (the best of a few runs, so a busy machine does not
// decide). Optimised builds only: sanitizers and debug builds are slower by design.
TEST_F(CheckTest, TheBuiltInScenarioIsCheckedInUnder20Milliseconds) {
#ifndef NDEBUG
    GTEST_SKIP() << "timed in optimised builds only";
#else
    OpzioniCompile o;
    o.linea = testi / nome_linea;
    o.treno = testi / nome_treno;
    auto migliore = std::chrono::steady_clock::duration::max();
    for (int i = 0; i < 5; ++i) {
        const auto inizio = std::chrono::steady_clock::now();
        Rapporto r;
        ASSERT_EQ(esegui_check(o, r), 0);
        migliore = std::min(migliore, std::chrono::steady_clock::now() - inizio);
    }
    const auto ms = std::chrono::duration_cast<std::chrono::microseconds>(migliore).count() / 1000.0;
    RecordProperty("ms", std::to_string(ms));
    EXPECT_LT(ms, 20.0);
#endif
}

}  // namespace
}  // namespace scenario
