// The test-only hold: only plain decimal milliseconds ask for one.
#include <gtest/gtest.h>

#include <string>

#include "platform/attesa_di_prova.h"

namespace scenario {
namespace {

struct Caso {
    const char* nome;
    const char* valore;
    long long ms;
};

// The case as ctest names it: stable and readable.
void PrintTo(const Caso& c, std::ostream* os) { *os << c.nome; }

class AttesaDiProva : public ::testing::TestWithParam<Caso> {};

TEST_P(AttesaDiProva, LeggeIlValore) { EXPECT_EQ(attesa_di_prova(GetParam().valore).count(), GetParam().ms); }

INSTANTIATE_TEST_SUITE_P(Casi, AttesaDiProva,
                         ::testing::Values(Caso{"assente", nullptr, 0}, Caso{"vuoto", "", 0},
                                           Caso{"millisecondi", "3000", 3000}, Caso{"zero", "0", 0},
                                           Caso{"negativo", "-5", 0}, Caso{"segno_piu", "+5", 0},
                                           Caso{"spazio_iniziale", " 5", 0}, Caso{"coda", "5s", 0},
                                           Caso{"non_numero", "tanto", 0}, Caso{"troppo_grande", "99999999999", 0},
                                           Caso{"massimo", "4294967295", 4294967295LL}),
                         [](const ::testing::TestParamInfo<Caso>& info) { return std::string(info.param.nome); });

}  // namespace
}  // namespace scenario
