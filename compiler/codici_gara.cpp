// Competition codes over the first 25 bytes of the lower-cased key.
#include "compiler/codici_gara.h"

namespace scenario {
namespace {

constexpr std::string_view coda_chiave = "aabbccddeeffgghhiillmmnnoo";
constexpr int lunghezza_utile = 25;

// Sum of the first 25 key bytes, each weighted by its place when `pesato`.
std::int32_t somma_chiave(Stato& s, bool pesato) {
    s.riga = chiave_gara(s.voci[slot::corsa].stringa, s.voci[slot::percorso].stringa);
    std::int32_t somma = 0;
    for (int i = 0; i < lunghezza_utile; ++i) {
        const auto a = static_cast<unsigned char>(s.riga[static_cast<std::size_t>(i)]);
        somma += pesato ? (i + 1) * a : a;
    }
    return somma;
}

}  // namespace

unsigned char minuscola_1252(unsigned char c) {
    if (c >= 'A' && c <= 'Z') return static_cast<unsigned char>(c + 32);
    if (c >= 0xC0 && c <= 0xDE && c != 0xD7) return static_cast<unsigned char>(c + 32);
    switch (c) {
        case 0x8A: return 0x9A;  // Š
        case 0x8C: return 0x9C;  // Œ
        case 0x8E: return 0x9E;  // Ž
        case 0x9F: return 0xFF;  // Ÿ
        default: return c;
    }
}

std::string chiave_gara(std::string_view treno, std::string_view percorso) {
    std::string chiave;
    chiave.reserve(treno.size() + percorso.size() + coda_chiave.size());
    for (char c : treno) chiave += static_cast<char>(minuscola_1252(static_cast<unsigned char>(c)));
    for (char c : percorso) chiave += static_cast<char>(minuscola_1252(static_cast<unsigned char>(c)));
    chiave += coda_chiave;
    return chiave;
}

std::int32_t codice_gara_og(Stato& s) { return somma_chiave(s, false); }
std::int32_t codice_gara_st(Stato& s) { return somma_chiave(s, true); }

}  // namespace scenario
