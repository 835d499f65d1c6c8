// The walk of the route pass on small hand-built grids: points ahead of
// signals before a warning board, before a slowdown, inside it and at its exit.
#include <gtest/gtest.h>

#include "compiler/percorso.h"
#include "tests/compiler/griglia_prova.h"

namespace scenario {
namespace {

using prova::in_cella;
using prova::celle_di_tipo;
using prova::metti;
using Celle = std::vector<std::int64_t>;

constexpr TipoCella segnale = TipoCella::segnale;
constexpr TipoCella fine = TipoCella::fine_rallentamento;
constexpr TipoCella inizio = TipoCella::inizio_rallentamento;
constexpr TipoCella avviso = TipoCella::avviso_rallentamento;
constexpr TipoCella indicatore = TipoCella::indicatore_velocita;
constexpr TipoCella punto = TipoCella::abbattimento;
constexpr TipoCella marcatore = TipoCella::marcatore_montagna;
constexpr TipoCella vuota = TipoCella::vuota;

class Percorso : public ::testing::Test {
protected:
    Stato s = prova::griglia(100);

    // A slowdown start at cell i with speed v, its end at cell e.
    void rallentamento(std::int64_t i, std::int64_t e, std::int16_t v) {
        metti(s, i, inizio, v);
        metti(s, e, fine, v);
    }

    Celle punti() const { return celle_di_tipo(s, punto); }

