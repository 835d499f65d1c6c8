// Little-endian field writers for the compiled files: every field goes out
// byte by byte, so the files never depend on how a struct is laid out. The
// put_ helpers append to a string; scrivi_le fills one sized beforehand.
#pragma once

#include <bit>
#include <cstddef>
#include <cstdint>
#include <limits>
#include <string>

namespace scenario {

static_assert(std::numeric_limits<double>::is_iec559, "the line geometry stores IEEE doubles");

inline void put_u8(std::string& out, std::uint8_t v) { out += static_cast<char>(v); }

inline void put_u16le(std::string& out, std::uint16_t v) {
    put_u8(out, static_cast<std::uint8_t>(v));
    put_u8(out, static_cast<std::uint8_t>(v >> 8));
}

inline void put_i16le(std::string& out, std::int16_t v) { put_u16le(out, static_cast<std::uint16_t>(v)); }

inline void put_u32le(std::string& out, std::uint32_t v) {
    put_u16le(out, static_cast<std::uint16_t>(v));
    put_u16le(out, static_cast<std::uint16_t>(v >> 16));
}

inline void put_i32le(std::string& out, std::int32_t v) { put_u32le(out, static_cast<std::uint32_t>(v)); }

inline void put_u64le(std::string& out, std::uint64_t v) {
    put_u32le(out, static_cast<std::uint32_t>(v));
    put_u32le(out, static_cast<std::uint32_t>(v >> 32));
}

inline void put_f64le(std::string& out, double v) { put_u64le(out, std::bit_cast<std::uint64_t>(v)); }

// The n low bytes of v, lowest first, stored at p; returns the place after them.
template <std::size_t n>
char* scrivi_le(char* p, std::uint64_t v) {
    for (std::size_t i = 0; i < n; ++i) p[i] = static_cast<char>(static_cast<std::uint8_t>(v >> (8 * i)));
    return p + n;
}

}  // namespace scenario
