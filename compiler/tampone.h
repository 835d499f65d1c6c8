// The bounded buffer the encoders write through: records are laid down in a
// 64 KiB piece that goes to the destination whenever it fills, so a 20 MB
// output never sits whole in memory and the destination sees few, large writes.
#pragma once

#include <cstddef>
#include <string_view>
#include <vector>

#include "compiler/archivio.h"

namespace scenario {

class Tampone {
public:
    static constexpr std::size_t capacita = std::size_t{64} * 1024;

    explicit Tampone(Destinazione& d) : d_(d), byte_(capacita) {}
    // What is left goes out with the last piece.
    ~Tampone() { consegna(); }
    Tampone(const Tampone&) = delete;
    Tampone& operator=(const Tampone&) = delete;

    // Room for n more bytes (n at most `capacita`): the piece is handed on
    // first when they would not fit. Write into it, then call occupa.
    char* spazio(std::size_t n) {
        if (n > capacita - usati_) consegna();
        return byte_.data() + usati_;
    }
    // The room from spazio is written up to `fine`.
    void occupa(const char* fine) { usati_ = static_cast<std::size_t>(fine - byte_.data()); }

    // Bytes of any length, in pieces of at most `capacita`.
    void aggiungi(std::string_view dati) {
        while (!dati.empty()) {
            const std::size_t n = dati.size() < capacita ? dati.size() : capacita;
            char* p = spazio(n);
            dati.copy(p, n);
            occupa(p + n);
            dati.remove_prefix(n);
        }
    }

    void consegna() {
        if (usati_ > 0) d_.scrivi(std::string_view(byte_.data(), usati_));
        usati_ = 0;
    }

private:
    Destinazione& d_;
    std::vector<char> byte_;
    std::size_t usati_ = 0;
};

}  // namespace scenario
