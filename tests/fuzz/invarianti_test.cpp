// The outcome rules must hold for a sound compile and catch each kind of
// broken one: a file cut short or padded, an unknown type, tag or fault
// number, files after a fatal stop or without a grid, a text left behind.
#include <gtest/gtest.h>

#include <bit>
#include <cstring>
#include <functional>
#include <limits>

#include "compiler/nomi_file.h"
#include "tests/fuzz/compila_ingresso.h"

namespace scenario::fuzz {
namespace {

// 1000 m of route (cells 0 .. 160, metres 0 .. 8000), one curve, one signal.
constexpr std::string_view sano =
    "1[generale]\r\nlunghezza percorso, 1000\r\n[curve]\r\ncurvad3, 100, 200\r\n[fine]\r\n"
    "@@@@\n[generale]\r\nsegnale, 850, 2, 4, 1, 0, 0, 0, 0,0,0, 0\r\n[fine]\r\n";

std::string& celle(Esecuzione& e) { return e.archivio.file.at(nome_file_celle(e.s)); }
std::string& tabella(Esecuzione& e) { return e.archivio.file.at(nome_tabella(e.s)); }
// Metres 0 and 1 of coordinate 0 take 4 bytes each; metre 2's tag is at byte 8, its double at 10.
std::string& tracciato(Esecuzione& e) { return e.archivio.file.at(nome_tracciato(e.s)); }

TEST(Invarianti, ASoundCompileKeepsEveryRule) {
    const Esecuzione e = compila_ingresso(sano);
    ASSERT_EQ(e.s.codice_errore, 0);
    ASSERT_EQ(e.archivio.scritti.size(), 3u);
    EXPECT_EQ(verifica_compilazione(e.compilazione()), "");
    std::string senza_geometria(sano);
    senza_geometria[0] = '0';
    EXPECT_EQ(compila_e_verifica(senza_geometria), "");
}

struct Guasto {
    const char* nome;
    std::function<void(Esecuzione&)> guasta;
    std::string_view regola;  // part of the words expected
};

void PrintTo(const Guasto& g, std::ostream* os) { *os << g.nome; }

class RegolaInfranta : public ::testing::TestWithParam<Guasto> {};

TEST_P(RegolaInfranta, IsCaught) {
    Esecuzione e = compila_ingresso(sano);
    GetParam().guasta(e);
    const std::string regola = verifica_compilazione(e.compilazione());
    EXPECT_NE(regola.find(GetParam().regola), std::string::npos) << regola;
}

void nan_al_metro_2(Esecuzione& e) {
    const auto bit = std::bit_cast<std::uint64_t>(std::numeric_limits<double>::quiet_NaN());
    for (int i = 0; i < 8; ++i) tracciato(e)[10 + static_cast<std::size_t>(i)] = static_cast<char>(bit >> (8 * i));
}

INSTANTIATE_TEST_SUITE_P(
    Compilazione, RegolaInfranta,
    ::testing::Values(
        Guasto{"OutcomeOutsideEsito", [](Esecuzione& e) { e.esito = static_cast<Esito>(7); }, "outside Esito: 7"},
        Guasto{"UnknownFaultNumber", [](Esecuzione& e) { e.s.codice_errore = 14; }, "unknown fault number 14"},
        Guasto{"LineTextLeft", [](Esecuzione& e) { e.archivio.file[nome_testo_linea(e.s)] = ""; },
               "line text is still"},
        Guasto{"TrainTextLeftAfterItWasRead", [](Esecuzione& e) { e.archivio.file[nome_testo_treno(e.s)] = ""; },
               "train text is still in the folder after fault 0"},
        Guasto{"GridNotSizedFromTheLength", [](Esecuzione& e) { e.s.numero_celle = 162; }, "numero_celle 162"},
        Guasto{"FilesAfterAFatalStop", [](Esecuzione& e) { e.esito = Esito::errore_1250; },
               "3 files written where 0 were due"},
        Guasto{"FilesWithoutAGrid", [](Esecuzione& e) { e.s.griglia_creata = false; }, "3 files written where 0"},
        Guasto{"CellFileCutShort", [](Esecuzione& e) { celle(e).pop_back(); }, "cell file: 2414 bytes"},
        Guasto{"UnknownCellType", [](Esecuzione& e) { celle(e)[5 * 15] = 7; }, "cell 5 has type 7"},
        Guasto{"CellMarkerMissing", [](Esecuzione& e) { celle(e)[15 + 1] = 0; }, "marker 5121"},
        Guasto{"TableTextRunsPastTheEnd", [](Esecuzione& e) { tabella(e).replace(14, 2, "\xff\xff"); },
               "the text of record 0 runs past the end"},
        Guasto{"TableBytesAfterTheLastRecord", [](Esecuzione& e) { tabella(e) += 'x'; }, "after the 87th record"},
        Guasto{"GeometryUnknownTag", [](Esecuzione& e) { tracciato(e)[8] = 3; }, "element 2 has tag 3"},
        Guasto{"GeometryNotFinite", nan_al_metro_2, "element 2 is not a finite number"},
        Guasto{"GeometryFixedPointMoved", [](Esecuzione& e) { tracciato(e)[6] = 1; }, "metro 1 is not the fixed"},
        Guasto{"GeometryMetreNeverComputed",
               [](Esecuzione& e) {
                   tracciato(e).erase(10, 8);
                   tracciato(e)[8] = 0;
               },
               "metro 2 was never computed"},
        Guasto{"GeometryCutShort", [](Esecuzione& e) { tracciato(e).pop_back(); }, "is cut short"},
        // What only the decoders check: the competition codes tie the files to the names.
        Guasto{"TableCodeOfOtherNames", [](Esecuzione& e) { tabella(e)[tabella(e).size() - 38 - 4] ^= 1; },
               "codice di gara ponderato"},
        Guasto{"CellCodeOfOtherNames", [](Esecuzione& e) { celle(e)[15 + 3] ^= 1; }, "codice di gara semplice"}),
    [](const auto& info) { return std::string(info.param.nome); });

}  // namespace
}  // namespace scenario::fuzz
