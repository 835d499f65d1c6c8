// Field names as the model and the dump command spell them.
#include "compiler/decompila_campi.h"

namespace scenario::decompila {
namespace {

std::string n(std::int64_t v) { return std::to_string(v); }

}  // namespace

Campi campi_cella(const Cella& c) {
    return {{"tipo", n(static_cast<std::uint8_t>(c.tipo))},
            {"valore", n(c.valore)},
            {"valore2", n(c.valore2)},
            {"valore3", n(c.valore3)},
            {"valore4", n(c.valore4)},
            {"tempo", n(c.tempo)},
            {"ripetitore", n(c.ripetitore)},
            {"montagna", n(c.montagna)},
            {"velocita_cella", n(c.velocita_cella)},
            {"pendenza_cella", n(c.pendenza_cella)},
            {"aderenza_cella", n(c.aderenza_cella)}};
}

Campi campi_voce(const Voce& v) {
    return {{"byte0", n(v.byte0)},   {"numero1", n(v.numero1)}, {"numero2", n(v.numero2)},
            {"numero3", n(v.numero3)}, {"byte1", n(v.byte1)},     {"stringa", "\"" + v.stringa + "\""},
            {"breve1", n(v.breve1)}, {"breve2", n(v.breve2)},   {"breve3", n(v.breve3)},
            {"breve4", n(v.breve4)}, {"breve5", n(v.breve5)},   {"byte2", n(v.byte2)},
            {"byte3", n(v.byte3)},   {"byte4", n(v.byte4)},     {"byte5", n(v.byte5)},
            {"numero4", n(v.numero4)}};
}

}  // namespace scenario::decompila
