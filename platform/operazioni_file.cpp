// The real file operations of the disk archive: C streams for the bytes, and
// the system's own calls where the standard library has no durable equivalent.
#include "platform/operazioni_file.h"

#include <array>
#include <cerrno>

#ifdef _WIN32
#include <io.h>
#include <windows.h>
#else
#include <unistd.h>
#endif

namespace scenario {
namespace fs = std::filesystem;

namespace {

// The last C library failure; EIO where the library gave no number.
std::error_code errore_c() { return {errno != 0 ? errno : EIO, std::generic_category()}; }

std::FILE* apri_flusso(const fs::path& p, bool scrittura) {
#ifdef _WIN32
    return _wfopen(p.c_str(), scrittura ? L"wb" : L"rb");
#else
    return std::fopen(p.c_str(), scrittura ? "wb" : "rb");
#endif
}

std::error_code leggi_flusso(std::FILE* f, std::string& dati) {
    std::array<char, 65536> blocco{};
    errno = 0;
    for (;;) {
        const std::size_t n = std::fread(blocco.data(), 1, blocco.size(), f);
        dati.append(blocco.data(), n);
        if (n < blocco.size()) break;
    }
    return std::ferror(f) ? errore_c() : std::error_code{};
}

class OperazioniDiSistema final : public OperazioniFile {
public:
    std::error_code esamina(const fs::path& p, StatoFile& stato) override {
        std::error_code ec;
        const fs::file_status s = fs::status(p, ec);
        stato = StatoFile{};
        if (s.type() == fs::file_type::not_found) return {};
        if (ec) return ec;
        constexpr fs::perms scrittura = fs::perms::owner_write | fs::perms::group_write | fs::perms::others_write;
        stato.esiste = true;
        stato.regolare = s.type() == fs::file_type::regular;
        stato.sola_lettura = (s.permissions() & scrittura) == fs::perms::none;
        return {};
    }

    std::error_code apri(const fs::path& p, std::FILE*& f) override {
        errno = 0;
        std::FILE* aperto = apri_flusso(p, true);
        if (!aperto) return errore_c();
        f = aperto;
        return {};
    }

    std::error_code scrivi(std::FILE* f, std::string_view dati) override {
        errno = 0;
        if (std::fwrite(dati.data(), 1, dati.size(), f) != dati.size()) return errore_c();
        return {};
    }

    std::error_code sincronizza(std::FILE* f) override {
        errno = 0;
        if (std::fflush(f) != 0) return errore_c();
#ifdef _WIN32
        if (_commit(_fileno(f)) != 0) return errore_c();
#else
        if (fsync(fileno(f)) != 0) return errore_c();
#endif
        return {};
    }

    std::error_code chiudi(std::FILE* f) override {
        errno = 0;
        return std::fclose(f) != 0 ? errore_c() : std::error_code{};
    }

    std::error_code rinomina(const fs::path& da, const fs::path& a) override {
#ifdef _WIN32
        if (!MoveFileExW(da.c_str(), a.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
            return {static_cast<int>(GetLastError()), std::system_category()};
#else
        errno = 0;
        if (std::rename(da.c_str(), a.c_str()) != 0) return errore_c();
#endif
        return {};
    }

    std::error_code elimina(const fs::path& p) override {
        errno = 0;
#ifdef _WIN32
        const bool fallita = _wremove(p.c_str()) != 0;
#else
        const bool fallita = unlink(p.c_str()) != 0;
#endif
        if (fallita && errno != ENOENT) return errore_c();
        return {};
    }

    std::error_code leggi(const fs::path& p, std::string& dati) override {
        errno = 0;
        std::FILE* f = apri_flusso(p, false);
        if (!f) return errore_c();
        std::error_code ec = leggi_flusso(f, dati);
        std::fclose(f);  // read only: nothing to lose on close
        return ec;
    }
};

}  // namespace

OperazioniFile& operazioni_di_sistema() {
    static OperazioniDiSistema sistema;
    return sistema;
}

}  // namespace scenario
