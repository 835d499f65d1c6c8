// Placement of point objects: the position rule, signals, slowdowns and
// maximum-speed boards, with their faults and the grid's edges.
#include <gtest/gtest.h>

#include <cmath>

#include "compiler/codifica.h"
#include "compiler/posa.h"
#include "tests/compiler/griglia_prova.h"

namespace scenario {
namespace {

using prova::in_cella;
using prova::griglia;
using prova::metti;

struct Arrotondamento {
    std::int64_t metri;
    std::int64_t vicino;  // nearest(metri / 50)
    std::int64_t cella;   // nearest(metri / 50 + 1)
};

TEST(RegolaPosizione, ArrotondaAlPiuVicinoConPariSulloSpareggio) {
    const Arrotondamento casi[] = {
        {0, 0, 1},          {24, 0, 1},         {25, 0, 2},          {26, 1, 2},         {75, 2, 2},
        {125, 2, 4},        {850, 17, 18},      {1000, 20, 21},      {-24, 0, 1},        {-25, 0, 0},
        {-26, -1, 0},       {-75, -2, 0},       {-76, -2, -1},       {99000, 1980, 1981}, {99025, 1980, 1982},
        {99075, 1982, 1982}, {2147483647, 42949673, 42949674}, {-2147483648LL, -42949673, -42949672},
    };
    for (const auto& c : casi) {
        EXPECT_EQ(cella_vicina(c.metri), c.vicino) << c.metri;
        EXPECT_EQ(cella_di(c.metri), c.cella) << c.metri;
    }
}

TEST(Minimo, UgualiDannoIlPrimo) {
    EXPECT_EQ(minimo(180, 75), 75);
    EXPECT_EQ(minimo(75, 180), 75);
    EXPECT_EQ(minimo(-0.0, 0.0), -0.0);
    EXPECT_TRUE(std::signbit(minimo(-0.0, 0.0)));
}

// --- signals ---------------------------------------------------------------

void segnale(Stato& s, std::int32_t posizione, std::int32_t sx, std::int32_t& tempo, std::int16_t dx = 0) {
    memo_segnale(s, posizione, sx, 4, 1, 0, 0, dx, 0, 0, 0, tempo);
}

TEST(MemoSegnale, LaStradaDiUnSegnale) {
    Stato s = griglia(100);
    std::int32_t tempo = 0;
    memo_segnale(s, 850, 2, 4, 1, 0, 0, 0, 0, 0, 0, tempo);
    const Cella& c = in_cella(s, 18);
    EXPECT_EQ(c.tipo, TipoCella::segnale);
    EXPECT_EQ(c.valore, 40);
    EXPECT_EQ(c.valore2, 10);
    EXPECT_EQ(c.valore3, 0);
    EXPECT_EQ(c.valore4, 6);
    EXPECT_EQ(c.tempo, 0);
    EXPECT_EQ(in_cella(s, 16).ripetitore, 61);
    EXPECT_EQ(in_cella(s, 14).ripetitore, 62);
    EXPECT_EQ(in_cella(s, 12).ripetitore, 63);
    EXPECT_EQ(in_cella(s, 10).ripetitore, 64);
    for (int i : {8, 9, 11, 13, 15, 17, 18, 19}) EXPECT_EQ(in_cella(s, i).ripetitore, 0) << i;
    EXPECT_EQ(s.codice_errore, 0);
}

TEST(MemoSegnale, ValoriCompostiDaTuttiICampi) {
    Stato s = griglia(100);
    std::int32_t tempo = 0;
    memo_segnale(s, 1000, 1, 2, 3, 4, 5, 2, 7, 8, 9, tempo);
    const Cella& c = in_cella(s, 21);
    EXPECT_EQ(c.valore, 27);
    EXPECT_EQ(c.valore2, 38);
    EXPECT_EQ(c.valore3, 49);
    EXPECT_EQ(c.valore4, 5 * 10 + 1 * 3 + 2);
    for (int k = 1; k <= 4; ++k) EXPECT_EQ(in_cella(s, 21 - 2 * k).ripetitore, 50 + k);
}

TEST(MemoSegnale, CampiA16BitTengonoIBitBassi) {
    Stato s = griglia(100);
    std::int32_t tempo = 0;
    memo_segnale(s, 1000, 100, 4000, 0, 0, 32767, 0, 0, 0, 0, tempo);
    EXPECT_EQ(in_cella(s, 21).valore, -25536);               // 40000 - 65536
    EXPECT_EQ(in_cella(s, 21).valore4, 290);                 // 327970 mod 65536
    EXPECT_EQ(in_cella(s, 19).ripetitore, (300 * 10 + 1) % 256);  // 8-bit repeater mark
}

struct CasoTempo {
    std::int32_t sx;
    std::int32_t tempo;
    std::int32_t tempo_dopo;
    int byte_cella;
};

TEST(MemoSegnale, TempoPortatoA101ESalvatoSoloConSx2) {
    const CasoTempo casi[] = {
        {2, 0, 0, 0},       {2, 1, 101, 101},     {2, 50, 101, 101}, {2, 100, 101, 101},
        {2, 101, 101, 101}, {2, 150, 150, 150},   {2, 300, 300, 44}, {2, -5, -5, 251},
        {1, 50, 101, 0},    {3, 150, 150, 0},
    };
    for (const auto& c : casi) {
        Stato s = griglia(100);
        std::int32_t tempo = c.tempo;
        segnale(s, 1000, c.sx, tempo);
        EXPECT_EQ(tempo, c.tempo_dopo) << c.sx << " " << c.tempo;
        EXPECT_EQ(in_cella(s, 21).tempo, c.byte_cella) << c.sx << " " << c.tempo;
    }
}

TEST(MemoSegnale, CellaOccupataEGuasto16SenzaScrivereNulla) {
    Stato s = griglia(100);
    metti(s, 21, TipoCella::inizio_rallentamento, 50);
    const std::string prima = codifica_celle(s);
    std::int32_t tempo = 50;
    segnale(s, 1000, 2, tempo);
    EXPECT_EQ(s.codice_errore, 16);
    EXPECT_EQ(codifica_celle(s), prima);
    EXPECT_EQ(tempo, 50);
}

TEST(MemoSegnale, MarcatoreDiMontagnaEUnaCellaLibera) {
    Stato s = griglia(100);
    metti(s, 21, TipoCella::marcatore_montagna);
    std::int32_t tempo = 0;
    segnale(s, 1000, 2, tempo);
    EXPECT_EQ(s.codice_errore, 0);
    EXPECT_EQ(in_cella(s, 21).tipo, TipoCella::segnale);
}

TEST(MemoSegnale, RipetitoriScrittiSuCelleOccupateSenzaCambiarleAltrimenti) {
    Stato s = griglia(100);
    metti(s, 19, TipoCella::indicatore_velocita, 1516);
    std::int32_t tempo = 0;
    segnale(s, 1000, 2, tempo);
    EXPECT_EQ(in_cella(s, 19).tipo, TipoCella::indicatore_velocita);
    EXPECT_EQ(in_cella(s, 19).valore, 1516);
    EXPECT_EQ(in_cella(s, 19).ripetitore, 61);
}

TEST(MemoSegnale, RipetitoriPrimaDellaCella0SonoScartati) {
    Stato s = griglia(100);
    std::int32_t tempo = 0;
    segnale(s, 250, 2, tempo);  // cell 6: marks at 4, 2, 0; the fourth would be cell -2
    EXPECT_EQ(s.codice_errore, 0);
    EXPECT_EQ(in_cella(s, 6).tipo, TipoCella::segnale);
    EXPECT_EQ(in_cella(s, 4).ripetitore, 61);
    EXPECT_EQ(in_cella(s, 2).ripetitore, 62);
    EXPECT_EQ(in_cella(s, 0).ripetitore, 63);

    Stato t = griglia(100);
    segnale(t, 0, 2, tempo);  // cell 1: every mark falls before the grid
    EXPECT_EQ(in_cella(t, 1).tipo, TipoCella::segnale);
    for (const Cella& c : t.celle) EXPECT_EQ(c.ripetitore, 0);
}

TEST(MemoSegnale, FuoriGrigliaNonToccaNulla) {
    for (std::int32_t posizione : {5000, 1000000, -100, -2147483647 - 1}) {
        Stato s = griglia(100);
        const std::string prima = codifica_celle(s);
        std::int32_t tempo = 0;
        segnale(s, posizione, 2, tempo);
        EXPECT_EQ(codifica_celle(s), prima) << posizione;
    }
}

// --- slowdowns -------------------------------------------------------------

TEST(MemoRallentamento, A1500NienteAvvisoNeSegniAncheConFta) {
    Stato s = griglia(100);
    memo_rallentamento(s, 1500, 30, 500, 7, 1, 0);
    EXPECT_EQ(s.codice_errore, 0);
    EXPECT_EQ(prova::celle_di_tipo(s, TipoCella::inizio_rallentamento), std::vector<std::int64_t>{31});
    EXPECT_EQ(prova::celle_di_tipo(s, TipoCella::fine_rallentamento), std::vector<std::int64_t>{41});
    EXPECT_TRUE(prova::celle_di_tipo(s, TipoCella::avviso_rallentamento).empty());
    EXPECT_TRUE(prova::celle_di_tipo(s, TipoCella::approccio_rallentamento).empty());
    for (int i : {31, 41}) {
        EXPECT_EQ(in_cella(s, i).valore, 30);
        EXPECT_EQ(in_cella(s, i).valore3, 7);
        EXPECT_EQ(in_cella(s, i).valore2, 0);
    }
}

TEST(MemoRallentamento, A1550AvvisoESegniDiAvvicinamento) {
    Stato s = griglia(100);
    memo_rallentamento(s, 1550, 60, 1000, 2, 1, 0);
    EXPECT_EQ(s.codice_errore, 0);
    EXPECT_EQ(in_cella(s, 32).tipo, TipoCella::inizio_rallentamento);
    EXPECT_EQ(in_cella(s, 52).tipo, TipoCella::fine_rallentamento);
    EXPECT_EQ(in_cella(s, 8).tipo, TipoCella::avviso_rallentamento);
    EXPECT_EQ(in_cella(s, 8).valore, 60);
    EXPECT_EQ(in_cella(s, 8).valore3, 0);  // the board carries no f_tt
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(in_cella(s, 7 - i).tipo, TipoCella::approccio_rallentamento) << i;
        EXPECT_EQ(in_cella(s, 7 - i).valore, i + 1) << i;
        EXPECT_EQ(in_cella(s, 7 - i).valore2, 0) << i;
    }
    EXPECT_EQ(in_cella(s, 3).tipo, TipoCella::vuota);
}

TEST(MemoRallentamento, FtaZeroNienteSegni) {
    Stato s = griglia(100);
    memo_rallentamento(s, 1550, 60, 1000, 2, 0, 0);
    EXPECT_EQ(in_cella(s, 8).tipo, TipoCella::avviso_rallentamento);
    EXPECT_TRUE(prova::celle_di_tipo(s, TipoCella::approccio_rallentamento).empty());
}

TEST(MemoRallentamento, DvDiversoDaZeroVaInValore2) {
    Stato s = griglia(100);
    memo_rallentamento(s, 1550, 60, 1000, 2, 1, 70000);
    for (int i : {8, 32, 52}) EXPECT_EQ(in_cella(s, i).valore2, 70000 - 65536) << i;
    for (int i = 0; i < 4; ++i) EXPECT_EQ(in_cella(s, 7 - i).valore2, i + 1);
}

TEST(MemoRallentamento, DvZeroLasciaValore2ComEra) {
    Stato s = griglia(100);
    metti(s, 32, TipoCella::marcatore_montagna);  // a mountain marker is free but keeps what else it holds
    in_cella(s, 32).valore2 = 99;
    memo_rallentamento(s, 1550, 60, 1000, 2, 0, 0);
    EXPECT_EQ(in_cella(s, 32).tipo, TipoCella::inizio_rallentamento);
    EXPECT_EQ(in_cella(s, 32).valore2, 99);
}

struct CasoOccupato {
    std::int64_t cella_presa;
    std::int32_t guasto;
};

TEST(MemoRallentamento, CellaPresaGuastoSenzaScrivereNulla) {
    // x 1550, l 1000: board 8, start 32, end 52. The board is tested first.
    const CasoOccupato casi[] = {{8, 17}, {32, 18}, {52, 19}};
    for (const auto& c : casi) {
        Stato s = griglia(100);
        metti(s, c.cella_presa, TipoCella::segnale);
        const std::string prima = codifica_celle(s);
        memo_rallentamento(s, 1550, 60, 1000, 2, 1, 5);
        EXPECT_EQ(s.codice_errore, c.guasto) << c.cella_presa;
        EXPECT_EQ(codifica_celle(s), prima) << c.cella_presa;
    }
    Stato s = griglia(100);
    metti(s, 8, TipoCella::segnale);
    metti(s, 32, TipoCella::segnale);
    memo_rallentamento(s, 1550, 60, 1000, 2, 1, 5);
    EXPECT_EQ(s.codice_errore, 17);
}

TEST(MemoRallentamento, SegnoDiAvvicinamentoPresoGuasto20DopoAvvisoInizioEFine) {
    Stato s = griglia(100);
    metti(s, 5, TipoCella::segnale);
    memo_rallentamento(s, 1550, 60, 1000, 2, 1, 0);
    EXPECT_EQ(s.codice_errore, 20);
    EXPECT_EQ(in_cella(s, 8).tipo, TipoCella::avviso_rallentamento);
    EXPECT_EQ(in_cella(s, 32).tipo, TipoCella::inizio_rallentamento);
    EXPECT_EQ(in_cella(s, 52).tipo, TipoCella::fine_rallentamento);
    for (int i : {4, 6, 7}) EXPECT_EQ(in_cella(s, i).tipo, TipoCella::vuota) << i;
}

TEST(MemoRallentamento, FineFuoriGrigliaSaltataSenzaToccareOltre) {
    Stato s = griglia(60);
    memo_rallentamento(s, 2500, 40, 5000, 0, 1, 0);  // end cell 151
    EXPECT_EQ(s.codice_errore, 0);
    EXPECT_EQ(in_cella(s, 51).tipo, TipoCella::inizio_rallentamento);
    EXPECT_EQ(s.celle.size(), 61u);
}

// --- maximum-speed boards --------------------------------------------------

TEST(MemoIndicatori, VelocitaCodificate) {
    Stato s = griglia(100);
    memo_indicatori_v_max(s, 500, 75, 80, 105, 1, 80, 82, 83, 2);
    const Cella& c = in_cella(s, 11);
    EXPECT_EQ(c.tipo, TipoCella::indicatore_velocita);
    EXPECT_EQ(c.valore, 1516);   // 75 x 20 + 16
    EXPECT_EQ(c.valore2, 1616);  // 16.4 goes to 16
    EXPECT_EQ(c.valore3, 2117);  // 16.6 goes to 17
    EXPECT_EQ(c.valore4, 12);
}

TEST(MemoIndicatori, SoloLatoSinistroNegativiEBitBassi) {
    Stato s = griglia(100);
    memo_indicatori_v_max(s, 500, 50, 2000, 0, 0, 0, 0, -3, -1);
    EXPECT_EQ(in_cella(s, 11).valore, 1000);
    EXPECT_EQ(in_cella(s, 11).valore2, 40000 - 65536);
    EXPECT_EQ(in_cella(s, 11).valore3, -1);  // -0.6 goes to -1
    EXPECT_EQ(in_cella(s, 11).valore4, -1);
}

TEST(MemoIndicatori, CellaOccupataGuasto21) {
    Stato s = griglia(100);
    metti(s, 11, TipoCella::cartello_testo, 80);
    const std::string prima = codifica_celle(s);
    memo_indicatori_v_max(s, 500, 75, 80, 80, 0, 0, 0, 0, 0);
    EXPECT_EQ(s.codice_errore, 21);
    EXPECT_EQ(codifica_celle(s), prima);
}

}  // namespace
}  // namespace scenario
