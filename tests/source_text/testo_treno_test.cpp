// The train source text: the fixed lines at their slots, its size, the
// columns of every scenario row and the counts and ranges of their values.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <map>
#include <string>
#include <string_view>
#include <vector>

#include "source_text/testi_sorgente.h"
#include "tests/source_text/righe_testo.h"
#include "tests/source_text/righe_treno.h"

namespace scenario {
namespace {

using prova::leggi_sezione;
using prova::Segnale;
using prova::sezione;
using prova::Stazione;

enum CampoSegnale { posizione, sx, s1, s2, s3, rapp, dx, d1, d2, d3, tempo };

std::vector<Stazione> stazioni() { return leggi_sezione(righe_treno(), "[stazioni]", prova::leggi_stazione); }
std::vector<Segnale> segnali() { return leggi_sezione(righe_treno(), "[segnali]", prova::leggi_segnale); }

template <typename Riga, typename Campo>
std::vector<std::int64_t> mappa(const std::vector<Riga>& righe, Campo campo) {
    std::vector<std::int64_t> valori;
    for (const Riga& riga : righe) valori.push_back(campo(riga));
    return valori;
}

// How many rows hold each value of one field.
template <typename Riga, typename Campo>
std::map<std::int64_t, int> conteggio(const std::vector<Riga>& righe, Campo campo) {
    std::map<std::int64_t, int> volte;
    for (const Riga& riga : righe) ++volte[campo(riga)];
    return volte;
}

TEST(TestoTreno, HasItsLineCountAndByteSize) {
    EXPECT_EQ(righe_treno().size(), 102u);
    EXPECT_EQ(prova::byte_del_file(righe_treno()), 5397);
}

TEST(TestoTreno, EveryLineIsPrintableAsciiAndOnlyTheClockEndsInABlank) {
    for (std::string_view riga : righe_treno()) {
        SCOPED_TRACE(std::string(riga));
        ASSERT_FALSE(riga.empty());
        EXPECT_TRUE(std::all_of(riga.begin(), riga.end(), [](char c) { return c >= 0x20 && c < 0x7F; }));
        EXPECT_EQ(riga.back() == ' ', riga.starts_with("orologio"));
        EXPECT_EQ(riga.find("riferimento fine del file"), std::string_view::npos);
        EXPECT_EQ(riga.substr(0, riga.find(',')).find('-'), std::string_view::npos);
    }
}

TEST(TestoTreno, FixedLinesStandInTheirSlots) {
    const std::map<std::size_t, std::string_view> fisse{
        {0, "[generale]"},
        {1, "numero vetture,    5"},
        {2, "percentuale massa frenata,    130"},
        {3, "sabbia,    300"},
        {4, "orologio,    6               22            45 "},
        {5, "[aderenze]"},
        {6, "aderenza,   0,    100"},
        {7, "aderenza,   15300,    81"},
        {8, "aderenza,   18300,    75"},
        {9, "aderenza,   19300,   100"},
        {10, "[vel_limite]"},
        {11, "velocita,       0,    80"},
        {25, "[stazioni]"},
        {54, "[rallentamenti]"},
        {55, "rallentamento,   42700,    30,  300, 0,  1,  0"},
        {56, "[segnali]"},
        {57, "segnale,     850,   2, 4, 1,  0, 0,    0,  0,0,0, 0"},
        {100, "[codici]"},
        {101, "[fine]"},
    };
    const auto righe = righe_treno();
    for (const auto& [slot, testo] : fisse) {
        ASSERT_LT(slot, righe.size());
        EXPECT_EQ(righe[slot], testo) << "slot " << slot;
    }
}

TEST(TestoTreno, NamedRowsAppearInTheirSection) {
    const struct {
        std::string_view sezione;
        std::string_view riga;
    } casi[] = {
        {"[vel_limite]", "velocita,    5900,   105"},
        {"[vel_limite]", "velocita,   10550,    90"},
        {"[segnali]", "segnale,   24000,   1, 4, 1,  1, 0,    0,  0,0,0, 0"},
        {"[segnali]", "segnale,   38100,   2, 4, 1,  0, 0,    0,  0,0,0, 255"},
        {"[segnali]", "segnale,   66850,   2, 4, 1,  0, 0,    2,  4,1,0, 0"},
    };
    for (const auto& caso : casi) {
        const auto righe = sezione(righe_treno(), caso.sezione);
        EXPECT_EQ(std::count(righe.begin(), righe.end(), caso.riga), 1) << caso.riga;
    }
    const auto righe = sezione(righe_treno(), "[stazioni]");
    EXPECT_EQ(std::count_if(righe.begin(), righe.end(),
                            [](std::string_view riga) {
                                return riga.starts_with(
                                    "stazione,    5500, 22,  300,  0, 0, 0,  0,0,0,  4,1,1,    0,   0, 0, 0, ");
                            }),
              1);
}

// Every row of a section reads in its columns, and the section has its count.
TEST(TestoTreno, EverySectionHoldsOnlyRowsInItsColumns) {
    const struct {
        std::string_view nome;
        std::size_t righe;
        std::size_t lette;
    } sezioni[] = {
        {"[vel_limite]", 14, leggi_sezione(righe_treno(), "[vel_limite]", prova::leggi_limite).size()},
        {"[stazioni]", 28, stazioni().size()},
        {"[rallentamenti]", 1, leggi_sezione(righe_treno(), "[rallentamenti]", prova::leggi_rallentamento).size()},
        {"[segnali]", 43, segnali().size()},
    };
    for (const auto& attesa : sezioni) {
        EXPECT_EQ(sezione(righe_treno(), attesa.nome).size(), attesa.righe) << attesa.nome;
        EXPECT_EQ(attesa.lette, attesa.righe) << attesa.nome;
    }
    EXPECT_EQ(sezione(righe_treno(), "[aderenze]").size(), 4u);
    EXPECT_TRUE(sezione(righe_treno(), "[codici]").empty());
}

TEST(TestoTreno, PositionsRiseInStepsOfOneCell) {
    const auto limiti = leggi_sezione(righe_treno(), "[vel_limite]", prova::leggi_limite);
    const struct {
        std::string_view nome;
        std::vector<std::int64_t> posizioni;
    } sezioni[] = {
        {"[vel_limite]", mappa(limiti, [](const prova::Limite& l) { return l.posizione; })},
        {"[stazioni]", mappa(stazioni(), [](const Stazione& s) { return s.posizione(); })},
        {"[segnali]", mappa(segnali(), [](const Segnale& s) { return s[posizione]; })},
    };
    for (const auto& attesa : sezioni) {
        SCOPED_TRACE(attesa.nome);
        const auto& p = attesa.posizioni;
        EXPECT_TRUE(std::is_sorted(p.begin(), p.end()));
        EXPECT_EQ(std::adjacent_find(p.begin(), p.end()), p.end());
        for (const std::int64_t metro : p) EXPECT_EQ(metro % 50, 0) << metro;
    }
}

TEST(LimitiTreno, LimitsStartAtTheDepartureAndStayInRange) {
    const auto limiti = leggi_sezione(righe_treno(), "[vel_limite]", prova::leggi_limite);
    ASSERT_EQ(limiti.size(), 14u);
    EXPECT_EQ(limiti.front().posizione, 0);
    EXPECT_EQ(limiti.back().posizione, 67750);
    std::vector<std::int64_t> velocita;
    for (const auto& limite : limiti) {
        EXPECT_EQ(limite.velocita % 5, 0) << limite.posizione;
        velocita.push_back(limite.velocita);
    }
    EXPECT_EQ(*std::min_element(velocita.begin(), velocita.end()), 75);
    EXPECT_EQ(*std::max_element(velocita.begin(), velocita.end()), 105);
}

TEST(StazioniTreno, KindsAndLengthsKeepTheirCounts) {
    const auto tutte = stazioni();
    ASSERT_EQ(tutte.size(), 28u);
    const auto tipi = conteggio(tutte, [](const Stazione& s) { return s.tipo(); });
    EXPECT_EQ(tipi.at(8), 1);
    EXPECT_EQ(tipi.at(12), 5);
    EXPECT_EQ(tipi.at(22), 10);
    EXPECT_EQ(tipi.at(26) + tipi.at(27), 12);
    EXPECT_EQ(tipi.size(), 5u);
    const auto lunghezze = conteggio(tutte, [](const Stazione& s) { return s.lunghezza(); });
    EXPECT_EQ(lunghezze, (std::map<std::int64_t, int>{{300, 26}, {400, 2}}));
    EXPECT_EQ(tutte.front().tipo(), 8);
    EXPECT_EQ(tutte.front().posizione(), 0);
    EXPECT_EQ(tutte.back().tipo(), 12);
    EXPECT_EQ(tutte.back().posizione(), 83500);
}

// Fields 4 to 12 follow from the kind of the row and its place in the list.
TEST(StazioniTreno, FlagsFollowFromTheKind) {
    const auto tutte = stazioni();
    for (std::size_t i = 0; i < tutte.size(); ++i) {
        const Stazione& s = tutte[i];
        SCOPED_TRACE(std::string(s.nome));
        const bool capolinea = i + 1 == tutte.size();
        const std::int64_t maggiore = s.tipo() == 8 || s.tipo() == 12 ? 1 : 0;
        const std::int64_t segnali = s.con_segnali() ? 1 : 0;
        const std::int64_t blocco = s.con_segnali() ? (capolinea ? 2 : 4) : 0;
        const std::vector<std::int64_t> attesi{0, 0, capolinea ? 1 : 0, maggiore, maggiore, 0,
                                               blocco, segnali, segnali};
        EXPECT_EQ(std::vector(s.campi.begin() + 3, s.campi.begin() + 12), attesi);
    }
}

TEST(StazioniTreno, OnlyTheStopsCarryTheirTimes) {
    std::vector<std::pair<std::int64_t, std::int64_t>> orari;  // stop seconds, time
    for (const Stazione& s : stazioni()) {
        if (s.sosta() != 0 || s.secondi_orario() != 0) orari.emplace_back(s.sosta(), s.secondi_orario());
    }
    const auto ore = [](int h, int m) { return std::int64_t{h} * 3600 + m * 60; };
    const std::vector<std::pair<std::int64_t, std::int64_t>> attesi{
        {1, ore(6, 23)}, {60, ore(6, 58)}, {60, ore(7, 9)}, {60, ore(7, 39)}, {0, ore(7, 41)}};
    EXPECT_EQ(orari, attesi);
    EXPECT_EQ(stazioni().back().secondi_orario(), ore(7, 41));
}

TEST(StazioniTreno, NamesAreShortTextsWithoutCommas) {
    int maiuscole = 0;
    for (const Stazione& s : stazioni()) {
        SCOPED_TRACE(std::string(s.nome));
        EXPECT_GE(s.nome.size(), 5u);
        EXPECT_LE(s.nome.size(), 20u);
        EXPECT_EQ(s.nome.find(','), std::string_view::npos);
        EXPECT_NE(s.nome.front(), ' ');
        EXPECT_NE(s.nome.back(), ' ');
        const bool in_maiuscolo = std::none_of(s.nome.begin(), s.nome.end(), [](char c) { return c >= 'a' && c <= 'z'; });
        if (s.con_segnali()) {
            EXPECT_TRUE(in_maiuscolo);
        }
        maiuscole += in_maiuscolo ? 1 : 0;
    }
    EXPECT_GT(2 * maiuscole, 28);
}

TEST(SegnaliTreno, FieldsKeepTheirDistributions) {
    const auto tutti = segnali();
    ASSERT_EQ(tutti.size(), 43u);
    const auto di = [&](CampoSegnale campo) {
        return conteggio(tutti, [campo](const Segnale& s) { return s[campo]; });
    };
    using Volte = std::map<std::int64_t, int>;
    EXPECT_EQ(di(sx), (Volte{{1, 10}, {2, 33}}));
    EXPECT_EQ(di(dx), (Volte{{0, 23}, {1, 4}, {2, 16}}));
    EXPECT_EQ(di(s1).at(4), 36);
    EXPECT_EQ(di(rapp), (Volte{{0, 43}}));
    EXPECT_EQ(di(d3), (Volte{{0, 43}}));
    EXPECT_EQ(di(tempo), (Volte{{0, 42}, {255, 1}}));
    const struct {
        CampoSegnale campo;
        std::vector<std::int64_t> ammessi;
    } insiemi[] = {
        {s1, {2, 3, 4, 5}}, {s2, {0, 1, 4}}, {s3, {0, 1}}, {d1, {0, 2, 4}}, {d2, {0, 1}},
    };
    for (const auto& insieme : insiemi) {
        for (const auto& [valore, volte] : di(insieme.campo)) {
            EXPECT_NE(std::find(insieme.ammessi.begin(), insieme.ammessi.end(), valore), insieme.ammessi.end())
                << "field " << insieme.campo << " holds " << valore;
        }
    }
    EXPECT_EQ(tutti.front()[posizione], 850);
    EXPECT_EQ(tutti.back()[posizione], 82700);
}

// The double track starts at 61250 m: from there on every signal has a
// right-hand partner, before it none does.
TEST(SegnaliTreno, RightHandSignalsExactlyOnTheDoubleTrack) {
    for (const Segnale& s : segnali()) {
        EXPECT_EQ(s[dx] != 0, s[posizione] >= 61250) << s[posizione];
        if (s[dx] == 0) {
            EXPECT_EQ(s[d1] + s[d2] + s[d3], 0) << s[posizione];
        }
    }
}

}  // namespace
}  // namespace scenario
