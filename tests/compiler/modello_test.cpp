// The numbers behind the model's names are the ones the compiled files and
// the fault reports carry: pinned here against the format, one by one.
#include <gtest/gtest.h>

#include "compiler/modello.h"

namespace scenario {
namespace {

TEST(Modello, CellTypesAreTheBytesOfTheCellFile) {
    const std::pair<TipoCella, int> attesi[] = {
        {TipoCella::vuota, 0},         {TipoCella::segnale, 1},
        {TipoCella::fine_rallentamento, 2}, {TipoCella::inizio_rallentamento, 3},
        {TipoCella::avviso_rallentamento, 4}, {TipoCella::approccio_rallentamento, 5},
        {TipoCella::indicatore_velocita, 6}, {TipoCella::punto_fermata, 10},
        {TipoCella::marcatore_montagna, 11}, {TipoCella::abbattimento, 12},
        {TipoCella::abbattimento_senza_valore, 13}, {TipoCella::cartello_testo, 14},
    };
    for (const auto& [tipo, byte] : attesi) EXPECT_EQ(static_cast<int>(tipo), byte);
}

TEST(Modello, OnlyEmptyCellsAndMountainMarkersAreFree) {
    for (int t = 0; t <= 255; ++t) {
        const bool attesa = t == 0 || t == 11;
        EXPECT_EQ(libera(static_cast<TipoCella>(t)), attesa) << t;
    }
}

TEST(Modello, FixedSlotsOfTheScenarioTable) {
    EXPECT_EQ(slot::numero_voci, 87u);
    EXPECT_EQ(slot::primo_posto, 1u);
    EXPECT_EQ(slot::ultimo_posto, 80u);
    EXPECT_EQ(slot::progressiva_tre, 81u);
    EXPECT_EQ(slot::progressiva_due, 82u);
    EXPECT_EQ(slot::progressiva_uno, 83u);
    EXPECT_EQ(slot::treno, 84u);
    EXPECT_EQ(slot::percorso, 85u);
    EXPECT_EQ(slot::corsa, 86u);
    EXPECT_EQ(massimo_montagne, 80u);
}

TEST(Modello, FaultNumbersAreTheOnesReported) {
    const int attesi[] = {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 15, 16, 17, 18, 19, 20, 21, 22, 24, 25, 101, 102, 103};
    ASSERT_EQ(std::size(attesi), guasti_registrabili.size());
    for (std::size_t i = 0; i < guasti_registrabili.size(); ++i) EXPECT_EQ(numero(guasti_registrabili[i]), attesi[i]);
    EXPECT_EQ(numero(Guasto::oltre_la_griglia), 15);
    EXPECT_EQ(numero(Guasto::segnale_su_cella_occupata), 16);
    EXPECT_EQ(numero(Guasto::lettura), 25);
    EXPECT_EQ(errore_marcatore, 1250);
    EXPECT_EQ(errore_codici_gara, 1251);
}

TEST(Modello, MarkersAndGrid) {
    EXPECT_EQ(marcatore_tabella, 610);
    EXPECT_EQ(marcatore_celle, 5121);
    EXPECT_EQ(cella_marcatore, 1u);
    EXPECT_EQ(valore_abbattimento, 180);
    EXPECT_EQ(metri_cella, 50);
    EXPECT_EQ(lunghezza_massima, 1000000);
    EXPECT_EQ(margine_griglia, 7000);
}

}  // namespace
}  // namespace scenario
