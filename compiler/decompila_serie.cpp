// Runs of one byte per cell back to the rows that write them.
#include "compiler/decompila_serie.h"

#include "compiler/modello.h"

namespace scenario::decompila {
namespace {

std::uint8_t byte_di(const Cella& c, Serie serie) {
    switch (serie) {
        case Serie::pendenza: return c.pendenza_cella;
        case Serie::velocita: return c.velocita_cella;
        case Serie::aderenza: return c.aderenza_cella;
    }
    return 0;
}

// The value a row carries to make the reader store byte b: gradients go in
// plus 100, speeds divided by 5, adhesions as they are.
std::int32_t valore_di(std::uint8_t b, Serie serie) {
    switch (serie) {
        case Serie::pendenza: return std::int32_t{b} - 100;
        case Serie::velocita: return std::int32_t{b} * 5;
        case Serie::aderenza: return b;
    }
    return 0;
}

std::int32_t metro(std::size_t cella) { return static_cast<std::int32_t>(cella * metri_cella); }

}  // namespace

std::vector<Cambio> cambi(const std::vector<Cella>& celle, Serie serie) {
    std::vector<Cambio> righe;
    if (celle.size() < 3) return righe;
    const std::size_t coda = celle.size() - 3;  // the tail writes cells 0 .. coda - 1
    // Cells the readers must write: at least up to the tail, on to the last nonzero one.
    std::size_t scritte = coda;
    for (std::size_t k = coda; k < celle.size(); ++k)
        if (byte_di(celle[k], serie) != 0) scritte = k + 1;

    righe.push_back({0, valore_di(byte_di(celle[0], serie), serie)});
    for (std::size_t k = 1; k < coda; ++k) {
        const std::uint8_t b = byte_di(celle[k], serie);
        if (b != byte_di(celle[k - 1], serie)) righe.push_back({metro(k), valore_di(b, serie)});
    }
    // Beyond the tail: each row at the tail's metre writes the cell before the
    // cursor with the value in force and puts its own value in force.
    for (std::size_t k = coda; k < scritte; ++k) righe.push_back({metro(coda), valore_di(byte_di(celle[k], serie), serie)});
    return righe;
}

}  // namespace scenario::decompila
