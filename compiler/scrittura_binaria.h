// The little-endian writer of the compiled files: every field goes out byte
// by byte, so the files never depend on how a struct is laid out. scrivi_le
// fills a buffer sized beforehand (the 2 MB geometry); the put_ helpers
// append one field to a string through it.
#pragma once

#include <bit>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <limits>
#include <string>

namespace scenario {

static_assert(std::numeric_limits<double>::is_iec559, "the line geometry stores IEEE doubles");

// The n low bytes of v, lowest first, stored at p; returns the place after them.
// On a little-endian machine those are v's first n bytes in memory: one copy
// (the 20 MB geometry is ten of these per metre); elsewhere byte by byte.
template <std::size_t n>
char* scrivi_le(char* p, std::uint64_t v) {
    static_assert(n <= sizeof v);
    if constexpr (std::endian::native == std::endian::little) {
        std::memcpy(p, &v, n);
    } else {
        for (std::size_t i = 0; i < n; ++i) p[i] = static_cast<char>(static_cast<std::uint8_t>(v >> (8 * i)));
    }
    return p + n;
}

template <std::size_t n>
void put_le(std::string& out, std::uint64_t v) {
    char byte[n];
    scrivi_le<n>(byte, v);
    out.append(byte, n);
}

inline void put_u8(std::string& out, std::uint8_t v) { put_le<1>(out, v); }
inline void put_u16le(std::string& out, std::uint16_t v) { put_le<2>(out, v); }
inline void put_i16le(std::string& out, std::int16_t v) { put_le<2>(out, static_cast<std::uint16_t>(v)); }
inline void put_i32le(std::string& out, std::int32_t v) { put_le<4>(out, static_cast<std::uint32_t>(v)); }

}  // namespace scenario
