// The builder's hold on its folder for a whole run: a second holder waits
// until the first lets go, however it spells the folder; the run's own
// changes of files never wait on it; and no file is ever left.
#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cwctype>
#include <filesystem>
#include <functional>
#include <future>
#include <string>
#include <thread>
#include <vector>

#include "platform/archivio_disco.h"
#include "platform/blocco_cartella.h"
#include "platform/operazioni_file.h"
#include "tests/supporto/archivio_temporaneo.h"

namespace scenario {
namespace {

namespace fs = std::filesystem;
using namespace std::chrono_literals;
using test::CartellaTemporanea;

// Long enough for a thread that was not kept out to have gone past.
constexpr auto pazienza = 300ms;
// Far longer than any lock-free step: past it, something waits forever.
constexpr auto troppo = 20s;

// Every name in the folder, of whatever kind.
std::vector<std::string> voci(const fs::path& cartella) {
    std::vector<std::string> nomi;
    for (const auto& e : fs::directory_iterator(cartella)) nomi.push_back(e.path().filename().string());
    std::sort(nomi.begin(), nomi.end());
    return nomi;
}

// Takes the lock on another thread and says when it has it.
class SecondoDetentore {
public:
    explicit SecondoDetentore(std::function<std::unique_ptr<BloccoCartella>()> prendi)
        : filo_([this, prendi] {
              auto blocco = prendi();
              preso_ = true;
          }) {}
    ~SecondoDetentore() { filo_.join(); }
    SecondoDetentore(const SecondoDetentore&) = delete;
    SecondoDetentore& operator=(const SecondoDetentore&) = delete;

    bool preso() const { return preso_; }
    bool attendi_preso() {
        const auto limite = std::chrono::steady_clock::now() + troppo;
        while (!preso_ && std::chrono::steady_clock::now() < limite) std::this_thread::sleep_for(5ms);
        return preso_;
    }

private:
    std::atomic<bool> preso_{false};
    std::thread filo_;
};

struct Grafia {
    const char* descrizione;
    fs::path (*scrivi)(const fs::path& cartella);
};

void PrintTo(const Grafia& g, std::ostream* os) { *os << g.descrizione; }

class ASecondRun : public ::testing::TestWithParam<Grafia> {};

TEST_P(ASecondRun, WaitsUntilTheFirstLetsGoAndLeavesNoFile) {
    CartellaTemporanea c;
    fs::create_directory(c / "dentro");
    auto primo = blocca_per_la_corsa(c.percorso());
    ASSERT_NE(primo, nullptr) << "the test folder's file system has no locks";

    SecondoDetentore secondo([&] { return blocca_per_la_corsa(GetParam().scrivi(c.percorso())); });
    std::this_thread::sleep_for(pazienza);
    EXPECT_FALSE(secondo.preso()) << "the second run did not wait";

    primo.reset();
    EXPECT_TRUE(secondo.attendi_preso()) << "the second run still waits after the first let go";
    EXPECT_EQ(voci(c.percorso()), std::vector<std::string>{"dentro"});
}

std::vector<Grafia> grafie() {
    std::vector<Grafia> g = {
        {"same_path", [](const fs::path& c) { return c; }},
        {"trailing_dot", [](const fs::path& c) { return c / "."; }},
        {"through_a_subfolder", [](const fs::path& c) { return c / "dentro" / ".."; }},
        {"from_the_current_folder", [](const fs::path& c) { return fs::proximate(c); }},
    };
#ifdef _WIN32
    g.push_back({"other_letter_case", [](const fs::path& c) {
                     std::wstring testo = c.wstring();
                     for (wchar_t& ch : testo) ch = static_cast<wchar_t>(std::towupper(ch));
                     return fs::path(testo);
                 }});
#endif
    return g;
}

INSTANTIATE_TEST_SUITE_P(Grafie, ASecondRun, ::testing::ValuesIn(grafie()),
                         [](const auto& info) { return std::string(info.param.descrizione); });

// The run's own change of files in its folder takes its turn within the
// process: taking the folder's lock again would wait on the run forever.
TEST(BloccoCorsa, TheRunsOwnChangeOfFilesDoesNotWaitOnIt) {
    CartellaTemporanea c;
    auto corsa = blocca_per_la_corsa(c.percorso());
    ASSERT_NE(corsa, nullptr);
    const std::vector<FileNuovo> file = {{"a.dat", "uno"}, {"b.dat", "due"}};
    std::packaged_task<void()> cambio([&] { ArchivioDisco(c.percorso()).scrivi_insieme(file); });
    auto fatto = cambio.get_future();
    std::thread filo(std::move(cambio));
    const bool finito = fatto.wait_for(troppo) == std::future_status::ready;
    EXPECT_TRUE(finito) << "the change waits on the run that makes it";
    corsa.reset();  // lets a stuck change through, so the thread can end
    filo.join();
    fatto.get();
    EXPECT_EQ(voci(c.percorso()), (std::vector<std::string>{"a.dat", "b.dat"}));
}

// Holding one folder for a run does not let this process's changes into
// another folder, which another change holds.
TEST(BloccoCorsa, AChangeInAnotherFolderStillWaitsForItsHolder) {
    CartellaTemporanea nostra;
    CartellaTemporanea altra;
    auto corsa = blocca_per_la_corsa(nostra.percorso());
    std::unique_ptr<BloccoCartella> altrui;
    ASSERT_FALSE(operazioni_di_sistema().blocca(altra.percorso(), altrui));
    ASSERT_NE(altrui, nullptr);

    SecondoDetentore cambio([&] {
        std::unique_ptr<BloccoCartella> b;
        EXPECT_FALSE(operazioni_di_sistema().blocca(altra.percorso(), b));
        return b;
    });
    std::this_thread::sleep_for(pazienza);
    EXPECT_FALSE(cambio.preso()) << "the change went into a folder another change holds";
    altrui.reset();
    EXPECT_TRUE(cambio.attendi_preso());
}

}  // namespace
}  // namespace scenario
