// The fuzz input format: one flag byte, the line text, the separator line
// "@@@@", the train text. Seeds stay readable as plain text files.
#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

namespace scenario::fuzz {

// Ends the line text; the train text starts right after it.
inline constexpr std::string_view separatore_testi = "@@@@\n";

// What one input asks for. The flag byte is read as a digit: '0' plain,
// '1' with geometry, '2' without a line text, '3' both.
struct Ingresso {
    std::int32_t geometria = 0;             // j of memorizza_percorso: bit 0 of the flag byte
    std::optional<std::string_view> linea;  // nothing: bit 1 set, no line text in the folder
    std::optional<std::string_view> treno;  // nothing: no separator, no train text in the folder
};

// Never fails: every byte string is some input, an empty one included.
Ingresso dividi_ingresso(std::string_view dati);

}  // namespace scenario::fuzz
