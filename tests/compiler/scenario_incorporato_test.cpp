// The builder's own scenario read back by both readers: no fault, both texts
// consumed, and the grid carries what the texts describe.
#include <gtest/gtest.h>

#include "tests/compiler/prova_lettori.h"
#include "tests/supporto/file_attesi.h"

namespace scenario::test {
namespace {

TEST(ScenarioIncorporato, ReadsWithoutFault) {
    ProvaLettori p;
    p.s.nome_percorso = "Vordano_Seli";
    p.s.numero_treno = "4936";
    p.esegui(file_atteso(nome_linea_incorporata), file_atteso(nome_treno_incorporato));
    EXPECT_EQ(p.s.codice_errore, 0);
    EXPECT_EQ(p.s.posizione_errore, posizione_non_scritta);
    EXPECT_EQ(p.s.numero_celle, 1980);
    EXPECT_EQ(p.s.voci[81].numero2, 87850);  // "uno" first, its flag adds 100
    EXPECT_EQ(p.cella(18).tipo, TipoCella::segnale);          // "segnale, 850, 2, 4, 1, ..."
    EXPECT_EQ(p.cella(18).valore4, 6);
    EXPECT_EQ(p.s.voci[86].breve3, 6);
    EXPECT_EQ(p.s.voci[28].numero3, 83500);  // the terminus is the 28th station
    EXPECT_EQ(p.s.voci[29].numero3, 0);
    EXPECT_FALSE(p.linea_presente());
    EXPECT_FALSE(p.treno_presente());
}

}  // namespace
}  // namespace scenario::test
