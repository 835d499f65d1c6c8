// The device writes started while a file is written: each range handed over
// once, in order, never past what was written; nothing for a small file; and
// nothing more once the system says it cannot.
#include <gtest/gtest.h>

#include <chrono>
#include <condition_variable>
#include <cstdint>
#include <mutex>
#include <utility>
#include <vector>

#include "platform/avvio_scrittura.h"

namespace scenario {
namespace {

using Intervallo = std::pair<std::uint64_t, std::uint64_t>;  // from, how many
constexpr std::uint64_t passo = AvvioScrittura::passo;

// What the thread handed over, and a way to wait for the next hand-over.
class Dispositivo {
public:
    explicit Dispositivo(bool sa_farlo = true) : sa_farlo_(sa_farlo) {}
    AvvioScrittura::Avvia avvia() {
        return [this](std::uint64_t da, std::uint64_t quanti) {
            const std::lock_guard chiuso(m_);
            avviati_.emplace_back(da, quanti);
            arrivato_.notify_all();
            return sa_farlo_;
        };
    }
    // True once `n` ranges have come, within a generous wait.
    bool attendi(std::size_t n) {
        std::unique_lock chiuso(m_);
        return arrivato_.wait_for(chiuso, std::chrono::seconds(20), [&] { return avviati_.size() >= n; });
    }
    std::vector<Intervallo> avviati() {
        const std::lock_guard chiuso(m_);
        return avviati_;
    }

private:
    bool sa_farlo_;
    std::mutex m_;
    std::condition_variable arrivato_;
    std::vector<Intervallo> avviati_;
};

TEST(AvvioScrittura, EachWholeStepWrittenIsHandedOverOnceInOrder) {
    Dispositivo d;
    AvvioScrittura a(d.avvia());
    a.scritti(passo - 1);
    a.scritti(1);
    ASSERT_TRUE(d.attendi(1));
    a.scritti(passo / 2);  // less than a step since the last: waits for more
    a.scritti(passo);
    ASSERT_TRUE(d.attendi(2));
    a.ferma();
    EXPECT_EQ(d.avviati(), (std::vector<Intervallo>{{0, passo}, {passo, passo + passo / 2}}));
}

TEST(AvvioScrittura, ASmallFileHandsNothingOver) {
    Dispositivo d;
    {
        AvvioScrittura a(d.avvia());
        for (int i = 0; i < 15; ++i) a.scritti(passo / 16);
    }
    EXPECT_TRUE(d.avviati().empty());
}

TEST(AvvioScrittura, ASystemWithoutTheCallIsAskedOnce) {
    Dispositivo d(false);
    AvvioScrittura a(d.avvia());
    a.scritti(passo);
    ASSERT_TRUE(d.attendi(1));
    for (int i = 0; i < 8; ++i) a.scritti(passo);
    a.ferma();
    EXPECT_EQ(d.avviati(), (std::vector<Intervallo>{{0, passo}}));
}

// Writes after the stop (none should come, but a late one must not restart
// anything) are only counted.
TEST(AvvioScrittura, NothingIsHandedOverAfterTheStop) {
    Dispositivo d;
    AvvioScrittura a(d.avvia());
    a.ferma();
    a.scritti(4 * passo);
    a.ferma();
    EXPECT_TRUE(d.avviati().empty());
}

}  // namespace
}  // namespace scenario
