// Text for UTF-8 displays: valid UTF-8 kept, stray bytes read as Windows-1252.
#include <gtest/gtest.h>

#include <string>

#include "platform/testo_utf8.h"

namespace scenario {
namespace {

struct Caso {
    const char* nome;
    std::string ingresso;
    std::string uscita;
};

// The case as ctest names it: stable and readable.
void PrintTo(const Caso& c, std::ostream* os) { *os << c.nome; }

class TestoUtf8 : public ::testing::TestWithParam<Caso> {};

TEST_P(TestoUtf8, ConverteComeAtteso) { EXPECT_EQ(testo_utf8(GetParam().ingresso), GetParam().uscita); }

INSTANTIATE_TEST_SUITE_P(
    Casi, TestoUtf8,
    ::testing::Values(
        Caso{"ascii", " Errore n. 1250", " Errore n. 1250"},
        Caso{"utf8_valido", "citt\xC3\xA0 \xE2\x82\xAC \xF0\x9F\x9A\x82", "citt\xC3\xA0 \xE2\x82\xAC \xF0\x9F\x9A\x82"},
        Caso{"cp1252_lettera", "citt\xE0", "citt\xC3\xA0"},
        Caso{"cp1252_euro_e_virgolette", "\x80 \x93x\x94", "\xE2\x82\xAC \xE2\x80\x9Cx\xE2\x80\x9D"},
        Caso{"cp1252_non_assegnato", "\x81", "\xEF\xBF\xBD"},
        Caso{"sequenza_troncata", "a\xE2\x82", "a\xC3\xA2\xE2\x80\x9A"},
        Caso{"forma_troppo_lunga", "\xC0\xAF", "\xC3\x80\xC2\xAF"},
        Caso{"surrogato", "\xED\xA0\x80", "\xC3\xAD\xC2\xA0\xE2\x82\xAC"},
        Caso{"oltre_10FFFF", "\xF4\x90\x80\x80", "\xC3\xB4\xEF\xBF\xBD\xE2\x82\xAC\xE2\x82\xAC"}),
    [](const ::testing::TestParamInfo<Caso>& info) { return std::string(info.param.nome); });

}  // namespace
}  // namespace scenario
