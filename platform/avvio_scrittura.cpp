// The thread of AvvioScrittura: it sleeps until a whole step is written,
// hands everything written so far to the device, and sleeps again.
#include "platform/avvio_scrittura.h"

#include <system_error>

namespace scenario {

void AvvioScrittura::scritti(std::size_t quanti) {
    const std::lock_guard chiuso(m_);
    scritto_ += quanti;
    if (inutile_ || fine_ || scritto_ - avviato_ < passo) return;
    if (filo_.joinable()) {
        sveglia_.notify_one();
        return;
    }
    try {
        filo_ = std::thread([this] { lavora(); });
    } catch (const std::system_error&) {
        inutile_ = true;  // only a help: the sync alone still makes the file durable
    }
}

void AvvioScrittura::ferma() {
    {
        const std::lock_guard chiuso(m_);
        fine_ = true;
    }
    sveglia_.notify_one();
    if (filo_.joinable()) filo_.join();
}

void AvvioScrittura::lavora() {
    std::unique_lock chiuso(m_);
    for (;;) {
        sveglia_.wait(chiuso, [this] { return fine_ || scritto_ - avviato_ >= passo; });
        if (fine_) return;
        const std::uint64_t da = avviato_;
        const std::uint64_t quanti = scritto_ - avviato_;
        avviato_ = scritto_;
        chiuso.unlock();
        const bool avviata = avvia_(da, quanti);
        chiuso.lock();
        if (!avviata) {
            inutile_ = true;
            return;
        }
    }
}

}  // namespace scenario
