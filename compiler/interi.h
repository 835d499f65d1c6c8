// Exact integer helpers of the compiler: rounding a quotient to nearest with
// ties to even, and keeping the low bits of a value for 8- and 16-bit fields.
#pragma once

#include <cstdint>

namespace scenario {

// nearest(n / d), ties to even, for any n and a positive d; no floating point,
// so a cell index never depends on how a platform rounds a double.
constexpr std::int64_t dividi_vicino(std::int64_t n, std::int64_t d) {
    std::int64_t q = n / d;
    std::int64_t r = n % d;
    if (r < 0) {  // floor division, so that r lies in 0 .. d - 1
        --q;
        r += d;
    }
    if (2 * r > d || (2 * r == d && q % 2 != 0)) ++q;
    return q;
}

// The low 16 bits as a signed field: wraps like the stored files expect.
constexpr std::int16_t basso16(std::int64_t v) {
    return static_cast<std::int16_t>(static_cast<std::uint16_t>(v));
}

// The low 8 bits as an unsigned field.
constexpr std::uint8_t basso8(std::int64_t v) { return static_cast<std::uint8_t>(v); }

// The low 32 bits as a signed field.
constexpr std::int32_t basso32(std::int64_t v) {
    return static_cast<std::int32_t>(static_cast<std::uint32_t>(v));
}

}  // namespace scenario
