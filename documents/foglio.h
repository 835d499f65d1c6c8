// A document's lines put together at compile time from its fixed pieces, so
// that repeated rows (blank table rows, card frames) are written once.
#pragma once

#include <array>
#include <cstddef>
#include <span>
#include <string_view>

namespace scenario {

template <std::size_t N>
class Foglio {
public:
    constexpr void aggiungi(std::string_view riga) { righe_.at(usate_++) = riga; }

    constexpr void aggiungi(std::span<const std::string_view> righe) {
        for (std::string_view riga : righe) aggiungi(riga);
    }

    constexpr void ripeti(std::string_view riga, std::size_t volte) {
        for (std::size_t i = 0; i < volte; ++i) aggiungi(riga);
    }

    // True once every one of the N lines has been given; checked by a
    // static_assert where the document is put together.
    constexpr bool completo() const { return usate_ == N; }

    constexpr std::span<const std::string_view> righe() const { return righe_; }

private:
    std::array<std::string_view, N> righe_{};
    std::size_t usate_ = 0;
};

}  // namespace scenario
