// The stored design of the builder's window, the same on every display:
// sizes in pixels, the label's font as the designer chose it.
#pragma once

#include <string_view>

namespace scenario::disegno {

inline constexpr std::string_view titolo = "B";
inline constexpr int larghezza = 280;  // client area
inline constexpr int altezza = 179;

inline constexpr std::string_view testo = "Attendere";
inline constexpr int etichetta_x = 64;  // inside the client area
inline constexpr int etichetta_y = 64;
inline constexpr int etichetta_larghezza = 177;
inline constexpr int etichetta_altezza = 53;

inline constexpr std::string_view carattere = "MS Sans Serif";
inline constexpr int punti = 24;
inline constexpr int pixel = 32;  // 24 points at 96 dots per inch
inline constexpr int peso = 700;  // bold
// Where the machine has not the designer's font, its substitute is made
// smaller until the text fits the label, down to this size.
inline constexpr int pixel_minimi = 8;

}  // namespace scenario::disegno
