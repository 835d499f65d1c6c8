// File calls on POSIX systems: open flags for exclusive creation, flock on
// the folder itself, fsync of the folder after renames.
#include <fcntl.h>
#include <sys/stat.h>
#include <sys/file.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <string>

#include "platform/sistema_file.h"

namespace scenario::sistema {
namespace fs = std::filesystem;

void azzera_errore_c() { errno = 0; }
std::error_code errore_c() { return {errno != 0 ? errno : EIO, std::generic_category()}; }

namespace {

class BloccoFlock final : public BloccoCartella {
public:
    explicit BloccoFlock(int fd) : fd_(fd) {}
    ~BloccoFlock() override { close(fd_); }  // closing the folder releases the lock
    BloccoFlock(const BloccoFlock&) = delete;
    BloccoFlock& operator=(const BloccoFlock&) = delete;

private:
    int fd_;
};

// A file system that cannot lock (some network ones): the lock only keeps two
// of our own programs apart, so the work goes on without it.
bool blocco_non_disponibile(int numero) {
    return numero == ENOLCK || numero == EOPNOTSUPP || numero == EBADF || numero == EINVAL || numero == ENOSYS;
}

int apri_cartella(const fs::path& cartella) { return open(cartella.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC); }

}  // namespace

std::error_code crea_esclusivo(const fs::path& p, std::FILE*& f) {
    azzera_errore_c();
    const int fd = open(p.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0666);
    if (fd < 0) return errore_c();
    std::FILE* flusso = fdopen(fd, "wb");
    if (!flusso) {
        const std::error_code ec = errore_c();
        close(fd);
        unlink(p.c_str());  // made by this call a moment ago
        return ec;
    }
    // Writers hand over pieces of 64 KiB already: a stream buffer of its own
    // would only split each into two writes.
    (void)std::setvbuf(flusso, nullptr, _IONBF, 0);
    f = flusso;
    return {};
}

std::error_code sincronizza_file(std::FILE* f) {
    azzera_errore_c();
    if (std::fflush(f) != 0 || fsync(fileno(f)) != 0) return errore_c();
    return {};
}

// Linux alone has the call; elsewhere the sync does all the work.
bool avvia_scrittura(std::FILE* f, std::uint64_t da, std::uint64_t quanti) {
#ifdef __linux__
    return sync_file_range(fileno(f), static_cast<off_t>(da), static_cast<off_t>(quanti), SYNC_FILE_RANGE_WRITE) == 0;
#else
    (void)f, (void)da, (void)quanti;
    return false;
#endif
}

std::error_code rinomina(const fs::path& da, const fs::path& a) {
    azzera_errore_c();
    return std::rename(da.c_str(), a.c_str()) != 0 ? errore_c() : std::error_code{};
}

std::error_code collega(const fs::path& da, const fs::path& a) {
    azzera_errore_c();
    return link(da.c_str(), a.c_str()) != 0 ? errore_c() : std::error_code{};
}

std::error_code elimina(const fs::path& p) {
    azzera_errore_c();
    if (unlink(p.c_str()) != 0 && errno != ENOENT) return errore_c();
    return {};
}

std::error_code sincronizza_cartella(const fs::path& cartella) {
    azzera_errore_c();
    const int fd = apri_cartella(cartella);
    if (fd < 0) return errore_c();
    // EINVAL: a file system that keeps no folder to sync.
    const bool fallita = fsync(fd) != 0 && errno != EINVAL;
    const std::error_code ec = fallita ? errore_c() : std::error_code{};
    close(fd);
    return ec;
}

std::error_code blocca(const fs::path& cartella, std::unique_ptr<BloccoCartella>& blocco) {
    azzera_errore_c();
    const int fd = apri_cartella(cartella);
    if (fd < 0) return errore_c();
    while (flock(fd, LOCK_EX) != 0) {
        if (errno == EINTR) continue;
        const std::error_code ec = errore_c();
        close(fd);
        return blocco_non_disponibile(ec.value()) ? std::error_code{} : ec;
    }
    blocco = std::make_unique<BloccoFlock>(fd);
    return {};
}

std::error_code identita_cartella(const fs::path& cartella, std::string& identita) {
    errno = 0;
    struct stat s {};
    if (stat(cartella.c_str(), &s) != 0) return errore_c();
    identita = std::to_string(s.st_dev) + ":" + std::to_string(s.st_ino);
    return {};
}

std::FILE* apri_lettura(const fs::path& p) { return std::fopen(p.c_str(), "rb"); }

}  // namespace scenario::sistema
