// The two texts against the compiler's placement rules: every object gets a
// track cell of its own, platforms keep their distance, and the route pass
// finds room for its points around the slowdown, so the build compiles clean.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <initializer_list>
#include <regex>
#include <string>
#include <string_view>
#include <vector>

#include "source_text/testi_sorgente.h"
#include "tests/source_text/righe_testo.h"
#include "tests/source_text/righe_treno.h"

namespace scenario {
namespace {

using prova::leggi_sezione;

// Cell types the placement writes.
enum Tipo : int { vuota = 0, segnale = 1, fine_rallentamento = 2, inizio_rallentamento = 3, avviso = 4,
                  preavviso = 5, cartello = 6, fermata = 10, montagna = 11, abbattimento = 12 };

// Whole cells are rounded to nearest, ties to even (the default rounding mode).
std::int64_t vicino(double x) { return std::llrint(x); }
std::int64_t cella_di(std::int64_t metri) { return vicino(static_cast<double>(metri) / 50.0 + 1.0); }

// The cell grid as the readers fill it, recording every clash with its cause.
class Griglia {
public:
    explicit Griglia(std::int64_t numero_celle) : tipi_(static_cast<std::size_t>(numero_celle) + 1, vuota) {}

    bool dentro(std::int64_t c) const { return c >= 0 && c < static_cast<std::int64_t>(tipi_.size()); }
    int tipo(std::int64_t c) const { return dentro(c) ? tipi_[static_cast<std::size_t>(c)] : -1; }
    bool libera(std::int64_t c) const { return tipo(c) == vuota || tipo(c) == montagna; }

    void posa(std::int64_t c, int tipo, const std::string& chi) {
        if (!libera(c)) conflitti.push_back(chi + " on cell " + std::to_string(c));
        if (dentro(c)) tipi_[static_cast<std::size_t>(c)] = tipo;
    }

