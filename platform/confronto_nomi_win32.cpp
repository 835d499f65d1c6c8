// Windows names: compared in UTF-16 without regard to case, by the rule the
// file system itself uses (an ordinal comparison, not a language's). What
// is left is cut from the UTF-16 too, where the match really ended.
#include <windows.h>

#include "platform/confronto_nomi.h"
#include "platform/percorso_utf8.h"

namespace scenario {
namespace {

bool uguali(const wchar_t* a, const std::wstring& b) {
    const int n = static_cast<int>(b.size());
    return CompareStringOrdinal(a, n, b.data(), n, TRUE) == CSTR_EQUAL;
}

std::string utf8(std::wstring_view largo) { return utf8_di_percorso(std::filesystem::path(largo)); }

}  // namespace

std::optional<std::string> nome_senza_inizio(std::string_view nome, std::string_view inizio) {
    const std::wstring n = percorso_da_utf8(nome).native();
    const std::wstring i = percorso_da_utf8(inizio).native();
    if (i.size() > n.size() || !uguali(n.data(), i)) return std::nullopt;
    return utf8(std::wstring_view(n).substr(i.size()));
}

std::optional<std::string> nome_senza_fine(std::string_view nome, std::string_view fine) {
    const std::wstring n = percorso_da_utf8(nome).native();
    const std::wstring f = percorso_da_utf8(fine).native();
    if (f.size() > n.size() || !uguali(n.data() + (n.size() - f.size()), f)) return std::nullopt;
    return utf8(std::wstring_view(n).substr(0, n.size() - f.size()));
}

}  // namespace scenario
