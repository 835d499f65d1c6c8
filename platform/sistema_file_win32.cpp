// File calls on Windows, through the wide API: CREATE_NEW for exclusive
// creation, and a named mutex, derived from the folder's full path, as the lock.
#include <fcntl.h>
#include <io.h>
#include <windows.h>

#include <cerrno>
#include <cstdint>
#include <cstdio>
#include <cwctype>
#include <string>

#include "platform/sistema_file.h"
#include "platform/testo_errore.h"

namespace scenario::sistema {
namespace fs = std::filesystem;

void azzera_errore_c() {
    errno = 0;
    _doserrno = 0;
}

std::error_code errore_c() {
    if (_doserrno != 0) return {static_cast<int>(_doserrno), std::system_category()};
    return codice_di_sistema({errno != 0 ? errno : EIO, std::generic_category()});
}

namespace {

// "Name taken" reads the same on every system, so callers can test for it.
std::error_code errore_windows() {
    const DWORD numero = GetLastError();
    if (numero == ERROR_FILE_EXISTS || numero == ERROR_ALREADY_EXISTS) return std::make_error_code(std::errc::file_exists);
    return {static_cast<int>(numero), std::system_category()};
}

class BloccoMutex final : public BloccoCartella {
public:
    explicit BloccoMutex(HANDLE h) : h_(h) {}
    ~BloccoMutex() override {
        ReleaseMutex(h_);
        CloseHandle(h_);
    }
    BloccoMutex(const BloccoMutex&) = delete;
    BloccoMutex& operator=(const BloccoMutex&) = delete;

private:
    HANDLE h_;
};

// One name per folder however it is spelt: full, resolved, lower case, as a
// 64-bit FNV-1a hash (a mutex name has no room for every path).
std::wstring nome_mutex(const fs::path& cartella) {
    std::error_code ec;
    fs::path piena = fs::weakly_canonical(fs::absolute(cartella, ec), ec);
    if (ec) piena = fs::absolute(cartella, ec);
    std::wstring testo = piena.wstring();
    while (testo.size() > 3 && (testo.back() == L'\\' || testo.back() == L'/')) testo.pop_back();
    std::uint64_t h = 14695981039346656037ull;
    for (const wchar_t c : testo) {
        h ^= static_cast<std::uint64_t>(std::towlower(c == L'/' ? L'\\' : c));
        h *= 1099511628211ull;
    }
    std::wstring nome = L"Global\\crea_scenario_cartella_";
    for (int i = 60; i >= 0; i -= 4) nome += L"0123456789abcdef"[(h >> i) & 0xF];
    return nome;
}

}  // namespace

std::error_code crea_esclusivo(const fs::path& p, std::FILE*& f) {
    // FILE_SHARE_DELETE lets the Ctrl-C handler remove the file while it is open.
    HANDLE h = CreateFileW(p.c_str(), GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_DELETE, nullptr, CREATE_NEW,
                           FILE_ATTRIBUTE_NORMAL, nullptr);
    if (h == INVALID_HANDLE_VALUE) return errore_windows();
    azzera_errore_c();
    const int fd = _open_osfhandle(reinterpret_cast<intptr_t>(h), _O_WRONLY | _O_BINARY);
    std::FILE* flusso = fd < 0 ? nullptr : _fdopen(fd, "wb");
    if (!flusso) {
        const std::error_code ec = errore_c();
        if (fd < 0) CloseHandle(h);
        else _close(fd);
        DeleteFileW(p.c_str());  // made by this call a moment ago
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
    if (std::fflush(f) != 0 || _commit(_fileno(f)) != 0) return errore_c();
    return {};
}

// Windows has no call that starts the writes of a range without waiting:
// the sync does all the work.
bool avvia_scrittura(std::FILE*, std::uint64_t, std::uint64_t) { return false; }

std::error_code rinomina(const fs::path& da, const fs::path& a) {
    if (!MoveFileExW(da.c_str(), a.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) return errore_windows();
    return {};
}

std::error_code collega(const fs::path& da, const fs::path& a) {
    if (!CreateHardLinkW(a.c_str(), da.c_str(), nullptr)) return errore_windows();
    return {};
}

std::error_code elimina(const fs::path& p) {
    azzera_errore_c();
    if (_wremove(p.c_str()) != 0 && errno != ENOENT) return errore_c();
    return {};
}

// Renames made with MOVEFILE_WRITE_THROUGH are on the device when they return.
std::error_code sincronizza_cartella(const fs::path&) { return {}; }

std::error_code blocca(const fs::path& cartella, std::unique_ptr<BloccoCartella>& blocco) {
    HANDLE h = CreateMutexW(nullptr, FALSE, nome_mutex(cartella).c_str());
    if (!h) return errore_windows();
    // WAIT_ABANDONED: the last holder died holding it, and it is ours now.
    if (WaitForSingleObject(h, INFINITE) == WAIT_FAILED) {
        const std::error_code ec = errore_windows();
        CloseHandle(h);
        return ec;
    }
    blocco = std::make_unique<BloccoMutex>(h);
    return {};
}

// The lock's own name: it is made from the full, resolved path already.
std::error_code identita_cartella(const fs::path& cartella, std::string& identita) {
    const std::wstring nome = nome_mutex(cartella);
    identita.assign(nome.begin(), nome.end());  // ASCII only
    return {};
}

std::FILE* apri_lettura(const fs::path& p) { return _wfopen(p.c_str(), L"rb"); }

}  // namespace scenario::sistema
