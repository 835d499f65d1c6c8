// The one-to-one mapping between Windows-1252 bytes and UTF-8 text.
#include "tool/testo_1252.h"

#include <cstdint>

#include "compiler/testo_unicode.h"

namespace scenario {
namespace {

// Windows-1252; the unassigned five stand for themselves.
std::uint32_t carattere(unsigned char b) { return fuori_da_cp1252(b) ? b : da_cp1252(b); }

std::optional<unsigned char> byte_di(std::uint32_t c) {
    if (c < 0x80 || (c >= 0xA0 && c <= 0xFF)) return static_cast<unsigned char>(c);
    for (unsigned b = 0x80; b < 0xA0; ++b)
        if (carattere(static_cast<unsigned char>(b)) == c) return static_cast<unsigned char>(b);
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
