// errno and its text under the user's locale. The locale is an object of its
// own, never the program's: the global one stays "C", so no number, character
// class or output byte of the run depends on the person's settings.
#include <locale.h>
#include <string.h>

#include <cstring>

#include "platform/testo_errore.h"

namespace scenario {
namespace {

// The environment's locale (LANG, LC_ALL, LC_MESSAGES), made once; null when
// the environment names one this machine lacks.
locale_t locale_utente() {
    static const locale_t l = newlocale(LC_ALL_MASK, "", locale_t{});
    return l;
}

}  // namespace

std::error_code codice_di_sistema(std::error_code ec) {
    if (ec.category() == std::system_category()) return {ec.value(), std::generic_category()};
    return ec;
}

std::string testo_errore_sistema(std::error_code ec) {
    ec = codice_di_sistema(ec);
    if (ec.category() != std::generic_category()) return ec.message();
    const locale_t l = locale_utente();
    // strerror_l's text lives until the next call in this thread: copied at once.
    std::string testo = l != locale_t{} ? strerror_l(ec.value(), l) : std::strerror(ec.value());
    while (!testo.empty() && (testo.back() == '.' || testo.back() == '\n' || testo.back() == ' ')) testo.pop_back();
    return testo.empty() ? "errore sconosciuto" : testo;
}

}  // namespace scenario
