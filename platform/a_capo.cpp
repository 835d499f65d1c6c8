// Greedy line breaking for message boxes.
#include "platform/a_capo.h"

#include <cstddef>

namespace scenario {
namespace {

// Where a too-wide line is cut: its head ends at `fine`, the rest starts at `resto`.
struct Taglio {
    std::size_t fine;
    std::size_t resto;
};

// Bytes of the UTF-8 character starting at `i`, so a cut never splits one.
std::size_t lunghezza_carattere(std::string_view t, std::size_t i) {
    std::size_t n = 1;
    while (i + n < t.size() && (static_cast<unsigned char>(t[i + n]) & 0xC0) == 0x80) ++n;
    return n;
}

// The last blank after the first character whose head fits; the blank itself is dropped.
bool taglio_a_blank(std::string_view riga, int larghezza, const MisuraTesto& misura, Taglio& t) {
    for (std::size_t s = riga.rfind(' '); s != std::string_view::npos && s > 0; s = riga.rfind(' ', s - 1)) {
        if (misura(riga.substr(0, s)) <= larghezza) {
            t = {s, s + 1};
            return true;
        }
    }
    return false;
}

// The most whole characters that fit, and never fewer than one.
Taglio taglio_a_caratteri(std::string_view riga, int larghezza, const MisuraTesto& misura) {
    std::size_t fine = lunghezza_carattere(riga, 0);
    while (fine < riga.size()) {
        const std::size_t prossimo = fine + lunghezza_carattere(riga, fine);
        if (misura(riga.substr(0, prossimo)) > larghezza) break;
        fine = prossimo;
    }
    return {fine, fine};
}

void spezza(std::string_view riga, int larghezza, const MisuraTesto& misura, std::vector<std::string>& righe) {
    while (misura(riga) > larghezza) {
        Taglio t{};
        if (!taglio_a_blank(riga, larghezza, misura, t)) t = taglio_a_caratteri(riga, larghezza, misura);
        righe.emplace_back(riga.substr(0, t.fine));
        riga.remove_prefix(t.resto);
        if (riga.empty()) return;
    }
    righe.emplace_back(riga);
}

}  // namespace

std::vector<std::string> a_capo(std::string_view testo, int larghezza, const MisuraTesto& misura) {
    std::vector<std::string> righe;
    for (;;) {
        const std::size_t a_capo = testo.find('\n');
        std::string_view riga = testo.substr(0, a_capo);
        if (!riga.empty() && riga.back() == '\r') riga.remove_suffix(1);
        spezza(riga, larghezza, misura, righe);
        if (a_capo == std::string_view::npos) return righe;
        testo.remove_prefix(a_capo + 1);
    }
}

}  // namespace scenario
