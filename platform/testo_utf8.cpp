// UTF-8 for display, with Windows-1252 for stray bytes.
#include "platform/testo_utf8.h"

#include <array>
#include <cstddef>
#include <cstdint>

namespace scenario {
namespace {

// Windows-1252 0x80 to 0x9F; the five unassigned bytes show U+FFFD.
constexpr std::array<std::uint16_t, 32> cp1252_80_9f = {
    0x20AC, 0xFFFD, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0xFFFD, 0x017D, 0xFFFD, 0xFFFD, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0xFFFD, 0x017E, 0x0178};

bool tra(unsigned char b, unsigned char minimo, unsigned char massimo) { return b >= minimo && b <= massimo; }

// A sequence led by a byte: its length, and the range its second byte must
// lie in (RFC 3629: no overlong forms, no surrogates, nothing past U+10FFFF).
struct Forma {
    std::size_t n;
    unsigned char minimo;
    unsigned char massimo;
};

Forma forma(unsigned char b) {
    if (tra(b, 0xC2, 0xDF)) return {2, 0x80, 0xBF};
    if (b == 0xE0) return {3, 0xA0, 0xBF};
    if (b == 0xED) return {3, 0x80, 0x9F};
    if (tra(b, 0xE1, 0xEF)) return {3, 0x80, 0xBF};
    if (b == 0xF0) return {4, 0x90, 0xBF};
    if (b == 0xF4) return {4, 0x80, 0x8F};
    if (tra(b, 0xF1, 0xF3)) return {4, 0x80, 0xBF};
    return {0, 0, 0};
}

// Length of the well-formed UTF-8 sequence at `i`, or 0 when there is none.
std::size_t sequenza_valida(std::string_view t, std::size_t i) {
    const auto b = static_cast<unsigned char>(t[i]);
    if (b < 0x80) return 1;
    const Forma f = forma(b);
    if (f.n == 0 || t.size() - i < f.n) return 0;
    if (!tra(static_cast<unsigned char>(t[i + 1]), f.minimo, f.massimo)) return 0;
    for (std::size_t k = 2; k < f.n; ++k)
        if (!tra(static_cast<unsigned char>(t[i + k]), 0x80, 0xBF)) return 0;
    return f.n;
}

void aggiungi_utf8(std::string& uscita, std::uint32_t c) {
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

std::uint32_t da_cp1252(unsigned char b) { return tra(b, 0x80, 0x9F) ? cp1252_80_9f[b - 0x80] : b; }

}  // namespace

std::string testo_utf8(std::string_view testo) {
    std::string uscita;
    uscita.reserve(testo.size());
    for (std::size_t i = 0; i < testo.size();) {
        if (const std::size_t n = sequenza_valida(testo, i)) {
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
