// The byte layouts of the compiled files, compared byte for byte on small
// states: one cell, one general record with and without text, a short geometry.
#include <gtest/gtest.h>

#include <algorithm>

#include "compiler/codifica.h"
#include "compiler/tampone.h"
#include "tests/compiler/griglia_prova.h"

namespace scenario {
namespace {

std::string byte(std::initializer_list<int> b) {
    std::string s;
    for (int x : b) s += static_cast<char>(x);
    return s;
}

TEST(CodificaCelle, UnRecordCampoPerCampo) {
    Stato s = prova::griglia(0);
    Cella& c = s.celle[0];
    c = {.tipo = TipoCella::segnale, .valore = 0x1234, .valore2 = -2, .valore3 = 0x7FFF, .valore4 = -32768, .tempo = 0xAB,
         .ripetitore = 61, .montagna = 2, .velocita_cella = 16, .pendenza_cella = 103, .aderenza_cella = 100};
    EXPECT_EQ(codifica_celle(s),
              byte({0x01, 0x34, 0x12, 0xFE, 0xFF, 0xFF, 0x7F, 0x00, 0x80, 0xAB, 61, 2, 16, 103, 100}));
}

TEST(CodificaCelle, UnRecordPerOgniCellaDa0ANumeroCelle) {
    EXPECT_EQ(codifica_celle(prova::griglia(1980)).size(), 29715u);
    Stato s = prova::griglia(3);
    s.celle[2].tipo = TipoCella::indicatore_velocita;
    const std::string dati = codifica_celle(s);
    ASSERT_EQ(dati.size(), 60u);
    EXPECT_EQ(dati[30], 6);
    EXPECT_EQ(codifica_celle(Stato{}).size(), 0u);  // no grid, no bytes
}

TEST(CodificaVoci, OttantaSetteVociVuote) {
    const std::string dati = codifica_voci(Stato{});
    EXPECT_EQ(dati, std::string(2958, '\0'));
}

TEST(CodificaVoci, UnaVoceConTestoEUnaSenza) {
    Stato s;
    Voce& v = s.voci[0];
    v = {.byte0 = 8, .numero1 = -300, .numero2 = 300, .numero3 = 0x01020304, .byte1 = 1, .stringa = "A\xE8",
         .breve1 = 1, .breve2 = -1, .breve3 = 4, .breve4 = 0x0102, .breve5 = 7,
         .byte2 = 9, .byte3 = 10, .byte4 = 11, .byte5 = 12, .numero4 = 23000};
    s.voci[1] = v;
    s.voci[1].stringa.clear();
    const std::string prefisso = byte({8, 0xD4, 0xFE, 0xFF, 0xFF, 0x2C, 0x01, 0, 0, 0x04, 0x03, 0x02, 0x01, 1});
    const std::string coda = byte({1, 0, 0xFF, 0xFF, 4, 0, 0x02, 0x01, 7, 0, 9, 10, 11, 12, 0xD8, 0x59, 0, 0});
    const std::string dati = codifica_voci(s);
    ASSERT_EQ(dati.size(), 2958u + 2u);
    EXPECT_EQ(dati.substr(0, 36), prefisso + byte({2, 0, 'A', 0xE8}) + coda);
    EXPECT_EQ(dati.substr(36, 34), prefisso + byte({0, 0}) + coda);
    EXPECT_EQ(dati.substr(70), std::string(85 * 34, '\0'));
}

TEST(CodificaVoci, TestoOltre65535ByteTroncatoPerRestareLeggibile) {
    Stato s;
    s.voci[80].stringa = std::string(70000, 'x');
    s.voci[81].numero1 = 1;
    const std::string dati = codifica_voci(s);
    ASSERT_EQ(dati.size(), 2958u + 65535u);
    const std::size_t record = 80 * 34;
    EXPECT_EQ(dati.substr(record + 14, 2), byte({0xFF, 0xFF}));
    EXPECT_EQ(dati[record + 16 + 65535], '\0');          // breve1 follows the text at once
    EXPECT_EQ(dati[record + 34 + 65535 + 1], '\x01');    // the next record starts where its length says
}

// Elements of any shape, as a decoder gives them back.
TEST(CodificaTracciato, TreMetriConEtichette0_2_5) {
    using T = Elemento::Tag;
    const std::vector<Elemento> elementi = {
        {T::intero, 0, 0.0}, {T::intero, -1, 0.0}, {T::doppio, 0, 1.5},  // coordinate 0, metres 0 .. 2
        {T::intero, 1, 0.0}, {T::vuoto, 5, 9.0},   {T::doppio, 0, -2.0},  // coordinate 1, metres 0 .. 2
    };
    EXPECT_EQ(codifica_elementi(elementi), byte({2, 0, 0, 0,                                      //
                                           2, 0, 0xFF, 0xFF,                                //
                                           5, 0, 0, 0, 0, 0, 0, 0, 0xF8, 0x3F,              //
                                           2, 0, 1, 0,                                      //
                                           0, 0,                                            //
                                           5, 0, 0, 0, 0, 0, 0, 0, 0x00, 0xC0}));
}

// The compiler's own table: the fixed points as tag 2, the computed metres as
// tag 5, the tail as tag 0, coordinate 0 of every metre first.
TEST(CodificaTracciato, PuntiFissiMetriCalcolatiECoda) {
    Stato s;
    s.tracciato.crea(3);
    s.tracciato.poni_punti_fissi();
    s.tracciato.prosegui({2, true, -0.5});  // metre 2 at (0 + 0) + (-0.5 * 1) = -0.5, 1 + 1 = 2
    EXPECT_EQ(codifica_tracciato(s), byte({2, 0, 0, 0, 2, 0, 0, 0,                     // coordinate 0, metres 0, 1
                                           5, 0, 0, 0, 0, 0, 0, 0, 0xE0, 0xBF, 0, 0,  // metre 2, metre 3 unassigned
                                           2, 0, 0, 0, 2, 0, 1, 0,                     // coordinate 1
                                           5, 0, 0, 0, 0, 0, 0, 0, 0x00, 0x40, 0, 0}));
}

TEST(CodificaTracciato, SenzaPuntiFissiNullaEAssegnato) {
    Stato s;
    s.tracciato.crea(1);
    EXPECT_EQ(codifica_tracciato(s), byte({0, 0, 0, 0, 0, 0, 0, 0}));
    s.tracciato.cancella();
    EXPECT_EQ(codifica_tracciato(s), "");
}

// Every encoder hands its file on in bounded pieces, never whole, and the
// pieces join into the same bytes as the file made in one string.
class PezziContati final : public Destinazione {
public:
    void scrivi(std::string_view pezzo) override {
        ++pezzi;
        piu_grande = std::max(piu_grande, pezzo.size());
        testo.append(pezzo);
    }
    std::size_t pezzi = 0, piu_grande = 0;
    std::string testo;
};

TEST(CodificaAPezzi, OgniFileInPezziLimitatiCheSiRiunisconoNeiSuoiByte) {
    Stato s = prova::griglia(20000);
    s.voci[3].stringa = std::string(100000, 'x');  // a text longer than a piece
    s.tracciato.crea(20000);
    s.tracciato.poni_punti_fissi();
    s.tracciato.prosegui({15000, true, 0.001});
    struct Caso {
        const char* nome;
        void (*a_pezzi)(const Stato&, Destinazione&);
        std::string (*intero)(const Stato&);
    };
    for (const Caso& c : {Caso{"celle", codifica_celle, codifica_celle}, Caso{"voci", codifica_voci, codifica_voci},
                          Caso{"tracciato", codifica_tracciato, codifica_tracciato}}) {
        PezziContati d;
        c.a_pezzi(s, d);
        EXPECT_GT(d.pezzi, 1u) << c.nome;
        EXPECT_LE(d.piu_grande, Tampone::capacita) << c.nome;
        EXPECT_EQ(d.testo, c.intero(s)) << c.nome;
    }
}

}  // namespace
}  // namespace scenario
