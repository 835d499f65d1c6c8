// The one-to-one mapping between Windows-1252 bytes and UTF-8 text.
#include "tool/testo_1252.h"

#include <array>
#include <cstdint>

namespace scenario {
namespace {

// 0x80 .. 0x9F; the unassigned five stand for themselves.
constexpr std::array<std::uint16_t, 32> da_80 = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

std::uint32_t carattere(unsigned char b) { return b >= 0x80 && b < 0xA0 ? da_80[b - 0x80] : b; }

void aggiungi_utf8(std::string& out, std::uint32_t c) {
    if (c < 0x80) {
        out += static_cast<char>(c);
    } else if (c < 0x800) {
        out += static_cast<char>(0xC0 | (c >> 6));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        out += static_cast<char>(0xE0 | (c >> 12));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    }
}

std::optional<unsigned char> byte_di(std::uint32_t c) {
    if (c < 0x80 || (c >= 0xA0 && c <= 0xFF)) return static_cast<unsigned char>(c);
    for (std::size_t i = 0; i < da_80.size(); ++i)
        if (da_80[i] == c) return static_cast<unsigned char>(0x80 + i);
    return std::nullopt;
}

// The code point at i (advancing i), or nothing for a sequence the mapping cannot hold.
std::optional<std::uint32_t> prossimo(std::string_view t, std::size_t& i) {
    const auto b = static_cast<unsigned char>(t[i++]);
    if (b < 0x80) return b;
    const std::size_t seguono = b >= 0xE0 && b < 0xF0 ? 2 : b >= 0xC2 && b < 0xE0 ? 1 : 0;
    if (seguono == 0 || t.size() - i < seguono) return std::nullopt;
    std::uint32_t c = b & (seguono == 1 ? 0x1F : 0x0F);
    for (std::size_t k = 0; k < seguono; ++k) {
        const auto s = static_cast<unsigned char>(t[i++]);
        if ((s & 0xC0) != 0x80) return std::nullopt;
        c = c << 6 | (s & 0x3F);
    }
    if (seguono == 2 && c < 0x800) return std::nullopt;  // overlong: not how the text was written
    return c;
}

}  // namespace

std::string utf8_da_1252(std::string_view byte) {
    std::string out;
    out.reserve(byte.size());
    for (char b : byte) aggiungi_utf8(out, carattere(static_cast<unsigned char>(b)));
    return out;
}

std::optional<std::string> byte_1252_da_utf8(std::string_view testo) {
    std::string out;
    for (std::size_t i = 0; i < testo.size();) {
        const auto c = prossimo(testo, i);
        const auto b = c ? byte_di(*c) : std::nullopt;
        if (!b) return std::nullopt;
        out += static_cast<char>(*b);
    }
    return out;
}

}  // namespace scenario