    std::vector<std::string> conflitti;

private:
    std::vector<int> tipi_;
};

std::int64_t numero_celle() {
    const auto gruppi = prova::catture(righe_linea()[1], std::regex{R"(lunghezza percorso,    (\d+))"});
    return gruppi.empty() ? 0 : vicino(static_cast<double>(*prova::intero(gruppi[0]) + 7000) / 50.0);
}

// Platform start and end as the train reader computes them.
struct Banchina {
    std::int64_t inizio;
    std::int64_t fine;
};

Banchina banchina(const prova::Stazione& s, bool capolinea) {
    const std::int64_t p = s.posizione();
    const std::int64_t l = s.lunghezza();
    if (s.tipo() == 7 || s.tipo() == 8) return {p - l, p + l};
    const std::int64_t allungamento = capolinea && s.campi[5] != 0 ? 50 : 0;
    return {vicino(static_cast<double>(p) - static_cast<double>(l) / 2.0),
            vicino(static_cast<double>(p) + static_cast<double>(l) / 2.0) + allungamento};
}

void posa_cartelli(Griglia& griglia) {
    const std::regex forma{R"(indicatori_vmax,  (\d+),.*)"};
    for (std::string_view riga : prova::sezione(righe_linea(), "[cartelli]")) {
        const auto gruppi = prova::catture(riga, forma);
        ASSERT_FALSE(gruppi.empty()) << riga;
        griglia.posa(cella_di(*prova::intero(gruppi[0])), cartello, "board " + gruppi[0]);
    }
}

// Stop points are written whatever the cell held: a clash corrupts silently.
void posa_fermate(Griglia& griglia) {
    const auto stazioni = leggi_sezione(righe_treno(), "[stazioni]", prova::leggi_stazione);
    for (std::size_t i = 0; i < stazioni.size(); ++i) {
        if (!stazioni[i].con_segnali()) continue;
        const Banchina b = banchina(stazioni[i], i + 1 == stazioni.size());
        const std::int64_t c = vicino(static_cast<double>(b.fine) / 50.0 - 1.0);
        EXPECT_GT(c, 1) << stazioni[i].nome;
        griglia.posa(c, fermata, "stop point of " + std::string(stazioni[i].nome));
    }
}

void posa_rallentamenti(Griglia& griglia) {
    for (const auto& r : leggi_sezione(righe_treno(), "[rallentamenti]", prova::leggi_rallentamento)) {
        const std::int64_t x = r[0];
        const std::string chi = "slowdown at " + std::to_string(x);
        if (x > 1500) griglia.posa(vicino(static_cast<double>(x - 1200) / 50.0 + 1.0), avviso, chi + " board");
        griglia.posa(cella_di(x), inizio_rallentamento, chi + " start");
        griglia.posa(cella_di(x + r[2]), fine_rallentamento, chi + " end");
        if (x <= 1500 || r[4] == 0) continue;
        const std::int64_t prima_dell_avviso = vicino(static_cast<double>(x - 1200) / 50.0);
        for (std::int64_t k = 0; k < 4; ++k) griglia.posa(prima_dell_avviso - k, preavviso, chi + " approach mark");
    }
}

void posa_segnali(Griglia& griglia) {
    for (const auto& s : leggi_sezione(righe_treno(), "[segnali]", prova::leggi_segnale)) {
        griglia.posa(cella_di(s[0]), segnale, "signal " + std::to_string(s[0]));
    }
}

// The grid after both readers: line text first, then the train text in file order.
Griglia griglia_letta() {
    Griglia griglia(numero_celle());
    posa_cartelli(griglia);
    posa_fermate(griglia);
    posa_rallentamenti(griglia);
    posa_segnali(griglia);
    return griglia;
}

// The first free cell among `celle` receives a point; false if none is free.
bool punto_nella_prima_libera(Griglia& griglia, std::initializer_list<std::int64_t> celle) {
    for (const std::int64_t c : celle) {
        if (griglia.libera(c)) {
            griglia.posa(c, abbattimento, "");
            return true;
        }
    }
    return false;
}

// Points ahead of the signals that stand before a warning board.
void segnali_prima_dell_avviso(Griglia& griglia, std::int64_t i, std::vector<std::string>& mancanti) {
    for (std::int64_t j = 1; j <= 20 && i - j >= 3; ++j) {
        const std::int64_t d = i - j;
        if (griglia.tipo(d) != segnale) continue;
        if (!punto_nella_prima_libera(griglia, {d - 1, d - 2}) && griglia.tipo(d - 1) != abbattimento &&
            griglia.tipo(d - 2) != abbattimento) {
            mancanti.push_back("signal cell " + std::to_string(d));
        }
    }
}

// The three approach windows, the points inside the slow section and the
// point before the first signal past its end. The points inside are checked
// whatever the slowdown's speed, which asks for more room, never less.
void intorno_all_inizio(Griglia& griglia, std::int64_t i, std::vector<std::string>& mancanti) {
    const struct { std::int64_t limite, a, b, c; } finestre[] = {{7, 5, 6, 7}, {13, 11, 12, 13}, {20, 18, 19, 20}};
    for (const auto& f : finestre) {
        if (i > f.limite && !punto_nella_prima_libera(griglia, {i - f.a, i - f.b, i - f.c})) {
            mancanti.push_back("approach window " + std::to_string(f.a) + " before cell " + std::to_string(i));
        }
    }
    std::int64_t j = i;
    for (int contatore = 1; griglia.dentro(j + 1); ++contatore) {
        ++j;
        if (contatore == 8) {
            if (punto_nella_prima_libera(griglia, {j})) contatore = 0;
            else if (punto_nella_prima_libera(griglia, {j - 1})) contatore = 1;
            else if (punto_nella_prima_libera(griglia, {j + 1})) contatore = -1;
            else mancanti.push_back("slow section cell " + std::to_string(j));
        }
        if (griglia.tipo(j) == fine_rallentamento) break;
    }
    for (std::int64_t k = j; k <= j + 12; ++k) {
        if (griglia.tipo(k) != segnale) continue;
        if (!punto_nella_prima_libera(griglia, {k - 1, k - 2})) mancanti.push_back("exit before cell " + std::to_string(k));
        break;
    }
}

TEST(PosaScenario, EveryObjectGetsATrackCellOfItsOwn) {
    EXPECT_EQ(numero_celle(), 1980);
    const Griglia griglia = griglia_letta();
    EXPECT_TRUE(griglia.conflitti.empty()) << testing::PrintToString(griglia.conflitti);
}

TEST(PosaScenario, EveryPositionLiesInsideTheGridWithItsMargin) {
    const double celle = static_cast<double>(numero_celle());
    for (const auto& s : leggi_sezione(righe_treno(), "[stazioni]", prova::leggi_stazione)) {
        EXPECT_LE(static_cast<double>(s.posizione() + 800) / 50.0, celle) << s.nome;
    }
    for (const auto& s : leggi_sezione(righe_treno(), "[segnali]", prova::leggi_segnale)) {
        EXPECT_LE(static_cast<double>(s[0] + 100) / 50.0, celle) << s[0];
    }
}

TEST(PosaScenario, PlatformsOfConsecutiveStationsAreAtLeast350MetresApart) {
    const auto stazioni = leggi_sezione(righe_treno(), "[stazioni]", prova::leggi_stazione);
    ASSERT_FALSE(stazioni.empty());
    for (std::size_t i = 1; i < stazioni.size(); ++i) {
        const Banchina prima = banchina(stazioni[i - 1], false);
        const Banchina dopo = banchina(stazioni[i], i + 1 == stazioni.size());
        EXPECT_GE(dopo.inizio - 350, prima.fine) << stazioni[i - 1].nome << " / " << stazioni[i].nome;
    }
}

TEST(PosaScenario, RoutePassFindsRoomForEveryPoint) {
    Griglia griglia = griglia_letta();
    std::vector<std::string> mancanti;
    int rallentamenti = 0;
    const std::int64_t ultima = numero_celle() - 2;
    for (std::int64_t i = 1; i <= ultima; ++i) {
        if (griglia.tipo(i) == avviso) segnali_prima_dell_avviso(griglia, i, mancanti);
        if (griglia.tipo(i) == inizio_rallentamento) {
            intorno_all_inizio(griglia, i, mancanti);
            ++rallentamenti;
        }
    }
    EXPECT_EQ(rallentamenti, 1);
    EXPECT_TRUE(mancanti.empty()) << testing::PrintToString(mancanti);
}

}  // namespace
}  // namespace scenario
