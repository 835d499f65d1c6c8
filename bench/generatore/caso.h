// The generator's source of chance: splitmix64, so that a seed gives the same
// scenario on every platform (the standard distributions may differ between
// library implementations).
#pragma once

#include <cstdint>
#include <vector>

namespace scenario::generatore {

class Caso {
public:
    explicit Caso(std::uint64_t seme) : stato_(seme) {}

    std::uint64_t prossimo() {
        std::uint64_t z = (stato_ += 0x9E3779B97F4A7C15u);
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9u;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBu;
        return z ^ (z >> 31);
    }

    // A whole number from a to b inclusive; a when b is below a.
    std::int64_t tra(std::int64_t a, std::int64_t b) {
        if (b <= a) return a;
        return a + static_cast<std::int64_t>(prossimo() % static_cast<std::uint64_t>(b - a + 1));
    }

    // True `percento` times in a hundred.
    bool moneta(int percento) { return tra(0, 99) < percento; }

    template <typename T>
    const T& uno_di(const std::vector<T>& scelte) {
        return scelte[static_cast<std::size_t>(tra(0, static_cast<std::int64_t>(scelte.size()) - 1))];
    }

private:
    std::uint64_t stato_;
};

}  // namespace scenario::generatore
