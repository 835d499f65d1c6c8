// The field reader: how numbers and texts end, what an empty field gives, which
// fields are reading faults, and how line ends and the end of the data count.
#include "compiler/campi.h"
#include "compiler/lettori.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <limits>
#include <string>
#include <vector>

namespace scenario {
namespace {

// One read of a given kind, its result as text; "guasto" for a reading fault.
enum class Tipo { i32, i16, u8, testo };

std::string leggi_come(LettoreCampi& c, Tipo tipo) {
    const auto numero = [](auto n) { return n ? std::to_string(*n) : std::string("guasto"); };
    switch (tipo) {
        case Tipo::i32: return numero(c.intero32());
        case Tipo::i16: return numero(c.intero16());
        case Tipo::u8: return numero(c.byte8());
        case Tipo::testo: {
            const auto t = c.testo();
            return t ? "[" + *t + "]" : std::string("guasto");
        }
    }
    return "?";
}

struct Lettura {
    Tipo tipo;
    std::string atteso;
};

struct Caso {
    const char* nome;
    std::string testo;
    std::vector<Lettura> letture;
    bool fine_attesa;  // the data is consumed after the last read
};

// The case as ctest names it: stable and readable.
void PrintTo(const Caso& c, std::ostream* os) { *os << c.nome; }

class Campi : public ::testing::TestWithParam<Caso> {};

TEST_P(Campi, ReadsInTurn) {
    const Caso& caso = GetParam();
    LettoreCampi c(caso.testo);
    for (std::size_t i = 0; i < caso.letture.size(); ++i) {
        EXPECT_EQ(leggi_come(c, caso.letture[i].tipo), caso.letture[i].atteso) << "read " << i;
    }
    EXPECT_EQ(c.alla_fine(), caso.fine_attesa);
}

constexpr Tipo N = Tipo::i32;
constexpr Tipo T = Tipo::testo;
const auto nome_caso = [](const auto& info) { return std::string(info.param.nome); };

const Caso numeri[] = {
    {"BlankBeforeComma", "5 ,6", {{N, "5"}, {N, "6"}}, true},
    {"TrailingBlankBeforeLineEnd", "45 \r\nX", {{N, "45"}, {T, "[X]"}}, true},
    {"BlankEndsANumber", "6   22", {{N, "6"}, {N, "22"}}, true},
    {"TabEndsANumber", "\t7\t,8", {{N, "7"}, {N, "8"}}, true},
    {"LoneLineFeed", "5\n6", {{N, "5"}, {N, "6"}}, true},
    {"OneDelimiterOnly", "5,,6", {{N, "5"}, {N, "0"}, {N, "6"}}, true},
    {"EmptyFieldIsZero", "   ,7", {{N, "0"}, {N, "7"}}, true},
    {"EmptyFieldBeforeLineEnd", "  \r\n7", {{N, "0"}, {N, "7"}}, true},
    {"BlanksToTheEndAreAnEmptyField", "   ", {{N, "0"}}, true},
    {"NegativeAndMinusZero", "-12,-0", {{N, "-12"}, {N, "0"}}, true},
    {"ReadPastTheEnd", "5", {{N, "5"}, {N, "guasto"}}, true},
    {"EmptyData", "", {{N, "guasto"}}, true},
    {"MinusBlankDigit", "- 5", {{N, "guasto"}}, false},
    {"LoneMinus", "-,", {{N, "guasto"}}, false},
    {"MinusAfterDigits", "5-", {{N, "guasto"}}, false},
    {"LetterAfterDigits", "12a", {{N, "guasto"}}, false},
    {"PlusSign", "+5", {{N, "guasto"}}, false},
    {"DecimalPoint", "1.5", {{N, "guasto"}}, false},
    {"QuotesMeanNothingInNumbers", "\"5\"", {{N, "guasto"}}, false},
    {"LoneCarriageReturnAfterNumber", "5\rX", {{N, "guasto"}}, false},
    {"CrLfAfterNumber", "5\r\n6", {{N, "5"}, {N, "6"}}, true},
};
INSTANTIATE_TEST_SUITE_P(Numeri, Campi, ::testing::ValuesIn(numeri), nome_caso);

const Caso ampiezze[] = {
    {"Int32Limits", "2147483647,-2147483648", {{N, "2147483647"}, {N, "-2147483648"}}, true},
    {"Int32Overflow", "2147483648", {{N, "guasto"}}, true},
    {"Int32Underflow", "-2147483649", {{N, "guasto"}}, true},
    {"HugeDigitRun", "999999999999999999999999999999", {{N, "guasto"}}, true},
    {"Int16Limits", "32767,-32768", {{Tipo::i16, "32767"}, {Tipo::i16, "-32768"}}, true},
    {"Int16Overflow", "32768", {{Tipo::i16, "guasto"}}, true},
    {"Int16Underflow", "-32769", {{Tipo::i16, "guasto"}}, true},
    {"Byte8Limits", "0,255", {{Tipo::u8, "0"}, {Tipo::u8, "255"}}, true},
    {"Byte8Overflow", "256", {{Tipo::u8, "guasto"}}, true},
    {"Byte8Negative", "-1", {{Tipo::u8, "guasto"}}, true},
};
INSTANTIATE_TEST_SUITE_P(Ampiezze, Campi, ::testing::ValuesIn(ampiezze), nome_caso);

const Caso testi[] = {
    {"OuterBlanksAndTabsDropped", " \t chiave a \t, x", {{T, "[chiave a]"}, {T, "[x]"}}, true},
    {"EndsAtLineEnd", "[curve]\r\nnext", {{T, "[[curve]]"}, {T, "[next]"}}, true},
    {"LoneCarriageReturnStaysInText", "a\rb\r\nc", {{T, "[a\rb]"}, {T, "[c]"}}, true},
    {"EmptyLineIsAnEmptyField", "\r\nx", {{T, "[]"}, {T, "[x]"}}, true},
    {"EndsAtTheEndOfTheData", "  nome finale  ", {{T, "[nome finale]"}}, true},
    {"QuotedKeptExactly", "\" a, b \" dropped,c", {{T, "[ a, b ]"}, {T, "[c]"}}, true},
    {"QuotedAcrossALineEnd", "\"a\r\nb\"\r\nc", {{T, "[a\r\nb]"}, {T, "[c]"}}, true},
    {"UnclosedQuoteRunsToTheEnd", "\"aperta, ancora", {{T, "[aperta, ancora]"}}, true},
    {"QuoteInsideAFieldIsOrdinary", "ab\"c\",d", {{T, "[ab\"c\"]"}, {T, "[d]"}}, true},
    {"TextReadPastTheEnd", "x", {{T, "[x]"}, {T, "guasto"}}, true},
};
INSTANTIATE_TEST_SUITE_P(Testi, Campi, ::testing::ValuesIn(testi), nome_caso);

TEST(CampiFine, AReadThatConsumesTheLastDelimiterReachesTheEnd) {
    LettoreCampi c("[fine]\r\n");
    ASSERT_FALSE(c.alla_fine());
    EXPECT_EQ(c.testo(), "[fine]");
    EXPECT_TRUE(c.alla_fine());
}

// Where each field starts (its first byte after blanks) and what it held, for
// the report.
TEST(CampiPosizioni, EachFieldStartsAtItsFirstByteAfterBlanks) {
    LettoreCampi c("segnale,   850, ,\t-3\r\n  \"a b\", x");
    EXPECT_EQ(c.testo(), "segnale");
    EXPECT_EQ(c.inizio_ultimo(), 0u);
    c.ricomincia();
    EXPECT_EQ(c.intero32(), 850);
    EXPECT_EQ(c.intero32(), 0);
    EXPECT_EQ(c.intero32(), -3);
    EXPECT_EQ(c.testo(), "a b");
    ASSERT_EQ(c.letti().size(), 4u);
    EXPECT_EQ(c.letti()[0].inizio, 11u);
    EXPECT_EQ(c.letti()[0].numero(), 850);
    EXPECT_EQ(c.letti()[1].inizio, 16u);  // an empty field starts at its delimiter
    EXPECT_EQ(c.letti()[1].numero(), 0);
    EXPECT_EQ(c.letti()[2].inizio, 18u);
    EXPECT_EQ(c.letti()[2].numero(), -3);
    EXPECT_EQ(c.letti()[3].inizio, 24u);  // a quoted text starts at its quote
    EXPECT_EQ(c.letti()[3].lunghezza_testo(), 3u);
    EXPECT_FALSE(c.letti()[3].numero().has_value());
}

TEST(CampiPosizioni, AFailedReadSaysWhereAndWhy) {
    struct Caso {
        std::string testo;
        Tipo tipo;
        Inciampo::Motivo motivo;
        std::size_t inizio;
    };
    const Caso casi[] = {
        {"  abc, 1", Tipo::i32, Inciampo::Motivo::non_numero, 2},
        {"  12a", Tipo::i32, Inciampo::Motivo::non_numero, 2},
        {" 40000", Tipo::i16, Inciampo::Motivo::fuori_intervallo, 1},
        {"-1", Tipo::u8, Inciampo::Motivo::fuori_intervallo, 0},
        {"", Tipo::i32, Inciampo::Motivo::fine_del_testo, 0},
        {"", Tipo::testo, Inciampo::Motivo::fine_del_testo, 0},
    };
    for (const Caso& caso : casi) {
        LettoreCampi c(caso.testo);
        EXPECT_EQ(leggi_come(c, caso.tipo), "guasto") << caso.testo;
        EXPECT_EQ(c.inciampo().motivo, caso.motivo) << caso.testo;
        EXPECT_EQ(c.inciampo().inizio, caso.inizio) << caso.testo;
    }
    LettoreCampi grande(" 40000");
    ASSERT_FALSE(grande.intero16());
    EXPECT_EQ(grande.inciampo().valore, 40000);
    EXPECT_EQ(grande.inciampo().massimo, 32767);
}

}  // namespace
}  // namespace scenario

