// Line breaking of message boxes, measured one unit per character.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/a_capo.h"

namespace scenario {
namespace {

int caratteri(std::string_view t) {
    int n = 0;
    for (unsigned char c : t) n += (c & 0xC0) != 0x80;
    return n;
}

struct Caso {
    const char* nome;
    std::string testo;
    int larghezza;
    std::vector<std::string> righe;
};

// The case as ctest names it: stable and readable.
void PrintTo(const Caso& c, std::ostream* os) { *os << c.nome; }

class ACapo : public ::testing::TestWithParam<Caso> {};

TEST_P(ACapo, SpezzaComeAtteso) {
    const Caso& c = GetParam();
    EXPECT_EQ(a_capo(c.testo, c.larghezza, caratteri), c.righe);
}

INSTANTIATE_TEST_SUITE_P(
    Casi, ACapo,
    ::testing::Values(
        Caso{"vuoto", "", 10, {""}},
        Caso{"il_blank_iniziale_resta", " Errore n. 1250", 40, {" Errore n. 1250"}},
        Caso{"al_blank", "uno due tre", 7, {"uno due", "tre"}},
        Caso{"ultimo_blank_che_sta", "aa bb cc dd", 5, {"aa bb", "cc dd"}},
        Caso{"a_capo_del_testo", "uno\ndue", 10, {"uno", "due"}},
        Caso{"riga_vuota_tenuta", "uno\n\ndue", 10, {"uno", "", "due"}},
        Caso{"crlf", "uno\r\ndue", 10, {"uno", "due"}},
        Caso{"parola_troppo_lunga", "abcdefgh", 3, {"abc", "def", "gh"}},
        Caso{"mai_dentro_un_carattere", "citt\xC3\xA0 gi\xC3\xA0", 3, {"cit", "t\xC3\xA0", "gi\xC3\xA0"}},
        Caso{"blank_finale_senza_riga_vuota", "abc ", 3, {"abc"}},
        Caso{"larghezza_nulla_un_carattere_per_riga", "ab", 0, {"a", "b"}}),
    [](const ::testing::TestParamInfo<Caso>& info) { return std::string(info.param.nome); });

}  // namespace
}  // namespace scenario
