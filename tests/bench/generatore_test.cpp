// The generator's scenarios: the same seed gives the same bytes; what it
// places compiles without a fault, or with the route-pass faults it was
// asked for; the mix covers every kind the compiler knows.
#include <gtest/gtest.h>

#include <set>
#include <string>

#include "bench/generatore/generatore_scenari.h"
#include "compiler/archivio_memoria.h"
#include "compiler/compilatore.h"

namespace scenario {
namespace {

using generatore::genera;
using generatore::Misura;
using generatore::Opzioni;

struct Compilato {
    Esito esito;
    Stato stato;
};

Compilato compila(const generatore::Scenario& g) {
    Compilato c{Esito::completato, {}};
    c.stato.nome_percorso = "Generato";
    c.stato.numero_treno = "1";
    ArchivioMemoria archivio;
    archivio.file[nome_testo_linea(c.stato)] = g.linea;
    archivio.file[nome_testo_treno(c.stato)] = g.treno;
    std::int32_t geometria = 1;
    c.esito = memorizza_percorso(c.stato, archivio, geometria);
    return c;
}

TEST(Generatore, TheSameSeedGivesTheSameTexts) {
    const Misura m = generatore::misura_varia(7);
    const auto a = genera(m, {7, true});
    const auto b = genera(m, {7, true});
    EXPECT_EQ(a.linea, b.linea);
    EXPECT_EQ(a.treno, b.treno);
    EXPECT_NE(a.treno, genera(m, {8, true}).treno);
}

// Many small scenarios of every mix: each compiles to the end, faultless
// unless route-pass faults were built in, and then only with those.
TEST(Generatore, VariedScenariosCompileAsAsked) {
    int con_guasti = 0;
    for (std::uint64_t seme = 1; seme <= 200; ++seme) {
        const bool guasti = seme % 3 == 0;
        const auto g = genera(generatore::misura_varia(seme), {seme, guasti});
        const Compilato c = compila(g);
        SCOPED_TRACE("seed " + std::to_string(seme));
        ASSERT_EQ(c.esito, Esito::completato);
        ASSERT_TRUE(c.stato.griglia_creata);
        if (g.conteggi.guasti_percorso == 0) {
            EXPECT_EQ(c.stato.codice_errore, 0) << "at metre " << c.stato.posizione_errore;
        } else {
            ++con_guasti;
            EXPECT_TRUE(std::set<int>({11, 12, 13}).contains(c.stato.codice_errore)) << c.stato.codice_errore;
        }
    }
    EXPECT_GE(con_guasti, 5);
}

TEST(Generatore, ProportionalSizesReachTheirCounts) {
    const Misura m = generatore::misura_proporzionata(1000000);
    const auto g = genera(m, {1, false});
    EXPECT_EQ(g.conteggi.curve, 20000);
    EXPECT_EQ(g.conteggi.pendenze, 20000);
    EXPECT_EQ(g.conteggi.segnali, 2000);
    EXPECT_EQ(g.conteggi.stazioni, 78);
    EXPECT_GE(g.conteggi.rallentamenti, 190);
    EXPECT_EQ(g.conteggi.montagne, 80);
    const Compilato c = compila(g);
    EXPECT_EQ(c.esito, Esito::completato);
    EXPECT_EQ(c.stato.codice_errore, 0) << "at metre " << c.stato.posizione_errore;
}

// Every curve class and side, every station kind the reader treats apart,
// and slowdowns on both sides of 110 km/h appear across a few seeds.
TEST(Generatore, TheMixCoversEveryKind) {
    std::set<std::string> curve;
    std::set<int> tipi_stazione;
    bool lento = false, veloce = false;
    for (std::uint64_t seme = 1; seme <= 40; ++seme) {
        const auto g = genera(generatore::misura_varia(seme), {seme, false});
        for (std::size_t i = g.linea.find("curva"); i != std::string::npos; i = g.linea.find("curva", i + 1))
            curve.insert(g.linea.substr(i + 5, 2));
        for (std::size_t i = g.treno.find("stazione,"); i != std::string::npos; i = g.treno.find("stazione,", i + 1))
            tipi_stazione.insert(std::stoi(g.treno.substr(i + 18, 3)));
        for (std::size_t i = g.treno.find("rallentamento,"); i != std::string::npos;
             i = g.treno.find("rallentamento,", i + 1)) {
            const int v = std::stoi(g.treno.substr(i + 23, 6));
            (v < 110 ? lento : veloce) = true;
        }
    }
    EXPECT_EQ(curve.size(), 12u);
    EXPECT_EQ(tipi_stazione, (std::set<int>{3, 5, 6, 7, 8, 12, 22, 26, 27}));
    EXPECT_TRUE(lento && veloce);
}

}  // namespace
}  // namespace scenario
