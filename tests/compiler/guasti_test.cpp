// The fault table and the two visible texts built from it.
#include <gtest/gtest.h>

#include <set>

#include "compiler/guasti.h"
#include "compiler/testo_unicode.h"

namespace scenario {
namespace {

// Every byte belongs to a well-formed UTF-8 sequence, and none is a control character.
bool utf8_valido(std::string_view t) {
    for (std::size_t i = 0; i < t.size();) {
        const std::size_t n = sequenza_utf8(t, i);
        if (n == 0 || static_cast<unsigned char>(t[i]) < 0x20) return false;
        i += n;
    }
    return true;
}

TEST(Guasti, OgniNumeroRegistratoHaLeSueParole) {
    std::set<int> numeri;
    for (const SchedaGuasto& g : tabella_guasti()) {
        numeri.insert(numero(g.guasto));
        EXPECT_FALSE(g.significato.empty()) << numero(g.guasto);
        EXPECT_EQ(utf8_valido(g.significato), true) << numero(g.guasto);
        EXPECT_EQ(trova_guasto(numero(g.guasto)), &g);
        EXPECT_EQ(&scheda(g.guasto), &g);
    }
    std::set<int> attesi{101, 102, 103};
    for (int n = 1; n <= 25; ++n)
        if (n != 14 && n != 23) attesi.insert(n);
    EXPECT_EQ(numeri, attesi);
    EXPECT_EQ(trova_guasto(14), nullptr);
    EXPECT_EQ(trova_guasto(1250), nullptr);
}

TEST(Guasti, TestoErrore) {
    EXPECT_EQ(testo_errore("1250"), " Errore n. 1250");
    EXPECT_EQ(testo_errore(""), " Errore n. ");
}

}  // namespace
}  // namespace scenario
