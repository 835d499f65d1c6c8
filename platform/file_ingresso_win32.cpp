// Input files on Windows, through the wide API: a folder is recognised by
// its attributes, a device or pipe by the type of what was opened.
#include <windows.h>

#include <algorithm>
#include <system_error>

#include "platform/file_ingresso.h"
#include "platform/guasto_file.h"

namespace scenario {
namespace {

std::error_code errore_windows() { return {static_cast<int>(GetLastError()), std::system_category()}; }

class Maniglia {
public:
    explicit Maniglia(HANDLE h) : h_(h) {}
    ~Maniglia() {
        if (h_ != INVALID_HANDLE_VALUE) CloseHandle(h_);
    }
    Maniglia(const Maniglia&) = delete;
    Maniglia& operator=(const Maniglia&) = delete;
    HANDLE h() const { return h_; }

private:
    HANDLE h_;
};

}  // namespace

std::string leggi_file_ingresso(const std::filesystem::path& p, std::size_t limite) {
    const DWORD attributi = GetFileAttributesW(p.c_str());
    if (attributi == INVALID_FILE_ATTRIBUTES) throw GuastoFile(errore_windows(), p);
    if (attributi & FILE_ATTRIBUTE_DIRECTORY) throw GuastoFile(std::make_error_code(std::errc::is_a_directory), p);
    const Maniglia m(CreateFileW(p.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                 nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (m.h() == INVALID_HANDLE_VALUE) throw GuastoFile(errore_windows(), p);
    if (GetFileType(m.h()) != FILE_TYPE_DISK)
        throw GuastoFile(std::make_error_code(std::errc::invalid_argument), p, spiegazione_non_regolare);
    LARGE_INTEGER dimensione{};
    if (!GetFileSizeEx(m.h(), &dimensione)) throw GuastoFile(errore_windows(), p);
    if (static_cast<unsigned long long>(dimensione.QuadPart) > limite)
        throw GuastoFile(std::make_error_code(std::errc::file_too_large), p, spiegazione_limite(limite));
    // A file may grow after the size was read: the limit holds for what is read.
    std::string dati;
    std::size_t letti = 0;
    for (;;) {
        dati.resize(std::min(letti + 65536, limite + 1));
        if (letti == dati.size()) break;
        DWORD n = 0;
        if (!ReadFile(m.h(), dati.data() + letti, static_cast<DWORD>(dati.size() - letti), &n, nullptr))
            throw GuastoFile(errore_windows(), p);
        if (n == 0) break;
        letti += n;
    }
    if (letti > limite) throw GuastoFile(std::make_error_code(std::errc::file_too_large), p, spiegazione_limite(limite));
    dati.resize(letti);
    return dati;
}

}  // namespace scenario
