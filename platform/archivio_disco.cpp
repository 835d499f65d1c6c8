// Disk files with whole-file replacement that never loses the old file.
#include "platform/archivio_disco.h"

#include <cerrno>
#include <cstdio>
#include <fstream>
#include <iterator>
#include <system_error>

#ifdef _WIN32
#include <io.h>
#include <windows.h>
#else
#include <unistd.h>
#endif

namespace scenario {
namespace fs = std::filesystem;

namespace {

[[noreturn]] void fallisci(int numero, const fs::path& p) {
    throw std::system_error(numero, std::generic_category(), p.string());
}

// Root ignores permission bits, so a read-only file is recognised explicitly.
bool sola_lettura(const fs::path& p) {
    std::error_code ec;
    auto stato = fs::status(p, ec);
    if (ec || !fs::exists(stato)) return false;
    return (stato.permissions() & (fs::perms::owner_write | fs::perms::group_write | fs::perms::others_write)) ==
           fs::perms::none;
}

std::FILE* apri_scrittura(const fs::path& p) {
#ifdef _WIN32
    return _wfopen(p.c_str(), L"wb");
#else
    return std::fopen(p.c_str(), "wb");
#endif
}

// Pushes the bytes to the device before the rename makes them visible.
bool svuota_su_disco(std::FILE* f) {
    if (std::fflush(f) != 0) return false;
#ifdef _WIN32
    return _commit(_fileno(f)) == 0;
#else
    return fsync(fileno(f)) == 0;
#endif
}

void sostituisci(const fs::path& da, const fs::path& a) {
#ifdef _WIN32
    if (!MoveFileExW(da.c_str(), a.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
        throw std::system_error(static_cast<int>(GetLastError()), std::system_category(), a.string());
#else
    if (std::rename(da.c_str(), a.c_str()) != 0) fallisci(errno, a);
#endif
}

void scrivi_temporaneo(const fs::path& temporaneo, std::string_view dati) {
    errno = 0;
    std::FILE* f = apri_scrittura(temporaneo);
    if (!f) fallisci(errno ? errno : EIO, temporaneo);
    bool ok = std::fwrite(dati.data(), 1, dati.size(), f) == dati.size();
    int numero = errno ? errno : EIO;
    ok = ok && svuota_su_disco(f);
    if (ok) numero = 0;
    else if (errno) numero = errno;
    if (std::fclose(f) != 0 && ok) {
        ok = false;
        numero = errno ? errno : EIO;
    }
    if (!ok) {
        std::error_code ignora;
        fs::remove(temporaneo, ignora);
        fallisci(numero, temporaneo);
    }
}

}  // namespace

bool ArchivioDisco::esiste(const std::string& nome) {
    std::error_code ec;
    return fs::is_regular_file(percorso(nome), ec);
}

std::optional<std::string> ArchivioDisco::leggi(const std::string& nome) {
    std::ifstream in(percorso(nome), std::ios::binary);
    if (!in) return std::nullopt;
    std::string dati{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    if (in.bad()) return std::nullopt;
    return dati;
}

void ArchivioDisco::elimina(const std::string& nome) {
    std::error_code ec;
    fs::remove(percorso(nome), ec);
    if (ec) throw std::system_error(ec, percorso(nome).string());
}

void ArchivioDisco::scrivi(const std::string& nome, std::string_view dati) {
    const fs::path finale = percorso(nome);
    if (sola_lettura(finale)) fallisci(EACCES, finale);
    fs::path temporaneo = finale;
    temporaneo += ".tmp";
    scrivi_temporaneo(temporaneo, dati);
    try {
        sostituisci(temporaneo, finale);
    } catch (...) {
        std::error_code ignora;
        fs::remove(temporaneo, ignora);
        throw;
    }
}

}  // namespace scenario
