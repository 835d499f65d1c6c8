// Two compiles of different scenarios into one folder at once, round after
// round: each compiled file is whole, all of them come from one run, and no
// temporary is left. SCENARIO_GIRI sets the rounds (CI runs 100). Linux only.
#ifndef _WIN32

#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cstdlib>
#include <filesystem>
#include <map>
#include <string>
#include <vector>

#include "tests/supporto/archivio_temporaneo.h"
#include "tests/supporto/esegui.h"
#include "tests/app/avvio.h"

namespace scenario::test {
namespace {

namespace fs = std::filesystem;
using Cartella = std::map<std::string, std::string>;

int giri() {
    const char* testo = std::getenv("SCENARIO_GIRI");
    return testo ? std::atoi(testo) : 20;
}

// `testo` with `da` replaced by `a`, which must be there.
std::string cambia(std::string testo, const std::string& da, const std::string& a) {
    const std::size_t i = testo.find(da);
    EXPECT_NE(i, std::string::npos) << da;
    return i == std::string::npos ? testo : testo.replace(i, da.size(), a);
}

Cartella contenuto(const fs::path& cartella) {
    Cartella c;
    for (const auto& e : fs::directory_iterator(cartella)) c[e.path().filename().string()] = leggi_file(e.path());
    return c;
}

class Concorrenza : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_EQ(esegui(tra_virgolette(SCENARIO_EXE) + " sources " + tra_virgolette(lavoro / "a"), lavoro / "e.txt"), 0);
        // The other scenario differs in every compiled file: a curve (geometry),
        // a gradient (cells) and a station's name (table).
        fs::create_directory(lavoro / "b");
        scrivi_file(lavoro / "b" / "Vordano_Seli_linea.txt",
                    cambia(cambia(leggi_file(lavoro / "a" / "Vordano_Seli_linea.txt"), "curvad3,  1200,  300",
                                  "curvad3,  1200,  250"),
                           "pendenza,  1150,   3", "pendenza,  1150,   4"));
        scrivi_file(lavoro / "b" / "Vordano_Seli_4936-.txt",
                    cambia(leggi_file(lavoro / "a" / "Vordano_Seli_4936-.txt"), "CASALVIVO", "CASALNUOVO"));
        for (const char* quale : {"a", "b"}) {
            CartellaTemporanea sola;
            ASSERT_EQ(attendi_compilazione(avvia_compilazione(quale, sola.percorso())), 0) << quale;
            attesi.push_back(contenuto(sola.percorso()));
        }
        ASSERT_EQ(attesi[0].size(), 3u);
        for (const auto& [nome, dati] : attesi[0]) ASSERT_NE(dati, attesi[1].at(nome)) << nome << " must differ";
    }

    pid_t avvia_compilazione(const std::string& quale, const fs::path& uscita) {
        Avvio avvio;
        avvio.argomenti = {"compile", (lavoro / quale / "Vordano_Seli_linea.txt").string(),
                           (lavoro / quale / "Vordano_Seli_4936-.txt").string(), "-o", uscita.string()};
        return avvia(SCENARIO_EXE, lavoro / ("err_" + quale + ".txt"), avvio);
    }

    int attendi_compilazione(pid_t pid) {
        const int stato = attendi(pid);
        return WIFEXITED(stato) ? WEXITSTATUS(stato) : -1;
    }

    CartellaTemporanea lavoro;
    std::vector<Cartella> attesi;
};

TEST_F(Concorrenza, TwoCompilesIntoOneFolderLeaveOneWholeSet) {
    CartellaTemporanea insieme;
    int vinte_da_a = 0;
    const int n = giri();
    for (int giro = 0; giro < n; ++giro) {
        // Who starts first alternates, so either may finish last.
        const bool a_prima = giro % 2 == 0;
        const pid_t primo = avvia_compilazione(a_prima ? "a" : "b", insieme.percorso());
        const pid_t secondo = avvia_compilazione(a_prima ? "b" : "a", insieme.percorso());
        ASSERT_EQ(attendi_compilazione(primo), 0) << leggi_file(lavoro / "err_a.txt") << leggi_file(lavoro / "err_b.txt");
        ASSERT_EQ(attendi_compilazione(secondo), 0) << leggi_file(lavoro / "err_a.txt") << leggi_file(lavoro / "err_b.txt");

        const Cartella trovata = contenuto(insieme.percorso());
        const bool di_a = trovata == attesi[0];
        ASSERT_TRUE(di_a || trovata == attesi[1]) << "round " << giro << ": the folder is no one run's set";
        vinte_da_a += di_a ? 1 : 0;
    }
    std::printf("%d rounds: the last set was a's %d times, b's %d times\n", n, vinte_da_a, n - vinte_da_a);
}

}  // namespace
}  // namespace scenario::test

#endif
