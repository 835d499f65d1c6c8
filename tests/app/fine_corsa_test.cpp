// The one end-of-run rule of the builder and the tool: outcome, exit status
// and report for each way a compile can end.
#include "app/fine_corsa.h"

#include <gtest/gtest.h>

#include <optional>

#include "tests/supporto/compila_in_memoria.h"

namespace scenario {
namespace {

const NomiTesti nomi{"R_linea.txt", "R_1-.txt"};
const std::string linea_sana = "[generale]\r\nlunghezza percorso, 1000\r\n[curve]\r\n[pendenze]\r\n[montagne]\r\n"
                               "[cartelli]\r\n[indicazioni]\r\n[fine]\r\n";
const std::string treno_sano = "[generale]\r\n[aderenze]\r\n[vel_limite]\r\n[stazioni]\r\n[rallentamenti]\r\n"
                               "[segnali]\r\n[codici]\r\n[fine]\r\n";

struct Caso {
    const char* nome;
    std::string linea;
    std::string treno;
    bool avvisi_come_errori;
    FineCorsa fine;
    int stato;
    std::string inizio_rapporto;  // empty: no report at all
};

void PrintTo(const Caso& c, std::ostream* os) { *os << c.nome; }

class FineCorsaTest : public ::testing::TestWithParam<Caso> {};

TEST_P(FineCorsaTest, OutcomeStatusAndReport) {
    const Caso& caso = GetParam();
    const test::Compilato compilato = test::compila_in_memoria("R", "1", caso.linea, caso.treno, 0);
    const Conclusione c = concludi(compilato.s, compilato.esito, nomi, caso.avvisi_come_errori);
    EXPECT_EQ(c.fine, caso.fine);
    EXPECT_EQ(stato_uscita(c.fine), caso.stato);
    EXPECT_EQ(c.rapporto.substr(0, caso.inizio_rapporto.size()), caso.inizio_rapporto) << c.rapporto;
    EXPECT_EQ(c.rapporto.empty(), caso.inizio_rapporto.empty()) << c.rapporto;
}

INSTANTIATE_TEST_SUITE_P(
    Corse, FineCorsaTest,
    ::testing::Values(
        Caso{"Pulita", linea_sana, treno_sano, true, FineCorsa::completata, 0, ""},
        Caso{"GuastoRegistrato", linea_sana, "[generale]\r\nsabbia, x\r\n", false, FineCorsa::guasto_registrato, 1,
             "R_1-.txt:2:9: errore 25: "},
        Caso{"SenzaGriglia", "[generale]\r\n[fine]\r\n", treno_sano, false, FineCorsa::guasto_registrato, 1,
             "R_linea.txt: errore: manca la riga 'lunghezza percorso'"},
        Caso{"ErroreFatale", linea_sana, "[generale]\r\nabbattimento, 50, 7\r\n", false, FineCorsa::errore_fatale, 3,
             " Errore n. 1250\nR_1-.txt:2:15: errore 1250: "},
        Caso{"SoloAvvisi", linea_sana, treno_sano + "segnlae, 1\r\n", false, FineCorsa::completata, 0,
             "R_1-.txt:9:1: avviso: "},
        Caso{"AvvisiComeErrori", linea_sana, treno_sano + "segnlae, 1\r\n", true, FineCorsa::guasto_registrato, 1,
             "R_1-.txt:9:1: avviso: "}),
    [](const auto& info) { return std::string(info.param.nome); });

}  // namespace
}  // namespace scenario
