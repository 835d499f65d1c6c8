// UTF-8 for display, with Windows-1252 for stray bytes.
#include "platform/testo_utf8.h"

#include "compiler/testo_unicode.h"

namespace scenario {

std::string testo_utf8(std::string_view testo) {
    std::string uscita;
    uscita.reserve(testo.size());
    for (std::size_t i = 0; i < testo.size();) {
        if (const std::size_t n = sequenza_utf8(testo, i)) {
            uscita.append(testo.substr(i, n));
            i += n;
        } else {
            aggiungi_utf8(uscita, da_cp1252(static_cast<unsigned char>(testo[i])));
            ++i;
        }
    }
    return uscita;
}

}  // namespace scenario
