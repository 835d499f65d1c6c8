// The decoders of the compiled files: the built-in files read back with the
// values they hold, every damage named with its check and byte, and a file
// cut at any record boundary never taken for a whole one.
#include <gtest/gtest.h>

#include <algorithm>

#include "compiler/codifica.h"
#include "compiler/decodifica_celle.h"
#include "compiler/decodifica_insieme.h"
#include "compiler/decodifica_tabella.h"
#include "compiler/decodifica_tracciato.h"
#include "tests/compiler/file_compilati_prova.h"

namespace scenario::test {
namespace {

TEST(DecodificaIncorporato, CellsHoldWhatTheTextsPlaced) {
    const auto r = decodifica_celle(incorporato().celle);
    ASSERT_TRUE(r.valido()) << messaggio_difetto(*r.difetto);
    ASSERT_EQ(r.dati.size(), 1981u);
    const Cella& segnale = r.dati[18];  // "segnale, 850, 2, 4, 1, 0, 0, 0, 0,0,0, 0"
    EXPECT_EQ(static_cast<int>(segnale.tipo), 1);
    EXPECT_EQ(segnale.valore, 40);
    EXPECT_EQ(segnale.valore2, 10);
    EXPECT_EQ(segnale.valore3, 0);
    EXPECT_EQ(segnale.valore4, 6);
    EXPECT_EQ(r.dati[16].ripetitore, 61);
    EXPECT_EQ(r.dati[1].valore, 5121);
    EXPECT_EQ(r.dati[1].valore2, 2388);
    EXPECT_EQ(r.dati[18].velocita_cella, 16);
    EXPECT_EQ(r.dati[18].pendenza_cella, 100);
    EXPECT_EQ(r.dati[18].aderenza_cella, 100);
}

TEST(DecodificaIncorporato, TableHoldsStationsAndHeaders) {
    const auto r = decodifica_tabella(incorporato().tabella);
    ASSERT_TRUE(r.valido()) << messaggio_difetto(*r.difetto);
    EXPECT_EQ(r.dati[slot::percorso].stringa, "Vordano_Seli");
    EXPECT_EQ(r.dati[slot::percorso].breve1, 610);
    EXPECT_EQ(r.dati[slot::percorso].numero4, 32631);
    EXPECT_EQ(r.dati[slot::corsa].stringa, "4936");
    EXPECT_EQ(r.dati[slot::corsa].breve3, 6);
    EXPECT_EQ(r.dati[slot::treno].numero2, 92000);
    EXPECT_EQ(r.dati[28].numero3, 83500);
    EXPECT_EQ(r.dati[1].numero1, -300);
    EXPECT_EQ(r.dati[1].numero4, 6 * 3600 + 23 * 60);
}

TEST(DecodificaIncorporato, GeometryHoldsTheFixedStartAndEveryMetre) {
    const auto r = decodifica_tracciato(incorporato().tracciato);
    ASSERT_TRUE(r.valido()) << messaggio_difetto(*r.difetto);
    EXPECT_EQ(r.dati.lunghezza_estesa, 99000);
    const auto& e = r.dati.elementi;
    EXPECT_EQ(e[99001 + 1].tag, Elemento::Tag::intero);
    EXPECT_EQ(e[99001 + 1].intero, 1);
    EXPECT_EQ(e[2].tag, Elemento::Tag::doppio);
    EXPECT_EQ(e[99000].tag, Elemento::Tag::vuoto);
}

TEST(DecodificaIncorporato, TheFilesFitTogether) {
    const Voci voci = decodifica_tabella(incorporato().tabella).dati;
    EXPECT_EQ(verifica_celle_con_tabella(decodifica_celle(incorporato().celle).dati, voci), std::nullopt);
    EXPECT_EQ(verifica_tracciato_con_tabella(decodifica_tracciato(incorporato().tracciato).dati, voci), std::nullopt);
}

// Decoded and encoded again with the compiler's encoders, byte for byte.
TEST(DecodificaIncorporato, EncodesBackToTheSameBytes) {
    for (const FileCompilati* f : {&incorporato(), &piccolo()}) {
        Stato s;
        s.celle = decodifica_celle(f->celle).dati;
        s.numero_celle = static_cast<std::int32_t>(s.celle.size()) - 1;
        s.voci = decodifica_tabella(f->tabella).dati;
        EXPECT_EQ(codifica_celle(s), f->celle);
        EXPECT_EQ(codifica_voci(s), f->tabella);
        EXPECT_EQ(codifica_elementi(decodifica_tracciato(f->tracciato).dati.elementi), f->tracciato);
    }
}

// The first defect of the cells or geometry `dati`, read with the table beside them.
std::optional<Difetto> difetto_con(Bersaglio letto, std::string_view dati, const Decodificato<Voci>& tabella) {
    if (letto == Bersaglio::celle) {
        auto r = decodifica_celle(dati);
        if (r.difetto || !tabella.valido()) return r.difetto;
        return verifica_celle_con_tabella(r.dati, tabella.dati);
    }
    auto r = decodifica_tracciato(dati);
    if (r.difetto || !tabella.valido()) return r.difetto;
    return verifica_tracciato_con_tabella(r.dati, tabella.dati);
}

// The first defect of `letto` read with the (possibly damaged) table beside it.
std::optional<Difetto> difetto_di(const FileCompilati& f, Bersaglio letto) {
    const auto tabella = decodifica_tabella(f.tabella);
    if (letto == Bersaglio::tabella) return tabella.difetto;
    return difetto_con(letto, f[letto], tabella);
}

class FileDanneggiato : public ::testing::TestWithParam<Danno> {};

TEST_P(FileDanneggiato, NamesTheCheckAndTheByte) {
    const Danno& d = GetParam();
    FileCompilati f = incorporato();
    d.guasta(f[d.danneggiato]);
    const auto difetto = difetto_di(f, d.letto);
    ASSERT_TRUE(difetto.has_value());
    EXPECT_EQ(difetto->controllo, d.controllo) << messaggio_difetto(*difetto);
    EXPECT_EQ(difetto->posizione, d.posizione(incorporato())) << messaggio_difetto(*difetto);
    EXPECT_NE(messaggio_difetto(*difetto).find(std::string(nome_controllo(d.controllo))), std::string::npos);
}

// The damaged file read alone, encoded back from what the decoder kept.
struct LettoDaSolo {
    std::optional<Difetto> difetto;
    bool leggibile;
    std::string ricodificato;
};

LettoDaSolo leggi_da_solo(Bersaglio b, const std::string& dati) {
    Stato s;
    if (b == Bersaglio::celle) {
        const auto r = decodifica_celle(dati);
        s.celle = r.dati;
        s.numero_celle = static_cast<std::int32_t>(s.celle.size()) - 1;
        return {r.difetto, r.leggibile(), codifica_celle(s)};
    }
    if (b == Bersaglio::tabella) {
        const auto r = decodifica_tabella(dati);
        s.voci = r.dati;
        return {r.difetto, r.leggibile(), codifica_voci(s)};
    }
    const auto r = decodifica_tracciato(dati);
    return {r.difetto, r.leggibile(), codifica_elementi(r.dati.elementi)};
}

// After a check of meaning every value is still there, the damaged one
// included, so a damaged file can be looked at; after one of structure
// nothing is kept.
TEST_P(FileDanneggiato, KeepsEveryValueAfterACheckOfMeaning) {
    const Danno& d = GetParam();
    FileCompilati f = incorporato();
    d.guasta(f[d.danneggiato]);
    const LettoDaSolo r = leggi_da_solo(d.danneggiato, f[d.danneggiato]);
    if (!r.difetto) return;  // only the table beside it tells: the file alone is whole
    EXPECT_EQ(r.leggibile, !di_struttura(r.difetto->controllo));
    EXPECT_EQ(r.ricodificato == f[d.danneggiato], r.leggibile);
}

INSTANTIATE_TEST_SUITE_P(OgniControllo, FileDanneggiato, ::testing::ValuesIn(danni()),
                         [](const auto& info) { return std::string(info.param.nome); });

// Every check of the layout has a damage above that breaks it.
TEST(FileDanneggiato, EveryCheckIsCovered) {
    for (int c = 0; c <= static_cast<int>(Controllo::insieme_codice_gara); ++c) {
        const bool coperto = std::ranges::any_of(danni(), [c](const Danno& d) { return static_cast<int>(d.controllo) == c; });
        EXPECT_TRUE(coperto) << nome_controllo(static_cast<Controllo>(c));
    }
}

// A file cut where a record ends is still made of whole records: only the
// layout's counts and the table beside it can tell.
TEST(Troncamento, CellsCutAtAnyRecordBoundary) {
    const FileCompilati& f = incorporato();
    const auto tabella = decodifica_tabella(f.tabella);
    for (std::size_t k = 0; k < f.celle.size() / 15; ++k) {
        EXPECT_TRUE(difetto_con(Bersaglio::celle, std::string_view(f.celle).substr(0, 15 * k), tabella).has_value())
            << k << " cells";
    }
}

TEST(Troncamento, TableCutAtAnyRecordBoundary) {
    const FileCompilati& f = incorporato();
    for (std::size_t n = 0; n < 87; ++n) {
        const auto r = decodifica_tabella(f.tabella.substr(0, inizio_record(f.tabella, n)));
        ASSERT_FALSE(r.valido()) << n << " records";
        EXPECT_EQ(r.difetto->controllo, Controllo::tabella_numero_record);
        EXPECT_EQ(r.difetto->posizione, inizio_record(f.tabella, n));
    }
}

// Below the 14002 elements of the shortest route every cut fails the same
// count, so a sample of those is enough; above it every boundary is tried.
TEST(Troncamento, GeometryCutAtAnyElementBoundary) {
    const FileCompilati& f = piccolo();
    const auto intero = decodifica_tracciato(f.tracciato);
    ASSERT_TRUE(intero.valido());
    const auto tabella = decodifica_tabella(f.tabella);
    std::size_t fine = 0;
    for (std::size_t k = 0; k < intero.dati.elementi.size(); ++k) {
        if (k >= 14002 || k % 97 == 0) {
            EXPECT_TRUE(difetto_con(Bersaglio::tracciato, std::string_view(f.tracciato).substr(0, fine), tabella))
                << k << " elements";
        }
        fine += byte_elemento(intero.dati.elementi[k]);
    }
}

// Whatever a file holds, a defect lies inside it and the decoder reads nothing beyond.
TEST(Troncamento, EveryPrefixOfTheTableIsRefusedInsideIt) {
    const std::string& t = incorporato().tabella;
    for (std::size_t n = 0; n < t.size(); ++n) {
        const auto r = decodifica_tabella(std::string_view(t).substr(0, n));
        ASSERT_FALSE(r.valido());
        EXPECT_LE(r.difetto->posizione, n);
    }
}

TEST(GrigliaPer, RefusedLengthsSizeNoGrid) {
    EXPECT_EQ(griglia_per(-1), std::nullopt);
    EXPECT_EQ(griglia_per(1000001), std::nullopt);
    EXPECT_EQ(griglia_per(92000)->numero_celle, 1980);
    EXPECT_EQ(griglia_per(92025)->numero_celle, 1980);  // 1980.5 to even
    EXPECT_EQ(griglia_per(92075)->numero_celle, 1982);
}

}  // namespace
}  // namespace scenario::test
