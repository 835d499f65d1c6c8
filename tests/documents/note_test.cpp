// The scenario notes: fixed sentences at their slots, the free lines at their
// lengths, Windows-1252 accents, and only stations the train text knows.
#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <map>
#include <set>
#include <string>
#include <string_view>
#include <vector>

#include "documents/documenti.h"
#include "tests/supporto/file_attesi.h"
#include "tests/source_text/righe_testo.h"
#include "tests/source_text/righe_treno.h"

namespace scenario {
namespace {

std::string maiuscolo(std::string_view testo) {
    std::string risultato(testo);
    for (char& c : risultato) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return risultato;
}

std::vector<prova::Stazione> stazioni() {
    return prova::leggi_sezione(test::righe_attese(test::nome_treno_incorporato), "[stazioni]", prova::leggi_stazione);
}

TEST(Note, HasItsLineCountWithoutTheMarker) {
    EXPECT_EQ(righe_note().size(), 25u);
    for (std::string_view riga : righe_note()) {
        EXPECT_EQ(riga.find("riferimento fine del file"), std::string_view::npos);
    }
}

TEST(Note, FixedSentencesStandInTheirSlots) {
    const std::map<std::size_t, std::string_view> fisse{
        {0, "Il treno 4936 \xE8 un regionale Vordano-Seli che, al contrario dei Regionali"},
        {5, "binario fino a Seli."},
        {7, "Il treno viene effettuato regolarmente con Ale 506/426 TAF perci\xF2 lo ho"},
        {8, "impostato con le caratteristiche di questo convoglio : 4 vetture e un peso "},
        {9, "frenato molto elevato."},
        {11, "La linea \xE8 caratterizzata da forti pendenze."},
        {13, "discese molto ripide."},
        {19, "attenzione perch\xE8 appunto non ha segnalazione , i segnali che si incontrano "},
        {20, "sono quelli del Blocco Conta Assi."},
        {22, "Aspetto critiche sia positive che negative."},
    };
    const auto righe = righe_note();
    for (const auto& [slot, testo] : fisse) {
        ASSERT_LT(slot, righe.size());
        EXPECT_EQ(righe[slot], testo) << "slot " << slot;
    }
}

TEST(Note, FreeLinesKeepTheirLengths) {
    const std::map<std::size_t, std::size_t> lunghezze{{1, 77}, {2, 77}, {4, 77}, {12, 69},
                                                       {15, 75}, {16, 74}, {17, 67}, {18, 73}};
    const auto righe = righe_note();
    for (const auto& [slot, lunghezza] : lunghezze) EXPECT_EQ(righe[slot].size(), lunghezza) << "slot " << slot;
    for (std::string_view riga : righe) EXPECT_LE(riga.size(), 77u) << riga;
}

TEST(Note, EmptyLinesAndTrailingBlanksStandOnlyAtTheirSlots) {
    const std::set<std::size_t> vuote{3, 6, 10, 14, 21};
    const std::set<std::size_t> con_spazio_finale{1, 8, 15, 19};
    const auto righe = righe_note();
    for (std::size_t slot = 0; slot < righe.size(); ++slot) {
        EXPECT_EQ(righe[slot].empty(), vuote.contains(slot)) << "slot " << slot;
        EXPECT_EQ(righe[slot].ends_with(' '), con_spazio_finale.contains(slot)) << "slot " << slot;
    }
}

// Accents are the single bytes 0xE8 and 0xF2, never UTF-8 pairs.
TEST(Note, AccentsAreSingleWindows1252Bytes) {
    std::set<unsigned char> oltre_ascii;
    for (std::string_view riga : righe_note()) {
        for (const char c : riga) {
            const auto byte = static_cast<unsigned char>(c);
            EXPECT_GE(byte, 0x20) << riga;
            EXPECT_NE(byte, 0x7F) << riga;
            if (byte >= 0x80) oltre_ascii.insert(byte);
        }
    }
    EXPECT_EQ(oltre_ascii, (std::set<unsigned char>{0xE8, 0xF2}));
}

TEST(Note, SignatureIsANameAndAnAddress) {
    const auto righe = righe_note();
    EXPECT_FALSE(righe[23].empty());
    EXPECT_EQ(righe[23].find('@'), std::string_view::npos);
    const std::size_t chiocciola = righe[24].find('@');
    ASSERT_NE(chiocciola, std::string_view::npos);
    EXPECT_NE(righe[24].find('.', chiocciola), std::string_view::npos);
    EXPECT_EQ(righe[24].find(' '), std::string_view::npos);
}

// Every station the prose names is a row of the train text.
TEST(Note, NamedStationsExistInTheTrainText) {
    const struct {
        std::size_t slot;
        std::string_view nome;
    } citate[] = {
        {1, "Castelmoro"},    {2, "Acquafredda"},      {2, "Porto Vecchio"}, {2, "Seli S. Pietro"},
        {4, "Ponte Selino"},  {12, "Rocca di Sale"},   {15, "Ponte Selino"}, {15, "Seli S. Pietro"},
        {16, "San Cataldo"},  {16, "Seli Smistamento"}, {17, "San Marco"},   {17, "Piazza Dante"},
        {17, "Porta Nuova"},  {18, "Porto Vecchio"},
    };
    std::set<std::string> nomi;
    for (const auto& s : stazioni()) nomi.insert(maiuscolo(s.nome));
    for (const auto& c : citate) {
        EXPECT_NE(righe_note()[c.slot].find(c.nome), std::string_view::npos) << c.slot << ": " << c.nome;
        EXPECT_TRUE(nomi.contains(maiuscolo(c.nome))) << c.nome;
    }
}

// Slots 1 and 2 name the train's three intermediate stops and its terminus.
TEST(Note, OpeningNamesTheStopsOfTheTimetable) {
    const std::string apertura = maiuscolo(std::string(righe_note()[1]) + std::string(righe_note()[2]));
    const auto tutte = stazioni();
    int fermate = 0;
    for (const auto& s : tutte) {
        if (s.sosta() != 60) continue;
        ++fermate;
        EXPECT_NE(apertura.find(maiuscolo(s.nome)), std::string::npos) << s.nome;
    }
    EXPECT_EQ(fermate, 3);
    ASSERT_FALSE(tutte.empty());
    EXPECT_NE(maiuscolo(righe_note()[2]).find(maiuscolo(tutte.back().nome)), std::string::npos);
}

// The count in slot 15 is the number of rows between the station it names
// and the terminus, and exactly two of them have signals.
TEST(Note, CountOfTheLastStretchMatchesTheTrainText) {
    const auto tutte = stazioni();
    const auto ponte = std::find_if(tutte.begin(), tutte.end(),
                                    [](const prova::Stazione& s) { return maiuscolo(s.nome) == "PONTE SELINO"; });
    ASSERT_NE(ponte, tutte.end());
    const std::vector<prova::Stazione> tratto(ponte + 1, tutte.end() - 1);
    EXPECT_NE(righe_note()[15].find(" " + std::to_string(tratto.size()) + " stazioni"), std::string_view::npos);
    EXPECT_EQ(std::count_if(tratto.begin(), tratto.end(), [](const prova::Stazione& s) { return s.con_segnali(); }),
              2);
}

}  // namespace
}  // namespace scenario
