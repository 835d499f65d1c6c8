// Three builders started a few milliseconds apart in one folder, as a double
// double-click starts them, trial after trial: each waits its turn, every one
// ends with 0, and the folder holds a clean run's six files, byte for byte,
// and nothing else. Without the run's lock one run compiles without the train
// text another has already consumed. Linux only.
#ifndef _WIN32

#include <gtest/gtest.h>
#include <sys/wait.h>

#include <array>
#include <chrono>
#include <filesystem>
#include <string>
#include <thread>
#include <vector>

#include "tests/app/avvio.h"
#include "tests/app/corsa_registrata.h"
#include "tests/supporto/archivio_temporaneo.h"

namespace scenario::test {
namespace {

namespace fs = std::filesystem;
using namespace std::chrono_literals;

constexpr int prove = 100;
constexpr int corse = 3;
const std::string nome_programma = "crea_scenario";

// The pauses before the second and the third start, taken in turn: at once,
// a little apart, and apart by about the time a run takes.
constexpr std::array<std::array<std::chrono::microseconds, 2>, 5> pause = {{
    {0us, 0us}, {500us, 1ms}, {2ms, 2ms}, {5ms, 1ms}, {1ms, 8ms},
}};

// Every name in the folder, of whatever kind.
std::vector<std::string> voci(const fs::path& cartella) {
    std::vector<std::string> nomi;
    for (const auto& e : fs::directory_iterator(cartella)) nomi.push_back(e.path().filename().string());
    std::sort(nomi.begin(), nomi.end());
    return nomi;
}

int uscita(int stato) { return WIFEXITED(stato) ? WEXITSTATUS(stato) : -1; }

class CorseInsieme : public ::testing::Test {
protected:
    // A fresh folder with the program alone in it.
    fs::path cartella_con_programma(const std::string& nome) {
        const fs::path cartella = lavoro / nome;
        fs::create_directory(cartella);
        fs::copy_file(CREA_SCENARIO_EXE, cartella / nome_programma);
        return cartella;
    }

    fs::path errori(int corsa) const { return lavoro / ("err_" + std::to_string(corsa) + ".txt"); }

    CartellaTemporanea lavoro;
};

TEST_F(CorseInsieme, ThreeRunsInOneFolderTakeTurnsAndLeaveOneCleanSet) {
    const fs::path pulita = cartella_con_programma("pulita");
    ASSERT_EQ(uscita(attendi(avvia(pulita / nome_programma, errori(0)))), 0) << leggi_file(errori(0));
    const Istantanea attesa = istantanea(pulita, nome_programma);
    ASSERT_EQ(attesa.size(), 6u);
    std::vector<std::string> nomi_attesi = {nome_programma};
    for (const auto& [nome, dati] : attesa) nomi_attesi.push_back(nome);
    std::sort(nomi_attesi.begin(), nomi_attesi.end());

    for (int prova = 0; prova < prove; ++prova) {
        const fs::path cartella = cartella_con_programma("prova_" + std::to_string(prova));
        const auto& pausa = pause[static_cast<std::size_t>(prova) % pause.size()];
        std::array<pid_t, corse> pid{};
        for (int i = 0; i < corse; ++i) {
            if (i > 0) std::this_thread::sleep_for(pausa[static_cast<std::size_t>(i - 1)]);
            pid[static_cast<std::size_t>(i)] = avvia(cartella / nome_programma, errori(i));
        }
        for (int i = 0; i < corse; ++i)
            EXPECT_EQ(uscita(attendi(pid[static_cast<std::size_t>(i)])), 0)
                << "trial " << prova << ", run " << i << ": " << leggi_file(errori(i));
        ASSERT_EQ(differenze(attesa, istantanea(cartella, nome_programma)), "") << "trial " << prova;
        ASSERT_EQ(voci(cartella), nomi_attesi) << "trial " << prova;
        ASSERT_FALSE(HasFailure()) << "trial " << prova;
        fs::remove_all(cartella);
    }
}

}  // namespace
}  // namespace scenario::test

#endif
