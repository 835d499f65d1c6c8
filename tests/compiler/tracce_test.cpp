// The values the readers keep for the report: each record's span must show
// its own fields however many records come after it.
#include <gtest/gtest.h>

#include <vector>

#include "compiler/tracce.h"

namespace scenario {
namespace {

CampoLetto numero_letto(std::size_t inizio, std::int32_t n) {
    CampoLetto c;
    c.inizio = inizio;
    c.poni_numero(n);
    return c;
}

std::vector<CampoLetto> campi_del_record(std::size_t r) {
    std::vector<CampoLetto> campi(1 + r % 7);  // records of 1 to 7 fields, and some empty below
    for (std::size_t i = 0; i < campi.size(); ++i) campi[i] = numero_letto(r * 100 + i, static_cast<std::int32_t>(r));
    return r % 11 == 0 ? std::vector<CampoLetto>{} : campi;
}

TEST(ValoriLetti, EveryRecordKeepsItsOwnFieldsAsManyMoreAreAdded) {
    ValoriLetti valori;
    std::vector<std::span<const CampoLetto>> record;
    for (std::size_t r = 0; r < 20000; ++r) record.push_back(valori.conserva(campi_del_record(r)));
    for (std::size_t r = 0; r < record.size(); ++r) {
        const std::vector<CampoLetto> attesi = campi_del_record(r);
        ASSERT_EQ(record[r].size(), attesi.size()) << "record " << r;
        for (std::size_t i = 0; i < attesi.size(); ++i) {
            ASSERT_EQ(record[r][i].inizio, attesi[i].inizio) << "record " << r;
            ASSERT_EQ(record[r][i].numero(), attesi[i].numero()) << "record " << r;
        }
    }
}

TEST(ValoriLetti, ARecordLongerThanABlockIsKeptWhole) {
    ValoriLetti valori;
    const auto primo = valori.conserva(campi_del_record(3));
    const std::vector<CampoLetto> lungo(10000, numero_letto(42, 7));
    const auto tutto = valori.conserva(lungo);
    const auto dopo = valori.conserva(campi_del_record(5));
    ASSERT_EQ(tutto.size(), lungo.size());
    EXPECT_EQ(tutto.back().inizio, 42u);
    EXPECT_EQ(primo.front().inizio, 300u);
    EXPECT_EQ(dopo.front().inizio, 500u);
}

// A copy of the traces (the decompiler tries the route pass on copies) still
// shows the values after the original is gone.
TEST(ValoriLetti, ACopyOfTheTracesOutlivesTheOriginal) {
    Tracce copia;
    {
        Tracce originale;
        originale.record.push_back({.tipo = TipoRecord::pendenza});
        originale.record.back().poni_valori(originale.valori->conserva(campi_del_record(4)));
        copia = originale;
    }
    ASSERT_EQ(copia.record[0].valori().size(), 5u);
    EXPECT_EQ(copia.record[0].valori()[4].inizio, 404u);
}

}  // namespace
}  // namespace scenario