namespace scenario {
namespace {

// A field keeps a number or a text length in one word: each comes back
// exactly, sign and extremes included, and a number has no text length.
TEST(CampoLetto, KeepsANumberOrATextLengthExactly) {
    for (const std::int32_t n : {0, 1, -1, -3, 850, std::numeric_limits<std::int32_t>::min(),
                                 std::numeric_limits<std::int32_t>::max()}) {
        CampoLetto c;
        c.poni_numero(n);
        EXPECT_EQ(c.numero(), n);
        EXPECT_EQ(c.lunghezza_testo(), 0u) << n;
    }
    for (const std::size_t n : {std::size_t{0}, std::size_t{3}, std::size_t{65536}, std::size_t{1} << 40}) {
        CampoLetto c;
        c.poni_lunghezza_testo(n);
        EXPECT_EQ(c.lunghezza_testo(), n);
        EXPECT_FALSE(c.numero().has_value()) << n;
    }
    EXPECT_FALSE(CampoLetto{}.numero().has_value());  // a field whose read failed
}

// Keyword tests fold ASCII letters only, anywhere in the field.
struct ParolaNelCampo {
    const char* campo;
    const char* parola;
    bool contiene;
};

TEST(ContieneIc, FindsTheWordInAnyAsciiCase) {
    const ParolaNelCampo casi[] = {
        {"curvas6", "curva", true},     {"CurvaS6", "curva", true},   {"xpendenzax", "pendenza", true},
        {"pendenz", "pendenza", false}, {"curv", "curva", false},     {"indicatori_V", "indicatori_v", true},
        {"\xC0", "\xE0", false},        {"a", "", true},              {"", "", false},
        {"cartell", "cartello", false}, {"pendenzA", "a", true},      {"segnale", "segnali", false},
    };
    for (const ParolaNelCampo& c : casi) EXPECT_EQ(contiene_ic(c.campo, c.parola), c.contiene) << c.campo << " / " << c.parola;
}

}  // namespace
}  // namespace scenario
