// Reads the compiled files back byte by byte, little-endian, without the
// compiler's own encoders, so that a fault in those cannot hide itself.
#include "tests/fuzz/formati.h"

#include <array>
#include <bit>
#include <cmath>
#include <cstring>

namespace scenario::fuzz {
namespace {

constexpr std::size_t byte_cella = 15;
constexpr std::size_t byte_fissi_voce = 34;
constexpr int voci = 87;
constexpr std::array<int, 12> tipi_cella = {0, 1, 2, 3, 4, 5, 6, 10, 11, 12, 13, 14};

// A cursor over a file's bytes; every read is tested against the end first.
class Byte {
public:
    explicit Byte(std::string_view dati) : dati_(dati) {}
    std::size_t posizione() const { return pos_; }
    bool restano(std::size_t n) const { return dati_.size() - pos_ >= n; }
    bool alla_fine() const { return pos_ == dati_.size(); }
    void salta(std::size_t n) { pos_ += n; }
    template <std::size_t n>
    std::uint64_t le() {  // n little-endian bytes
        std::array<unsigned char, n> byte;
        std::memcpy(byte.data(), dati_.data() + pos_, n);
        pos_ += n;
        std::uint64_t v = 0;
        for (std::size_t i = n; i-- > 0;) v = v << 8 | byte[i];
        return v;
    }
    std::int16_t i16() { return static_cast<std::int16_t>(static_cast<std::uint16_t>(le<2>())); }

private:
    std::string_view dati_;
    std::size_t pos_ = 0;
};

std::string a_testo(std::int64_t n) { return std::to_string(n); }

bool tipo_noto(int tipo) {
    for (int t : tipi_cella) {
        if (t == tipo) return true;
    }
    return false;
}

// Why an element breaks the shape of a faultless run's geometry, or nothing.
const char* forma_sbagliata(std::int64_t metro, std::int64_t coordinata, std::int64_t ultimo, std::uint64_t tag,
                            std::int16_t intero) {
    if (metro <= 1) {
        const std::int16_t atteso = coordinata == 1 && metro == 1 ? 1 : 0;
        return tag != 2 || intero != atteso ? " is not the fixed 16-bit point" : nullptr;
    }
    return metro <= ultimo - 2 && tag != 5 ? " was never computed" : nullptr;
}

}  // namespace

std::string verifica_file_celle(std::string_view dati, std::int32_t numero_celle) {
    const std::int64_t attesi = static_cast<std::int64_t>(byte_cella) * (std::int64_t{numero_celle} + 1);
    if (numero_celle < 1 || static_cast<std::int64_t>(dati.size()) != attesi) {
        return "cell file: " + a_testo(static_cast<std::int64_t>(dati.size())) + " bytes for numero_celle " +
               a_testo(numero_celle);
    }
    Byte b(dati);
    for (std::int64_t c = 0; c <= numero_celle; ++c) {
        const int tipo = static_cast<int>(b.le<1>());
        const std::int16_t valore = b.i16();
        b.salta(byte_cella - 3);
        if (!tipo_noto(tipo)) return "cell file: cell " + a_testo(c) + " has type " + a_testo(tipo);
        if (c == 1 && valore != 5121) return "cell file: cell 1 lacks the marker 5121";
    }
    return {};
}

std::string verifica_file_tabella(std::string_view dati) {
    Byte b(dati);
    for (int slot = 0; slot < voci; ++slot) {
        if (!b.restano(byte_fissi_voce)) return "table file: record " + a_testo(slot) + " is cut short";
        b.salta(14);
        const auto lunghezza = static_cast<std::size_t>(b.le<2>());
        if (!b.restano(lunghezza + byte_fissi_voce - 16)) {
            return "table file: the text of record " + a_testo(slot) + " runs past the end";
        }
        b.salta(lunghezza);
        const std::int16_t breve1 = b.i16();
        b.salta(byte_fissi_voce - 18);
        if (slot == 85 && breve1 != 610) return "table file: slot 85 lacks the marker 610";
    }
    if (!b.alla_fine()) return "table file: bytes after the 87th record";
    return {};
}

std::string verifica_file_tracciato(std::string_view dati, std::int32_t lunghezza_estesa, bool completa) {
    const std::int64_t metri = std::int64_t{lunghezza_estesa} + 1;
    // Built only for a broken element: a file holds up to two million of them.
    const auto rotto = [](std::int64_t k, std::string_view perche) {
        return "geometry file: element " + a_testo(k) + " " + std::string(perche);
    };
    Byte b(dati);
    for (std::int64_t k = 0; k < 2 * metri; ++k) {
        if (!b.restano(2)) return rotto(k, "is cut short");
        const std::uint64_t tag = b.le<2>();
        std::int16_t intero = 0;
        if (tag == 2) {
            if (!b.restano(2)) return rotto(k, "is cut short");
            intero = b.i16();
        } else if (tag == 5) {
            if (!b.restano(8)) return rotto(k, "is cut short");
            if (!std::isfinite(std::bit_cast<double>(b.le<8>()))) return rotto(k, "is not a finite number");
        } else if (tag != 0) {
            return rotto(k, "has tag " + a_testo(static_cast<std::int64_t>(tag)));
        }
        if (!completa) continue;
        const std::int64_t metro = k % metri;
        if (const char* perche = forma_sbagliata(metro, k / metri, lunghezza_estesa, tag, intero)) {
            return "geometry file: metro " + a_testo(metro) + perche;
        }
    }
    if (!b.alla_fine()) return "geometry file: bytes after the last element";
    return {};
}

}  // namespace scenario::fuzz
