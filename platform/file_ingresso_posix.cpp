// Input files on POSIX: opened without blocking (a FIFO would wait for a
// writer), then judged by fstat of what was actually opened.
#include <fcntl.h>
#include <sys/mman.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdint>
#include <system_error>

#include "platform/file_ingresso.h"
#include "platform/guasto_file.h"

namespace scenario {
namespace {

std::error_code errore_c() { return {errno != 0 ? errno : EIO, std::generic_category()}; }

// Closes the descriptor however the reading ends.
class Descrittore {
public:
    explicit Descrittore(int fd) : fd_(fd) {}
    ~Descrittore() {
        if (fd_ >= 0) close(fd_);
    }
    Descrittore(const Descrittore&) = delete;
    Descrittore& operator=(const Descrittore&) = delete;
    int fd() const { return fd_; }

private:
    int fd_;
};

void controlla_tipo(const struct stat& st, const std::filesystem::path& p, std::size_t limite) {
    if (S_ISDIR(st.st_mode)) throw GuastoFile(std::make_error_code(std::errc::is_a_directory), p);
    if (!S_ISREG(st.st_mode))
        throw GuastoFile(std::make_error_code(std::errc::invalid_argument), p, spiegazione_non_regolare);
    if (static_cast<unsigned long long>(st.st_size) > limite)
        throw GuastoFile(std::make_error_code(std::errc::file_too_large), p, spiegazione_limite(limite));
}

// Each page's first touch from our own code is a trap of its own, and on
// virtual machines a dear one; the kernel maps a whole buffer in one call for
// less than half of that (a megabyte text read in 4 ms instead of 6). Only a
// help: where the call is missing or refused, the writes touch them as before.
void mappa_pagine(std::string& dati) {
#ifdef MADV_POPULATE_WRITE
    const long pagina = sysconf(_SC_PAGESIZE);
    if (pagina <= 0) return;
    const auto p = static_cast<std::uintptr_t>(pagina);
    const auto da = reinterpret_cast<std::uintptr_t>(dati.data());
    const std::uintptr_t inizio = (da + p - 1) / p * p;
    const std::uintptr_t fine = (da + dati.capacity()) / p * p;
    if (fine > inizio) (void)madvise(reinterpret_cast<void*>(inizio), fine - inizio, MADV_POPULATE_WRITE);
#else
    (void)dati;
#endif
}

}  // namespace

std::string leggi_file_ingresso(const std::filesystem::path& p, std::size_t limite) {
    errno = 0;
    const Descrittore d(open(p.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC));
    if (d.fd() < 0) throw GuastoFile(errore_c(), p);
    struct stat st {};
    if (fstat(d.fd(), &st) != 0) throw GuastoFile(errore_c(), p);
    controlla_tipo(st, p, limite);
    // A file may grow after fstat: the limit holds for what is read. One
    // byte more than its size, so the read that finds its end needs no
    // larger buffer (a megabyte text is never copied to grow).
    const std::size_t atteso = std::min(static_cast<std::size_t>(st.st_size), limite) + 1;
    std::string dati;
    dati.reserve(atteso);
    mappa_pagine(dati);
    dati.resize(atteso);
    std::size_t letti = 0;
    for (;;) {
        if (letti == dati.size()) dati.resize(std::min(dati.size() + 65536, limite + 1));
        if (letti == dati.size()) break;
        const ssize_t n = read(d.fd(), dati.data() + letti, dati.size() - letti);
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) throw GuastoFile(errore_c(), p);
        if (n == 0) break;
        letti += static_cast<std::size_t>(n);
    }
    if (letti > limite) throw GuastoFile(std::make_error_code(std::errc::file_too_large), p, spiegazione_limite(limite));
    dati.resize(letti);
    return dati;
}

}  // namespace scenario
