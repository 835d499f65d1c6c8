// The JSON of `scenario dump` turned back into the bytes of the file it
// describes, through the compiler's own encoders: what the JSON leaves out
// or gets wrong shows as a difference from the file.
#pragma once

#include <nlohmann/json.hpp>
#include <string>

#include "compiler/codifica.h"
#include "compiler/stato.h"
#include "tool/testo_1252.h"

namespace scenario::test {

inline std::string celle_da_json(const nlohmann::json& j) {
    Stato s;
    s.numero_celle = j.at("numero_celle").get<std::int32_t>();
    s.celle.assign(static_cast<std::size_t>(s.numero_celle) + 1, Cella{});
    for (const auto& c : j.at("celle")) {
        Cella& d = s.celle.at(c.at("indice").get<std::size_t>());
        d.tipo = static_cast<decltype(d.tipo)>(c.at("tipo").get<std::uint8_t>());
        d.valore = c.at("valore").get<std::int16_t>();
        d.valore2 = c.at("valore2").get<std::int16_t>();
        d.valore3 = c.at("valore3").get<std::int16_t>();
        d.valore4 = c.at("valore4").get<std::int16_t>();
        d.tempo = c.at("tempo").get<std::uint8_t>();
        d.ripetitore = c.at("ripetitore").get<std::uint8_t>();
        d.montagna = c.at("montagna").get<std::uint8_t>();
        d.velocita_cella = c.at("velocita_cella").get<std::uint8_t>();
        d.pendenza_cella = c.at("pendenza_cella").get<std::uint8_t>();
        d.aderenza_cella = c.at("aderenza_cella").get<std::uint8_t>();
    }
    return codifica_celle(s);
}

inline std::string tabella_da_json(const nlohmann::json& j) {
    Stato s;
    for (const auto& v : j.at("voci")) {
        Voce& d = s.voci.at(v.at("slot").get<std::size_t>());
        d.byte0 = v.at("byte0").get<std::uint8_t>();
        d.numero1 = v.at("numero1").get<std::int32_t>();
        d.numero2 = v.at("numero2").get<std::int32_t>();
        d.numero3 = v.at("numero3").get<std::int32_t>();
        d.byte1 = v.at("byte1").get<std::uint8_t>();
        d.stringa = byte_1252_da_utf8(v.at("stringa").get<std::string>()).value_or("<not Windows-1252>");
        d.breve1 = v.at("breve1").get<std::int16_t>();
        d.breve2 = v.at("breve2").get<std::int16_t>();
        d.breve3 = v.at("breve3").get<std::int16_t>();
        d.breve4 = v.at("breve4").get<std::int16_t>();
        d.breve5 = v.at("breve5").get<std::int16_t>();
        d.byte2 = v.at("byte2").get<std::uint8_t>();
        d.byte3 = v.at("byte3").get<std::uint8_t>();
        d.byte4 = v.at("byte4").get<std::uint8_t>();
        d.byte5 = v.at("byte5").get<std::uint8_t>();
        d.numero4 = v.at("numero4").get<std::int32_t>();
    }
    return codifica_voci(s);
}

inline Elemento elemento_da_json(const nlohmann::json& tag, const nlohmann::json& valore) {
    Elemento e;
    e.tag = static_cast<Elemento::Tag>(tag.get<std::uint16_t>());
    if (e.tag == Elemento::Tag::intero) e.intero = valore.get<std::int16_t>();
    if (e.tag == Elemento::Tag::doppio) e.doppio = valore.get<double>();
    return e;
}

inline std::string tracciato_da_json(const nlohmann::json& j) {
    const std::size_t metri = j.at("lunghezza_estesa").get<std::size_t>() + 1;
    std::vector<Elemento> elementi(2 * metri);
    for (const auto& m : j.at("metri")) {
        const std::size_t metro = m.at("metro").get<std::size_t>();
        elementi.at(metro) = elemento_da_json(m.at("tag_x"), m.at("x"));
        elementi.at(metro + metri) = elemento_da_json(m.at("tag_y"), m.at("y"));
    }
    return codifica_elementi(elementi);
}

}  // namespace scenario::test
