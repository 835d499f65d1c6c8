// The file markers and the competition codes: the markers of cell 1 and voce 85, the
// codes stamped beside them, and the refusals 1250 and 1251.
#include <gtest/gtest.h>

#include "compiler/percorso.h"
#include "tests/compiler/griglia_prova.h"

namespace scenario {
namespace {

using prova::in_cella;

Stato con_nomi(std::string_view percorso, std::string_view treno) {
    Stato s = prova::griglia(100);
    s.voci[85].stringa = percorso;
    s.voci[86].stringa = treno;
    return s;
}

struct CasoCodici {
    const char* percorso;
    const char* treno;
    std::int16_t semplice;
    std::int32_t pesato;
};

TEST(Timbri, MarcatoriECodiciDiGara) {
    const CasoCodici casi[] = {
        {"Vordano_Seli", "4936", 2388, 32631},
        {"VORDANO_SELI", "4936", 2388, 32631},
        {"", "", 2583, 34355},
    };
    for (const auto& c : casi) {
        Stato s = con_nomi(c.percorso, c.treno);
        ASSERT_EQ(percorri_celle(s), Esito::completato) << c.percorso;
        EXPECT_EQ(in_cella(s, 1).valore, 5121);
        EXPECT_EQ(in_cella(s, 1).valore2, c.semplice) << c.percorso;
        EXPECT_EQ(s.voci[85].breve1, 610);
        EXPECT_EQ(s.voci[85].numero4, c.pesato) << c.percorso;
    }
}

TEST(Timbri, LaChiaveRestaInRiga) {
    Stato s = con_nomi("Vordano_Seli", "4936");
    ASSERT_EQ(percorri_celle(s), Esito::completato);
    EXPECT_EQ(s.riga.substr(0, 25), "4936vordano_seliaabbccdde");
}

TEST(Timbri, Windows1252MaiuscoleEMinuscoleDannoGliStessiCodici) {
    Stato alto = con_nomi("\xC0\xC9\x8A\x8C\x8E\x9F", "\xDE");
    Stato basso = con_nomi("\xE0\xE9\x9A\x9C\x9E\xFF", "\xFE");
    ASSERT_EQ(percorri_celle(alto), Esito::completato);
    ASSERT_EQ(percorri_celle(basso), Esito::completato);
    EXPECT_EQ(in_cella(alto, 1).valore2, in_cella(basso, 1).valore2);
    EXPECT_EQ(alto.voci[85].numero4, basso.voci[85].numero4);

    Stato per = con_nomi("\xD7", "");  // the multiplication sign has no lower case
    Stato diviso = con_nomi("\xF7", "");
    ASSERT_EQ(percorri_celle(per), Esito::completato);
    ASSERT_EQ(percorri_celle(diviso), Esito::completato);
    EXPECT_NE(in_cella(per, 1).valore2, in_cella(diviso, 1).valore2);
}

TEST(Timbri, ScambiareDueCaratteriCambiaSoloIlCodicePesato) {
    Stato a = con_nomi("ab", "");
    Stato b = con_nomi("ba", "");
    ASSERT_EQ(percorri_celle(a), Esito::completato);
    ASSERT_EQ(percorri_celle(b), Esito::completato);
    EXPECT_EQ(in_cella(a, 1).valore2, in_cella(b, 1).valore2);
    EXPECT_NE(a.voci[85].numero4, b.voci[85].numero4);
}

struct CasoPostoOccupato {
    const char* nome;
    void (*prepara)(Stato&);
    Esito esito;
};

TEST(Timbri, PostoGiaUsatoFermaIlPassaggio) {
    const CasoPostoOccupato casi[] = {
        {"valore della cella 1", [](Stato& s) { in_cella(s, 1).valore = -1; }, Esito::errore_1250},
        {"breve1 della voce 85", [](Stato& s) { s.voci[85].breve1 = 610; }, Esito::errore_1250},
        {"valore2 della cella 1", [](Stato& s) { in_cella(s, 1).valore2 = 7; }, Esito::errore_1251},
        {"numero4 della voce 85", [](Stato& s) { s.voci[85].numero4 = 1; }, Esito::errore_1251},
        {"un punto arrivato alla cella 1",
         [](Stato& s) {
             prova::metti(s, 8, TipoCella::inizio_rallentamento, 120);  // the first window of a start at cell 8 is 3, 2, 1
             prova::metti(s, 11, TipoCella::fine_rallentamento, 120);
             prova::metti(s, 3, TipoCella::indicatore_velocita);
             prova::metti(s, 2, TipoCella::indicatore_velocita);
         },
         Esito::errore_1250},
    };
    for (const auto& c : casi) {
        Stato s = con_nomi("Vordano_Seli", "4936");
        c.prepara(s);
        EXPECT_EQ(percorri_celle(s), c.esito) << c.nome;
    }
}

TEST(Timbri, UnMarcatoreDiMontagnaInCella1NonDisturba) {
    Stato s = con_nomi("Vordano_Seli", "4936");
    prova::metti(s, 1, TipoCella::marcatore_montagna);
    EXPECT_EQ(percorri_celle(s), Esito::completato);
}

}  // namespace
}  // namespace scenario
