// Little-endian field readers for the compiled files, the mirror of
// scrittura_binaria.h: a cursor over a file's bytes that never reads past
// their end, so a decoder stays inside the file whatever the file holds.
#pragma once

#include <bit>
#include <cstddef>
#include <cstdint>
#include <string_view>

namespace scenario {

class LettoreByte {
public:
    explicit LettoreByte(std::string_view dati) : dati_(dati) {}

    std::size_t posizione() const { return pos_; }
    std::size_t dimensione() const { return dati_.size(); }
    bool restano(std::size_t n) const { return dati_.size() - pos_ >= n; }
    bool alla_fine() const { return pos_ == dati_.size(); }

    // Each field read is checked with restano() by the caller first; a read
    // past the end gives 0 and leaves the cursor where it is.
    std::uint8_t u8() { return static_cast<std::uint8_t>(le(1)); }
    std::uint16_t u16() { return static_cast<std::uint16_t>(le(2)); }
    std::int16_t i16() { return static_cast<std::int16_t>(u16()); }
    std::int32_t i32() { return static_cast<std::int32_t>(static_cast<std::uint32_t>(le(4))); }
    double f64() { return std::bit_cast<double>(le(8)); }
    std::string_view byte(std::size_t n) {
        if (!restano(n)) return {};
        const std::string_view parte = dati_.substr(pos_, n);
        pos_ += n;
        return parte;
    }

private:
    std::uint64_t le(std::size_t n) {
        if (!restano(n)) return 0;
        std::uint64_t v = 0;
        for (std::size_t i = n; i-- > 0;) v = v << 8 | static_cast<std::uint8_t>(dati_[pos_ + i]);
        pos_ += n;
        return v;
    }

    std::string_view dati_;
    std::size_t pos_ = 0;
};

}  // namespace scenario
