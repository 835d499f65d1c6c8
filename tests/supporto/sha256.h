// SHA-256 of a byte string, so a test can pin a large output (the 2 MB line
// geometry) by its digest instead of checking the file in.
#pragma once

#include <array>
#include <cstdint>
#include <cstdio>
#include <string>
#include <string_view>

namespace scenario::test {
namespace sha256_dettagli {

inline constexpr std::array<std::uint32_t, 64> k = {
    0x428a2f98, 0x71374491, 0xb5c0fbcf, 0xe9b5dba5, 0x3956c25b, 0x59f111f1, 0x923f82a4, 0xab1c5ed5,
    0xd807aa98, 0x12835b01, 0x243185be, 0x550c7dc3, 0x72be5d74, 0x80deb1fe, 0x9bdc06a7, 0xc19bf174,
    0xe49b69c1, 0xefbe4786, 0x0fc19dc6, 0x240ca1cc, 0x2de92c6f, 0x4a7484aa, 0x5cb0a9dc, 0x76f988da,
    0x983e5152, 0xa831c66d, 0xb00327c8, 0xbf597fc7, 0xc6e00bf3, 0xd5a79147, 0x06ca6351, 0x14292967,
    0x27b70a85, 0x2e1b2138, 0x4d2c6dfc, 0x53380d13, 0x650a7354, 0x766a0abb, 0x81c2c92e, 0x92722c85,
    0xa2bfe8a1, 0xa81a664b, 0xc24b8b70, 0xc76c51a3, 0xd192e819, 0xd6990624, 0xf40e3585, 0x106aa070,
    0x19a4c116, 0x1e376c08, 0x2748774c, 0x34b0bcb5, 0x391c0cb3, 0x4ed8aa4a, 0x5b9cca4f, 0x682e6ff3,
    0x748f82ee, 0x78a5636f, 0x84c87814, 0x8cc70208, 0x90befffa, 0xa4506ceb, 0xbef9a3f7, 0xc67178f2};

inline std::uint32_t ruota(std::uint32_t x, int n) { return (x >> n) | (x << (32 - n)); }

// One 64-byte block into the running state h.
inline void blocco(std::array<std::uint32_t, 8>& h, const unsigned char* p) {
    std::array<std::uint32_t, 64> w{};
    for (int i = 0; i < 16; ++i)
        w[i] = std::uint32_t{p[4 * i]} << 24 | std::uint32_t{p[4 * i + 1]} << 16 | std::uint32_t{p[4 * i + 2]} << 8 |
               std::uint32_t{p[4 * i + 3]};
    for (int i = 16; i < 64; ++i) {
        const std::uint32_t s0 = ruota(w[i - 15], 7) ^ ruota(w[i - 15], 18) ^ (w[i - 15] >> 3);
        const std::uint32_t s1 = ruota(w[i - 2], 17) ^ ruota(w[i - 2], 19) ^ (w[i - 2] >> 10);
        w[i] = w[i - 16] + s0 + w[i - 7] + s1;
    }
    auto [a, b, c, d, e, f, g, hh] = h;
    for (int i = 0; i < 64; ++i) {
        const std::uint32_t t1 = hh + (ruota(e, 6) ^ ruota(e, 11) ^ ruota(e, 25)) + ((e & f) ^ (~e & g)) + k[i] + w[i];
        const std::uint32_t t2 = (ruota(a, 2) ^ ruota(a, 13) ^ ruota(a, 22)) + ((a & b) ^ (a & c) ^ (b & c));
        hh = g;
        g = f;
        f = e;
        e = d + t1;
        d = c;
        c = b;
        b = a;
        a = t1 + t2;
    }
    const std::array<std::uint32_t, 8> dopo = {a, b, c, d, e, f, g, hh};
    for (int i = 0; i < 8; ++i) h[i] += dopo[i];
}

}  // namespace sha256_dettagli

// The digest as 64 lower-case hex digits, as sha256sum prints it.
inline std::string sha256(std::string_view dati) {
    std::array<std::uint32_t, 8> h = {0x6a09e667, 0xbb67ae85, 0x3c6ef372, 0xa54ff53a,
                                      0x510e527f, 0x9b05688c, 0x1f83d9ab, 0x5be0cd19};
    std::string resto(dati.substr(dati.size() - dati.size() % 64));
    for (std::size_t i = 0; i + 64 <= dati.size(); i += 64)
        sha256_dettagli::blocco(h, reinterpret_cast<const unsigned char*>(dati.data() + i));
    resto += static_cast<char>(0x80);
    while (resto.size() % 64 != 56) resto += '\0';
    const std::uint64_t bit = static_cast<std::uint64_t>(dati.size()) * 8;
    for (int i = 7; i >= 0; --i) resto += static_cast<char>(bit >> (8 * i));
    for (std::size_t i = 0; i < resto.size(); i += 64)
        sha256_dettagli::blocco(h, reinterpret_cast<const unsigned char*>(resto.data() + i));
    std::string esadecimale;
    char cifre[9];
    for (std::uint32_t parola : h) {
        std::snprintf(cifre, sizeof cifre, "%08x", static_cast<unsigned>(parola));
        esadecimale += cifre;
    }
    return esadecimale;
}

}  // namespace scenario::test
