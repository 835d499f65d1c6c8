// memo_montagna: the cells of a section, its markers, the join of close
// sections and the tables' limit.
#include <gtest/gtest.h>

#include "compiler/posa.h"
#include "tests/compiler/griglia_prova.h"

namespace scenario {
namespace {

using prova::in_cella;
using prova::griglia;

TEST(MemoMontagna, Tipo12DiventaTipo2ConMarcatoriOgniQuattroCelle) {
    Stato s = griglia(100);
    std::int32_t tipo = 12;
    memo_montagna(s, 1000, 1500, tipo);
    EXPECT_EQ(tipo, 2);
    EXPECT_EQ(s.numero_montagne, 1);
    EXPECT_EQ(s.inizio_montagne[1], 1000);
    EXPECT_EQ(s.fine_montagne[1], 1500);
    for (int c = 0; c <= 100; ++c) EXPECT_EQ(in_cella(s, c).montagna, c >= 20 && c <= 29 ? 2 : 0) << c;
    EXPECT_EQ(prova::celle_di_tipo(s, TipoCella::marcatore_montagna), (std::vector<std::int64_t>{23, 27}));
}

TEST(MemoMontagna, SenzaMarcaturaNessunMarcatore) {
    Stato s = griglia(100);
    std::int32_t tipo = 1;
    memo_montagna(s, 1000, 1500, tipo);
    EXPECT_EQ(tipo, 1);
    EXPECT_TRUE(prova::celle_di_tipo(s, TipoCella::marcatore_montagna).empty());
    EXPECT_EQ(in_cella(s, 20).montagna, 1);
}

TEST(MemoMontagna, MarcatoreSoloSuCellaVuota) {
    Stato s = griglia(100);
    prova::metti(s, 23, TipoCella::segnale);
    std::int32_t tipo = 11;
    memo_montagna(s, 1000, 1500, tipo);
    EXPECT_EQ(in_cella(s, 23).tipo, TipoCella::segnale);
    EXPECT_EQ(in_cella(s, 23).montagna, 1);
    EXPECT_EQ(in_cella(s, 27).tipo, TipoCella::marcatore_montagna);
}

struct CasoDistacco {
    std::int32_t inizio_seconda;
    std::int32_t tipo_seconda;
    std::int32_t tipo_dopo;
};

TEST(MemoMontagna, SezioniAMenoDi150MetriDiventanoTipo3) {
    const CasoDistacco casi[] = {{1650, 2, 3}, {1651, 2, 2}, {1500, 1, 3}, {1200, 12, 3}, {1700, 12, 2}};
    for (const auto& c : casi) {
        Stato s = griglia(200);
        std::int32_t tipo = 1;
        memo_montagna(s, 1000, 1500, tipo);
        tipo = c.tipo_seconda;
        memo_montagna(s, c.inizio_seconda, 3000, tipo);
        EXPECT_EQ(tipo, c.tipo_dopo) << c.inizio_seconda;
        EXPECT_EQ(in_cella(s, 59).montagna, c.tipo_dopo) << c.inizio_seconda;
        EXPECT_EQ(s.numero_montagne, 2);
    }
}

TEST(MemoMontagna, TipoMarcatoUnitoAncoraMarcato) {
    Stato s = griglia(200);
    std::int32_t tipo = 1;
    memo_montagna(s, 1000, 1500, tipo);
    tipo = 12;
    memo_montagna(s, 1600, 2400, tipo);  // cells 32 .. 47
    EXPECT_EQ(tipo, 3);
    EXPECT_EQ(prova::celle_di_tipo(s, TipoCella::marcatore_montagna), (std::vector<std::int64_t>{35, 39, 43, 47}));
}

TEST(MemoMontagna, TratteOltreLaGrigliaToccanoSoloLeCelleDellaGriglia) {
    Stato s = griglia(20);
    std::int32_t tipo = 11;
    memo_montagna(s, -500, 300, tipo);  // cells -10 .. 5: counts 4, 8, 12, 16 fall on -7, -3, 1, 5
    EXPECT_EQ(prova::celle_di_tipo(s, TipoCella::marcatore_montagna), (std::vector<std::int64_t>{1, 5}));
    for (int c = 0; c <= 5; ++c) EXPECT_EQ(in_cella(s, c).montagna, 1) << c;
    EXPECT_EQ(in_cella(s, 6).montagna, 0);

    tipo = 2;
    memo_montagna(s, 800, 2147483647, tipo);  // runs far past cell 20
    for (int c = 16; c <= 20; ++c) EXPECT_EQ(in_cella(s, c).montagna, 2) << c;
    EXPECT_EQ(s.celle.size(), 21u);
}

TEST(MemoMontagna, OltreOttantaSezioniGuasto10SenzaScrivere) {
    Stato s = griglia(100);
    for (std::size_t n = 0; n < massimo_montagne; ++n) {
        std::int32_t tipo = 1;
        memo_montagna(s, 0, 0, tipo);
    }
    EXPECT_EQ(s.codice_errore, 0);
    std::int32_t tipo = 2;
    memo_montagna(s, 1000, 1500, tipo);
    EXPECT_EQ(s.codice_errore, 10);
    EXPECT_EQ(s.numero_montagne, massimo_montagne);
    EXPECT_EQ(in_cella(s, 20).montagna, 0);
}

}  // namespace
}  // namespace scenario
