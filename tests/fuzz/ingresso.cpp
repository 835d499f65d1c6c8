// Splits one fuzz input into the geometry flag and the two source texts.
#include "tests/fuzz/ingresso.h"

namespace scenario::fuzz {

Ingresso dividi_ingresso(std::string_view dati) {
    Ingresso ingresso;
    if (dati.empty()) {
        ingresso.linea = dati;
        return ingresso;
    }
    const auto bandiera = static_cast<unsigned char>(dati.front());
    dati.remove_prefix(1);
    ingresso.geometria = (bandiera & 1u) != 0 ? 1 : 0;
    const std::size_t taglio = dati.find(separatore_testi);
    const std::string_view linea = dati.substr(0, taglio);
    if ((bandiera & 2u) == 0) ingresso.linea = linea;
    if (taglio != std::string_view::npos) ingresso.treno = dati.substr(taglio + separatore_testi.size());
    return ingresso;
}

}  // namespace scenario::fuzz
