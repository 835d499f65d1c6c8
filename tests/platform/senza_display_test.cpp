// Without a display the display layers step aside at once, so the builder's
// run falls back to the terminal and is otherwise unchanged.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <optional>
#include <string>

#include "platform/schermo.h"

namespace scenario {
namespace {

// Sets DISPLAY for one test and puts the old value back afterwards.
class DisplayProvvisorio {
public:
    explicit DisplayProvvisorio(const char* valore) {
        if (const char* v = std::getenv("DISPLAY")) vecchio_ = v;
        if (valore) setenv("DISPLAY", valore, 1);
        else unsetenv("DISPLAY");
    }
    ~DisplayProvvisorio() {
        if (vecchio_) setenv("DISPLAY", vecchio_->c_str(), 1);
        else unsetenv("DISPLAY");
    }
    DisplayProvvisorio(const DisplayProvvisorio&) = delete;
    DisplayProvvisorio& operator=(const DisplayProvvisorio&) = delete;

private:
    std::optional<std::string> vecchio_;
};

struct Caso {
    const char* nome;
    const char* display;
};

// The case as ctest names it: stable and readable.
void PrintTo(const Caso& c, std::ostream* os) { *os << c.nome; }

class SenzaDisplay : public ::testing::TestWithParam<Caso> {};

TEST_P(SenzaDisplay, NessunaFinestraNeMessaggio) {
    // A server nobody runs: its socket must not exist.
    if (std::filesystem::exists("/tmp/.X11-unix/X987")) GTEST_SKIP() << "display :987 exists here";
    DisplayProvvisorio display(GetParam().display);
    EXPECT_EQ(crea_finestra_schermo(), nullptr);
    EXPECT_FALSE(mostra_messaggio_schermo(" Errore n. 1250"));
}

INSTANTIATE_TEST_SUITE_P(Casi, SenzaDisplay,
                         ::testing::Values(Caso{"non_impostato", nullptr}, Caso{"vuoto", ""},
                                           Caso{"nessun_server", ":987"}),
                         [](const ::testing::TestParamInfo<Caso>& info) { return std::string(info.param.nome); });

// True when the process has mapped a file whose name holds `nome`.
bool mappato(const std::string& nome) {
    std::ifstream mappe("/proc/self/maps");
    std::string riga;
    while (std::getline(mappe, riga))
        if (riga.find(nome) != std::string::npos) return true;
    return false;
}

// A run without a display pays for no display library: in a fresh process
// (the test program started again), the display layers asked for a window
// and a box leave Xlib and the module unmapped.
TEST(SenzaDisplay, NessunaLibreriaDelDisplayCaricata) {
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    EXPECT_EXIT(
        {
            unsetenv("DISPLAY");
            const bool nulla = crea_finestra_schermo() == nullptr && !mostra_messaggio_schermo("x");
            std::exit(nulla && !mappato("libX11") && !mappato("libXft") && !mappato("crea_scenario_x11") ? 0 : 1);
        },
        ::testing::ExitedWithCode(0), "");
}

}  // namespace
}  // namespace scenario
