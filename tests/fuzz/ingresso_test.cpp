// The fuzz input format: the flag byte, where the line text ends and when a
// text is left out of the folder altogether.
#include <gtest/gtest.h>

#include "tests/fuzz/ingresso.h"

namespace scenario::fuzz {
namespace {

struct Caso {
    const char* nome;
    std::string_view dati;
    std::int32_t geometria;
    std::optional<std::string_view> linea;
    std::optional<std::string_view> treno;
};

void PrintTo(const Caso& c, std::ostream* os) { *os << c.nome; }

class DividiIngresso : public ::testing::TestWithParam<Caso> {};

TEST_P(DividiIngresso, FlagAndTexts) {
    const Caso& c = GetParam();
    const Ingresso i = dividi_ingresso(c.dati);
    EXPECT_EQ(i.geometria, c.geometria);
    EXPECT_EQ(i.linea, c.linea);
    EXPECT_EQ(i.treno, c.treno);
}

INSTANTIATE_TEST_SUITE_P(
    Formato, DividiIngresso,
    ::testing::Values(Caso{"Empty", "", 0, "", std::nullopt},
                      Caso{"FlagOnly", "1", 1, "", std::nullopt},
                      Caso{"BothTexts", "1L\r\n@@@@\nT\r\n", 1, "L\r\n", "T\r\n"},
                      Caso{"WithoutGeometry", "0L@@@@\nT", 0, "L", "T"},
                      Caso{"NoSeparatorNoTrainText", "1L@@@@T", 1, "L@@@@T", std::nullopt},
                      Caso{"EmptyTrainText", "1L@@@@\n", 1, "L", ""},
                      Caso{"OnlyTheFirstSeparatorSplits", "0a@@@@\nb@@@@\nc", 0, "a", "b@@@@\nc"},
                      Caso{"FlagTwoLeavesTheLineTextOut", "2L@@@@\nT", 0, std::nullopt, "T"},
                      Caso{"FlagThreeGeometryAndNoLineText", "3L", 1, std::nullopt, std::nullopt},
                      Caso{"AnyByteIsAFlag", "\xffL@@@@\nT", 1, std::nullopt, "T"}),
    [](const auto& info) { return std::string(info.param.nome); });

}  // namespace
}  // namespace scenario::fuzz