    void cammina() { ASSERT_EQ(percorri_celle(s), Esito::completato); }
};

// --- signals before a warning board ------------------------------------------

TEST_F(Percorso, AvvisoProteggeOgniSegnaleFinoAllaCella3) {
    metti(s, 10, avviso);
    metti(s, 6, segnale);
    metti(s, 8, segnale);
    metti(s, 2, segnale);  // d < 3: left alone, so cell 1 stays clear of points
    cammina();
    EXPECT_EQ(punti(), (Celle{5, 7}));
    EXPECT_EQ(in_cella(s, 5).valore, 180);
    EXPECT_EQ(s.codice_errore, 0);
}

TEST_F(Percorso, AvvisoGuardaVentiCelleIndietro) {
    metti(s, 50, avviso);
    metti(s, 30, segnale);
    metti(s, 25, segnale);
    cammina();
    EXPECT_EQ(punti(), (Celle{29}));  // only the signal at 30, 20 cells back
}

struct CasoSegnale {
    const char* nome;
    TipoCella tipo_p;  // cell d - 1
    std::int16_t valore_p;
    TipoCella tipo_q;  // cell d - 2
    std::int16_t valore_q;
    std::int16_t valore_p_dopo;
    std::int16_t valore_q_dopo;
    TipoCella tipo_q_dopo;
    std::int32_t guasto;
};

TEST_F(Percorso, AvvisoPuntoDavantiAlSegnale) {
    const CasoSegnale casi[] = {
        {"p libera", marcatore, 0, vuota, 0, 180, 0, vuota, 0},
        {"p presa, q libera", indicatore, 7, vuota, 0, 7, 180, punto, 0},
        {"p punto da 75, q libera: nuovo punto in q", punto, 75, vuota, 0, 75, 180, punto, 0},
        {"p punto da 75, q presa: resta 75", punto, 75, indicatore, 9, 75, 9, indicatore, 0},
        {"p punto da 300, q presa: scende a 180", punto, 300, indicatore, 9, 180, 9, indicatore, 0},
        {"p presa, q punto da 300: scende a 180", indicatore, 7, punto, 300, 7, 180, punto, 0},
        {"p e q prese: guasto 11", indicatore, 7, segnale, 0, 7, 0, segnale, 11},
    };
    for (const auto& c : casi) {
        s = prova::griglia(100);
        metti(s, 40, avviso);
        metti(s, 30, segnale);
        metti(s, 29, c.tipo_p, c.valore_p);
        metti(s, 28, c.tipo_q, c.valore_q);
        cammina();
        EXPECT_EQ(in_cella(s, 29).valore, c.valore_p_dopo) << c.nome;
        EXPECT_EQ(in_cella(s, 28).valore, c.valore_q_dopo) << c.nome;
        EXPECT_EQ(in_cella(s, 28).tipo, c.tipo_q_dopo) << c.nome;
        EXPECT_EQ(s.codice_errore, c.guasto) << c.nome;
        if (c.guasto != 0) {
            EXPECT_EQ(s.posizione_errore, 30 * 50) << c.nome;
        }
    }
}

// --- approach windows before a slowdown start --------------------------------

TEST_F(Percorso, FinestreDiAvvicinamentoSecondoLaDistanzaDallInizio) {
    struct Caso {
        std::int64_t inizio;
        Celle punti;
    };
    const Caso casi[] = {{7, {}}, {8, {3}}, {13, {8}}, {14, {3, 9}}, {21, {3, 10, 16}}};
    for (const auto& c : casi) {
        s = prova::griglia(100);
        rallentamento(c.inizio, c.inizio + 3, 120);
        cammina();
        EXPECT_EQ(punti(), c.punti) << c.inizio;
    }
}

TEST_F(Percorso, FinestraPresaPassaAllaCellaSuccessivaPoiGuasto12) {
    rallentamento(30, 33, 120);
    metti(s, 25, segnale);  // first choice of the first window
    cammina();
    EXPECT_EQ(punti(), (Celle{12, 19, 24}));
    EXPECT_EQ(s.codice_errore, 0);

    s = prova::griglia(100);
    rallentamento(30, 33, 120);
    for (int c : {23, 24, 25}) metti(s, c, indicatore);
    cammina();
    EXPECT_EQ(punti(), (Celle{12, 19}));  // the other windows still get theirs
    EXPECT_EQ(s.codice_errore, 12);
    EXPECT_EQ(s.posizione_errore, 30 * 50);
}

// --- points inside a slow section --------------------------------------------

TEST_F(Percorso, Velocita110NessunPuntoDentro100OgniOttoCelle) {
    rallentamento(30, 50, 110);
    cammina();
    EXPECT_EQ(punti(), (Celle{12, 19, 25}));  // the approach windows only

    s = prova::griglia(100);
    rallentamento(30, 50, 100);
    cammina();
    EXPECT_EQ(punti(), (Celle{12, 19, 25, 38, 46}));
}

TEST_F(Percorso, VelocitaNegativaEInferioreA110) {
    rallentamento(30, 40, -5);
    cammina();
    EXPECT_EQ(in_cella(s, 38).tipo, punto);
}

TEST_F(Percorso, CellaOttavaPresaIlPuntoScalaEIlPassoRiparteDaLi) {
    struct Caso {
        const char* nome;
        Celle prese;
        Celle dentro;
    };
    const Caso casi[] = {
        {"ottava presa", {38}, {37, 45}},
        {"ottava e settima prese", {38, 37}, {39, 47}},
    };
    for (const auto& c : casi) {
        s = prova::griglia(100);
        rallentamento(30, 50, 100);
        for (auto p : c.prese) metti(s, p, indicatore);
        cammina();
        Celle dentro;
        for (auto p : punti())
            if (p > 30) dentro.push_back(p);
        EXPECT_EQ(dentro, c.dentro) << c.nome;
        EXPECT_EQ(s.codice_errore, 0) << c.nome;
    }
}

TEST_F(Percorso, TreCellePreseGuasto13ENessunAltroPuntoNelTratto) {
    rallentamento(30, 60, 100);
    for (int c : {37, 38, 39}) metti(s, c, indicatore);
    cammina();
    EXPECT_EQ(s.codice_errore, 13);
    EXPECT_EQ(s.posizione_errore, 38 * 50);
    for (auto p : punti()) EXPECT_LT(p, 30);
}

TEST_F(Percorso, LaCellaDiFineContaNelPasso) {
    rallentamento(30, 38, 100);  // the 8th cell is the end: the point goes just before it
    cammina();
    EXPECT_EQ(in_cella(s, 37).tipo, punto);
}

TEST_F(Percorso, TrattoSenzaFineSiFermaAllUltimaCella) {
    s = prova::griglia(40);
    metti(s, 30, inizio, 50);
    cammina();
    EXPECT_EQ(in_cella(s, 38).tipo, punto);
    EXPECT_EQ(s.codice_errore, 0);
    EXPECT_EQ(s.celle.size(), 41u);

    // the 8th cell lands on the last cell, it and the one before taken: no read beyond
    s = prova::griglia(40);
    metti(s, 32, inizio, 50);
    metti(s, 40, indicatore);
    metti(s, 39, indicatore);
    cammina();
    EXPECT_EQ(s.codice_errore, 0);
}

// --- the point at the exit ---------------------------------------------------

TEST_F(Percorso, UscitaPuntoPrimaDelPrimoSegnaleEntroDodiciCelle) {
    struct Caso {
        std::int64_t segnale;
        std::int64_t punto;  // 0: none
    };
    const Caso casi[] = {{55, 54}, {62, 61}, {63, 0}, {51, 49}};
    for (const auto& c : casi) {
        s = prova::griglia(100);
        rallentamento(30, 50, 110);
        metti(s, c.segnale, segnale);
        if (c.segnale != 51) metti(s, 70, segnale);  // a second signal further on is never looked at
        cammina();
        Celle oltre;
        for (auto p : punti())
            if (p > 30) oltre.push_back(p);
        EXPECT_EQ(oltre, c.punto ? Celle{c.punto} : Celle{}) << c.segnale;
    }
}

TEST_F(Percorso, UscitaCellaPresaUsaQuellaPrimaPoiGuasto13) {
    rallentamento(30, 50, 110);
    metti(s, 55, segnale);
    metti(s, 54, indicatore);
    cammina();
    EXPECT_EQ(in_cella(s, 53).tipo, punto);

    s = prova::griglia(100);
    rallentamento(30, 50, 110);
    metti(s, 55, segnale);
    metti(s, 54, indicatore);
    metti(s, 53, indicatore);
    cammina();
    EXPECT_EQ(s.codice_errore, 13);
    EXPECT_EQ(s.posizione_errore, 50 * 50);
}

TEST_F(Percorso, Velocita110CercaIlSegnaleDallaFineNonDalPassatoDelPercorso) {
    metti(s, 10, avviso);  // the board's scan ends near cell 3; the exit search must not start there
    rallentamento(30, 50, 120);
    metti(s, 35, segnale);  // inside the section: never the exit signal
    metti(s, 56, segnale);
    cammina();
    EXPECT_EQ(in_cella(s, 55).tipo, punto);
    EXPECT_NE(in_cella(s, 34).tipo, punto);
}

TEST_F(Percorso, UscitaVicinaAllaFineDellaGriglia) {
    s = prova::griglia(40);
    rallentamento(30, 36, 100);
    metti(s, 40, segnale);
    cammina();
    EXPECT_EQ(in_cella(s, 39).tipo, punto);
    EXPECT_EQ(s.codice_errore, 0);
}

TEST_F(Percorso, LaCamminataVisitaSoloFinoANumeroCelleMeno2) {
    s = prova::griglia(40);
    metti(s, 39, avviso);
    metti(s, 35, segnale);
    cammina();
    EXPECT_TRUE(punti().empty());

    s = prova::griglia(40);
    metti(s, 38, avviso);
    metti(s, 35, segnale);
    cammina();
    EXPECT_EQ(punti(), (Celle{34}));
}

}  // namespace
}  // namespace scenario
