// The temporaries' register on POSIX: fixed places a signal handler can walk
// without allocating, each claimed and released with atomic steps.
#include <pthread.h>
#include <signal.h>
#include <unistd.h>

#include <array>
#include <atomic>
#include <cerrno>
#include <cstring>
#include <mutex>

#include "platform/temporanei.h"

namespace scenario {
namespace {

// Far more than a run ever holds at once (a compile holds three).
constexpr std::size_t numero_posti = 32;
constexpr std::size_t lunghezza_massima = 4096;

enum Stato : int { libero, occupato, pronto };

struct Posto {
    std::atomic<int> stato{libero};
    std::array<char, lunghezza_massima> percorso{};
};
static_assert(std::atomic<int>::is_always_lock_free, "the handler needs lock-free atomics");

std::array<Posto, numero_posti> registro;
// Threads take turns to change the register; the handler never waits on it.
std::mutex turno;

constexpr std::array segnali{SIGINT, SIGTERM, SIGHUP};

sigset_t insieme_segnali() {
    sigset_t insieme;
    sigemptyset(&insieme);
    for (const int s : segnali) sigaddset(&insieme, s);
    return insieme;
}

extern "C" void al_segnale(int numero) {
    const int errno_salvato = errno;
    rimuovi_temporanei();
    errno = errno_salvato;
    // SA_RESETHAND put the default action back: once this returns, the
    // pending signal ends the process as if we had never caught it.
    raise(numero);
}

void installa_gestori() {
    for (const int s : segnali) {
        struct sigaction attuale {};
        if (sigaction(s, nullptr, &attuale) != 0 || attuale.sa_handler != SIG_DFL) continue;
        struct sigaction nuova {};
        nuova.sa_handler = al_segnale;
        nuova.sa_mask = insieme_segnali();
        nuova.sa_flags = SA_RESETHAND;
        sigaction(s, &nuova, nullptr);
    }
}

}  // namespace

SezioneProtetta::SezioneProtetta() {
    const sigset_t insieme = insieme_segnali();
    pthread_sigmask(SIG_BLOCK, &insieme, &precedente_);
}

SezioneProtetta::~SezioneProtetta() { pthread_sigmask(SIG_SETMASK, &precedente_, nullptr); }

void registra_temporaneo(const std::filesystem::path& p) {
    static std::once_flag una_volta;
    std::call_once(una_volta, installa_gestori);
    const std::string& testo = p.native();
    if (testo.size() >= lunghezza_massima) return;  // no such path can be created anyway
    const std::lock_guard<std::mutex> mio_turno(turno);
    for (Posto& posto : registro) {
        int atteso = libero;
        if (!posto.stato.compare_exchange_strong(atteso, occupato)) continue;
        std::memcpy(posto.percorso.data(), testo.c_str(), testo.size() + 1);
        posto.stato.store(pronto);
        return;
    }
    // Every place taken: this one stays unknown to the handlers, like a
    // temporary after SIGKILL.
}

void dimentica_temporaneo(const std::filesystem::path& p) {
    const std::lock_guard<std::mutex> mio_turno(turno);
    for (Posto& posto : registro) {
        if (posto.stato.load() != pronto || std::strcmp(posto.percorso.data(), p.c_str()) != 0) continue;
        int atteso = pronto;
        posto.stato.compare_exchange_strong(atteso, libero);  // fails only when a handler took it
        return;
    }
}

// A place is taken from `pronto` before its path is used, so no thread can
// rewrite the path under the handler.
void rimuovi_temporanei() {
    for (Posto& posto : registro) {
        int atteso = pronto;
        if (!posto.stato.compare_exchange_strong(atteso, occupato)) continue;
        unlink(posto.percorso.data());
        posto.stato.store(libero);
    }
}

}  // namespace scenario
