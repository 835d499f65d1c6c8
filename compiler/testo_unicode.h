// Windows-1252, the code page of the scenario's texts, and UTF-8, what a
// person reads on a screen, in a report or a box: the few rules both the
// report and the display layers need.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace scenario {

// The code point of one Windows-1252 byte; the five unassigned bytes (0x81,
// 0x8D, 0x8F, 0x90, 0x9D) give U+FFFD.
constexpr std::uint32_t da_cp1252(unsigned char b) {
    constexpr std::array<std::uint16_t, 32> da_80_a_9f = {
        0x20AC, 0xFFFD, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
        0x2039, 0x0152, 0xFFFD, 0x017D, 0xFFFD, 0xFFFD, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
        0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0xFFFD, 0x017E, 0x0178};
    return b >= 0x80 && b <= 0x9F ? da_80_a_9f[b - 0x80] : b;
}

// True for the five bytes Windows-1252 leaves unassigned.
constexpr bool fuori_da_cp1252(unsigned char b) { return da_cp1252(b) == 0xFFFD; }

// A code point below U+10000 appended as UTF-8.
inline void aggiungi_utf8(std::string& uscita, std::uint32_t c) {
    if (c < 0x80) {
        uscita += static_cast<char>(c);
    } else if (c < 0x800) {
        uscita += static_cast<char>(0xC0 | (c >> 6));
        uscita += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        uscita += static_cast<char>(0xE0 | (c >> 12));
        uscita += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        uscita += static_cast<char>(0x80 | (c & 0x3F));
    }
}

// Length of the well-formed UTF-8 sequence at byte i (RFC 3629: no overlong
// forms, no surrogates, nothing past U+10FFFF), or 0 when none starts there.
constexpr std::size_t sequenza_utf8(std::string_view t, std::size_t i) {
    const auto byte = [&t](std::size_t k) { return static_cast<unsigned char>(t[k]); };
    const unsigned char b = byte(i);
    if (b < 0x80) return 1;
    std::size_t n = 0;
    unsigned char minimo = 0x80;
    unsigned char massimo = 0xBF;
    if (b >= 0xC2 && b <= 0xDF) n = 2;
    else if (b == 0xE0) n = 3, minimo = 0xA0;
    else if (b == 0xED) n = 3, massimo = 0x9F;
    else if (b >= 0xE1 && b <= 0xEF) n = 3;
    else if (b == 0xF0) n = 4, minimo = 0x90;
    else if (b == 0xF4) n = 4, massimo = 0x8F;
    else if (b >= 0xF1 && b <= 0xF3) n = 4;
    if (n == 0 || t.size() - i < n) return 0;
    if (byte(i + 1) < minimo || byte(i + 1) > massimo) return 0;
    for (std::size_t k = 2; k < n; ++k) {
        if (byte(i + k) < 0x80 || byte(i + k) > 0xBF) return 0;
    }
    return n;
}

}  // namespace scenario
