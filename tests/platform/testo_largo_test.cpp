// UTF-16 for Win32 boxes and windows: UTF-8 and stray Windows-1252 bytes alike.
#include <gtest/gtest.h>

#include <string>

#include "platform/testo_largo_win32.h"

namespace scenario {
namespace {

struct Caso {
    const char* nome;
    std::string ingresso;
    std::wstring uscita;
};

// The case as ctest names it: stable and readable.
void PrintTo(const Caso& c, std::ostream* os) { *os << c.nome; }

class TestoLargo : public ::testing::TestWithParam<Caso> {};

TEST_P(TestoLargo, ConverteComeAtteso) { EXPECT_EQ(testo_largo(GetParam().ingresso), GetParam().uscita); }

INSTANTIATE_TEST_SUITE_P(Casi, TestoLargo,
                         ::testing::Values(Caso{"vuoto", "", L""}, Caso{"ascii", " Errore n. 1250", L" Errore n. 1250"},
                                           Caso{"utf8", "citt\xC3\xA0", L"citt\u00E0"},
                                           Caso{"cp1252", "citt\xE0 \x80", L"citt\u00E0 \u20AC"},
                                           Caso{"fuori_dal_piano_base", "\xF0\x9F\x9A\x82", L"\U0001F682"}),
                         [](const ::testing::TestParamInfo<Caso>& info) { return std::string(info.param.nome); });

}  // namespace
}  // namespace scenario
