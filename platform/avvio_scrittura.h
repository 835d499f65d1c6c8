// Hands a file's written bytes to the device while the file is still being
// written, from a thread of its own, so that the writer never waits for the
// device and the sync at the end finds little left to do. For a 20 MB
// output the device needs as long as all the work before the sync: this way
// the two overlap.
#pragma once

#include <condition_variable>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <mutex>
#include <thread>
#include <utility>

namespace scenario {

class AvvioScrittura {
public:
    // Starts the device writes of [da, da + quanti) without waiting for
    // them; false where the system cannot, and then it is never asked again.
    using Avvia = std::function<bool(std::uint64_t da, std::uint64_t quanti)>;

    // Ranges go out a step at a time: smaller would cost a call per few pieces.
    static constexpr std::uint64_t passo = std::uint64_t{1} << 20;

    explicit AvvioScrittura(Avvia avvia) : avvia_(std::move(avvia)) {}
    ~AvvioScrittura() { ferma(); }
    AvvioScrittura(const AvvioScrittura&) = delete;
    AvvioScrittura& operator=(const AvvioScrittura&) = delete;

    // `quanti` more bytes were written at the end of the file. The thread
    // starts with the first whole step: a small file never has one.
    void scritti(std::size_t quanti);
    // Waits for the thread: before the file is synced or closed. What it has
    // not handed over yet is left to the sync.
    void ferma();

private:
    void lavora();

    Avvia avvia_;
    std::mutex m_;
    std::condition_variable sveglia_;
    std::uint64_t scritto_ = 0;  // bytes written so far
    std::uint64_t avviato_ = 0;  // bytes handed to the device so far
    bool fine_ = false;
    bool inutile_ = false;       // the system cannot, or no thread could start
    std::thread filo_;
};

}  // namespace scenario
