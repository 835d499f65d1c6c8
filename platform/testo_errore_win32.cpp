// Windows error numbers and FormatMessage's text in the user's language.
#include <windows.h>

#include <cerrno>
#include <string>

#include "platform/testo_errore.h"

namespace scenario {
namespace {

// The Windows error the system reports where the C library or std::errc
// says this errno; ERROR_GEN_FAILURE for the few that have no counterpart.
DWORD errore_windows_di(int numero) {
    switch (numero) {
        case ENOENT: return ERROR_FILE_NOT_FOUND;
        case EACCES:
        case EPERM:
        case EISDIR:  // Windows refuses a folder opened or replaced as a file with "access denied"
            return ERROR_ACCESS_DENIED;
        case EEXIST: return ERROR_FILE_EXISTS;
        case ENOSPC: return ERROR_DISK_FULL;
        case EFBIG: return ERROR_FILE_TOO_LARGE;
        case EINVAL: return ERROR_INVALID_PARAMETER;
        case EBADF: return ERROR_INVALID_HANDLE;
        case ENOMEM: return ERROR_NOT_ENOUGH_MEMORY;
        case EMFILE: return ERROR_TOO_MANY_OPEN_FILES;
        case ENAMETOOLONG: return ERROR_FILENAME_EXCED_RANGE;
        case ENOTEMPTY: return ERROR_DIR_NOT_EMPTY;
        case EXDEV: return ERROR_NOT_SAME_DEVICE;
        case EROFS: return ERROR_WRITE_PROTECT;
        case EBUSY: return ERROR_BUSY;
        default: return ERROR_GEN_FAILURE;
    }
}

std::string utf8(const wchar_t* testo, int lunghezza) {
    const int n = WideCharToMultiByte(CP_UTF8, 0, testo, lunghezza, nullptr, 0, nullptr, nullptr);
    std::string uscita(static_cast<std::size_t>(n > 0 ? n : 0), '\0');
    if (n > 0) WideCharToMultiByte(CP_UTF8, 0, testo, lunghezza, uscita.data(), n, nullptr, nullptr);
    return uscita;
}

}  // namespace

std::error_code codice_di_sistema(std::error_code ec) {
    if (!ec || ec.category() == std::system_category()) return ec;
    if (ec.category() != std::generic_category()) return ec;
    return {static_cast<int>(errore_windows_di(ec.value())), std::system_category()};
}

std::string testo_errore_sistema(std::error_code ec) {
    ec = codice_di_sistema(ec);
    if (ec.category() != std::system_category()) return ec.message();
    wchar_t* testo = nullptr;
    // Language 0: the user's own, falling back as Windows does.
    const DWORD n = FormatMessageW(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS |
                                       FORMAT_MESSAGE_ALLOCATE_BUFFER,
                                   nullptr, static_cast<DWORD>(ec.value()), 0, reinterpret_cast<LPWSTR>(&testo), 0,
                                   nullptr);
    std::string risultato = n > 0 && testo != nullptr ? utf8(testo, static_cast<int>(n)) : std::string();
    if (testo != nullptr) LocalFree(testo);
    while (!risultato.empty() &&
           (risultato.back() == '.' || risultato.back() == '\r' || risultato.back() == '\n' || risultato.back() == ' '))
        risultato.pop_back();
    return risultato.empty() ? "errore sconosciuto" : risultato;
}

}  // namespace scenario
