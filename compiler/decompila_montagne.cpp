// Mountain sections from the cells: runs of one mountain type, cut where the
// markers of every fourth cell change step, each piece one row. A section
// that starts 150 m or less after the previous one becomes type 3 in the
// compile; where the file keeps another type there, an empty section at
// metre 0 goes in between, so that the previous one is far away.
#include <algorithm>
#include <array>
#include <optional>

#include "compiler/decompila_oggetti.h"
#include "compiler/modello.h"

namespace scenario::decompila {
namespace {

constexpr std::size_t sezioni_massime = 80;  // the reader's tables
constexpr std::int64_t distacco_stretto = 150;
constexpr std::uint8_t tipo_vicina = 3;  // what the compile makes of a section that near

bool marcatore(const Cella& c) { return c.tipo == TipoCella::marcatore_montagna; }
bool vuota(const Cella& c) { return c.tipo == TipoCella::vuota; }

struct Tratto {
    std::size_t da, a;
    bool segnato;
};

// For a run of cells [a, b]: where a section starting at each cell must end
// at the latest (the cell after its last), unmarked (before the next marker)
// or marked (while every marker falls on its 4th cells and every 4th cell
// got a marker or a later object covered it).
class Portate {
public:
    Portate(const Celle& celle, std::size_t a, std::size_t b) : a_(a) {
        const std::size_t n = b - a + 1;
        senza_.assign(n + 1, b + 1);
        for (auto& f : con_) f.assign(n + 1, b + 1);
        for (std::size_t i = n; i-- > 0;) {
            const std::size_t c = a + i;
            senza_[i] = marcatore(celle[c]) ? c : senza_[i + 1];
            for (std::size_t fase = 0; fase < 4; ++fase) {
                const bool quarta = c % 4 == (fase + 3) % 4;
                const bool rompe = quarta ? vuota(celle[c]) : marcatore(celle[c]);
                con_[fase][i] = rompe ? c : con_[fase][i + 1];
            }
        }
    }

    std::size_t senza(std::size_t i) const { return senza_[i - a_]; }
    std::size_t con(std::size_t i) const { return con_[i % 4][i - a_]; }
    std::size_t massima(std::size_t i) const { return std::max(senza(i), con(i)); }

private:
    std::size_t a_;
    std::vector<std::size_t> senza_;
    std::array<std::vector<std::size_t>, 4> con_;
};

// The fewest sections that cover the run [a, b]: from each start, the end
// whose next start reaches furthest. A start no section can leave (a marker
// out of step) gets a one-cell section and the difference shows.
std::vector<Tratto> tratti(const Celle& celle, std::size_t a, std::size_t b) {
    const Portate p(celle, a, b);
    std::vector<Tratto> out;
    for (std::size_t i = a; i <= b;) {
        std::size_t oltre = std::max(p.massima(i), i + 1);  // the cell after the section
        if (oltre <= b) {
            std::size_t migliore = oltre;
            for (std::size_t e = i + 1; e <= oltre; ++e)
                if (p.massima(e) > p.massima(migliore)) migliore = e;
            oltre = migliore;
        }
        out.push_back({i, oltre - 1, oltre > p.senza(i) && oltre <= p.con(i)});
        i = oltre;
    }
    return out;
}

// The row type that stores `v` in the cells: above 10 the reader takes 10
// off and marks the section, so an unmarked type above 10 goes in 256 lower.
std::int32_t tipo_riga(std::uint8_t v, bool segnato) {
    if (segnato) return std::int32_t{v} + 10;
    return v <= 10 ? v : std::int32_t{v} - 256;
}

class Sezioni {
public:
    Sezioni(Linea& l, Ragioni& r) : l_(l), r_(r) {}

    void aggiungi(const Tratto& t, std::uint8_t v) {
        const auto inizio = static_cast<std::int32_t>(t.da * metri_cella);
        const auto fine = static_cast<std::int32_t>((t.a + 1) * metri_cella);
        const bool vicina = fine_precedente_ && std::int64_t{inizio} - *fine_precedente_ <= distacco_stretto;
        if (vicina && v != tipo_vicina && inizio > distacco_stretto) riga({0, 0, 1}, t);
        // Near the one before, any type becomes 3: the row says 1, as an author writes it.
        riga({inizio, fine, tipo_riga(vicina && v == tipo_vicina ? 1 : v, t.segnato)}, t);
    }

private:
    void riga(const Montagna& m, const Tratto& t) {
        if (l_.montagne.size() >= sezioni_massime) {
            for (std::size_t c = t.da; c <= t.a; ++c)
                r_[{FileScenario::celle, static_cast<std::int64_t>(c), "montagna"}] =
                    "il testo della linea tiene al più 80 sezioni di montagna";
            return;
        }
        l_.montagne.push_back(m);
        fine_precedente_ = m.fine;
    }

    Linea& l_;
    Ragioni& r_;
    std::optional<std::int32_t> fine_precedente_;
};

}  // namespace

void recupera_montagne(const Celle& celle, Linea& l, Ragioni& r) {
    Sezioni sezioni(l, r);
    for (std::size_t a = 0; a < celle.size();) {
        const std::uint8_t v = celle[a].montagna;
        std::size_t b = a;
        while (b + 1 < celle.size() && celle[b + 1].montagna == v) ++b;
        if (v != 0)
            for (const Tratto& t : tratti(celle, a, b)) sezioni.aggiungi(t, v);
        a = b + 1;
    }
}

}  // namespace scenario::decompila
