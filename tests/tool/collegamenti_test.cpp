// Names planted beside the compiled files, links and a person's own files: a
// compile never follows a link, never opens a file it did not make, and
// replaces only its own final names. Links need a POSIX system here.
#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <set>
#include <string>

#include "tests/supporto/archivio_temporaneo.h"
#include "tests/supporto/esegui.h"
#include "tests/tool/risposta_scenario.h"

namespace scenario::test {
namespace {

namespace fs = std::filesystem;

enum class Tipo { collegamento, collegamento_rotto, file_utente };

struct CasoPiantato {
    const char* nome;
    const char* file;  // planted beside the outputs
    Tipo tipo;
};

void PrintTo(const CasoPiantato& c, std::ostream* os) { *os << c.nome; }

const std::string linea = "[generale]\r\nlunghezza percorso, 5000\r\n[fine]\r\n";
const std::string treno = "[generale]\r\n[fine]\r\n";
const std::vector<std::string> compilati = {"Prova_linea.dat", "Prova_7.sim", "Prova_7.dat"};

class Piantati : public ::testing::TestWithParam<CasoPiantato> {
protected:
    void SetUp() override {
        scrivi_file(lavoro / "Prova_linea.txt", linea);
        scrivi_file(lavoro / "Prova_7-.txt", treno);
        scrivi_file(lavoro / "vittima", "della vittima");
        const std::string pulita = compila(riferimento.percorso());
        ASSERT_EQ(chiedi_a_scenario(pulita, lavoro.percorso()).stato, 0);
    }

    std::string compila(const fs::path& uscita) const {
        return "compile " + tra_virgolette(lavoro / "Prova_linea.txt") + " " + tra_virgolette(lavoro / "Prova_7-.txt") +
               " -o " + tra_virgolette(uscita);
    }

    void pianta(const fs::path& p, Tipo tipo) const {
        switch (tipo) {
            case Tipo::collegamento: fs::create_symlink(lavoro / "vittima", p); break;
            case Tipo::collegamento_rotto: fs::create_symlink(lavoro / "manca", p); break;
            case Tipo::file_utente: scrivi_file(p, "mio"); break;
        }
    }

    CartellaTemporanea lavoro;
    CartellaTemporanea riferimento;
    CartellaTemporanea uscita;
};

TEST_P(Piantati, AreNeverFollowedNorTouched) {
    const CasoPiantato& caso = GetParam();
    const fs::path piantato = uscita / caso.file;
    pianta(piantato, caso.tipo);
    const bool finale = std::ranges::find(compilati, caso.file) != compilati.end();

    const Risposta r = chiedi_a_scenario(compila(uscita.percorso()), lavoro.percorso());

    ASSERT_EQ(r.stato, 0) << r.errori;
    EXPECT_EQ(leggi_file(lavoro / "vittima"), "della vittima");
    for (const auto& nome : compilati) {
        EXPECT_TRUE(fs::is_regular_file(fs::symlink_status(uscita / nome))) << nome;
        EXPECT_EQ(leggi_file(uscita / nome), leggi_file(riferimento / nome)) << nome;
    }
    if (!finale) {
        if (caso.tipo == Tipo::file_utente) EXPECT_EQ(leggi_file(piantato), "mio");
        else EXPECT_TRUE(fs::is_symlink(piantato));
    }
    std::set<std::string> attese(compilati.begin(), compilati.end());
    attese.insert(caso.file);
    std::set<std::string> trovate;
    for (const auto& e : fs::directory_iterator(uscita.percorso())) trovate.insert(e.path().filename().string());
    EXPECT_EQ(trovate, attese) << "nothing else left beside them, no temporary";
}

std::vector<CasoPiantato> casi() {
    std::vector<CasoPiantato> c = {
        {"UsersTableTmp", "Prova_7.sim.tmp", Tipo::file_utente},
        {"UsersHiddenTmp", ".Prova_7.dat.tmp", Tipo::file_utente},
        {"UsersBackup", "Prova_linea.dat~", Tipo::file_utente},
    };
#ifndef _WIN32
    for (const char* nome : {"Prova_7.sim.tmp", "Prova_7.dat.tmp", "Prova_linea.dat.tmp", ".Prova_7.sim.tmp",
                             ".Prova_linea.dat.tmp", "Prova_7.sim.new"}) {
        c.push_back({nome, nome, Tipo::collegamento});
    }
    c.push_back({"LinkAtTheTable", "Prova_7.sim", Tipo::collegamento});
    c.push_back({"DanglingLinkAtTheCells", "Prova_7.dat", Tipo::collegamento_rotto});
    c.push_back({"LinkAtTheGeometry", "Prova_linea.dat", Tipo::collegamento});
#endif
    return c;
}

INSTANTIATE_TEST_SUITE_P(Casi, Piantati, ::testing::ValuesIn(casi()), [](const auto& info) {
    std::string nome;
    for (const char ch : std::string(info.param.nome)) nome += std::isalnum(static_cast<unsigned char>(ch)) ? ch : '_';
    return nome;
});

}  // namespace
}  // namespace scenario::test
