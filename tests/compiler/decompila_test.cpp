// The decompiler: compiled files back to texts that compile to the same bytes.
#include <gtest/gtest.h>

#include <array>
#include <bit>
#include <charconv>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iostream>

#include "bench/generatore/generatore_scenari.h"

#include "compiler/decompila.h"
#include "compiler/codifica.h"
#include "compiler/decodifica_tabella.h"
#include "compiler/decodifica_tracciato.h"
#include "tests/compiler/file_compilati_prova.h"

namespace scenario::test {
namespace {

using decompila::Decompilazione;

Decompilazione decompila_file(const FileCompilati& f) {
    return decompila::decompila({f.celle, f.tabella, std::string_view(f.tracciato)});
}

std::string elenco(const Decompilazione& d) {
    std::string t;
    for (std::size_t k = 0; k < d.differenze.size() && k < 20; ++k) t += decompila::descrivi(d.differenze[k]) + "\n";
    return t;
}

TEST(DecompilaIncorporato, RoundTrip) {
    const Decompilazione d = decompila_file(incorporato());
    ASSERT_FALSE(d.non_compilato) << *d.non_compilato;
    EXPECT_TRUE(d.differenze.empty()) << elenco(d) << d.testo_linea << d.testo_treno;
    const FileCompilati di_nuovo = compila(d.testo_linea, d.testo_treno);
    EXPECT_EQ(di_nuovo.celle, incorporato().celle);
    EXPECT_EQ(di_nuovo.tabella, incorporato().tabella);
    EXPECT_EQ(di_nuovo.tracciato, incorporato().tracciato);
}

// A small line text around the given rows (curves, gradients, mountains and boards in their sections).
std::string linea(const std::string& righe, int lunghezza = 10000) {
    return "[generale]\r\nlunghezza percorso, " + std::to_string(lunghezza) + "\r\n[curve]\r\n" + righe +
           "[fine]\r\n";
}

std::string treno(const std::string& righe) { return "[generale]\r\n" + righe + "[fine]\r\n"; }

// A scenario the compiler makes from texts an author might write, and rows
// the decompiled texts must hold for it.
struct Caso {
    const char* nome;
    std::string linea, treno;
    std::vector<std::string> righe_attese;  // whole lines of either decompiled text
};

void PrintTo(const Caso& c, std::ostream* os) { *os << c.nome; }

std::vector<Caso> casi() {
    return {
        {"CurvaDalMetroZero", linea("curvad3, 0, 200\r\ncurvas6, 200, 100\r\ncurvas1, 900, 1000\r\n"), treno(""),
         {"curvad3,  0,  200", "curvas6,  200,  100", "curvas1,  900,  1000"}},
        {"MontagneVicineConSegniSfasati",
         linea("montagna, 1000, 1250, 12\r\nmontagna, 1250, 1700, 11\r\nmontagna, 1800, 2300, 2\r\n"), treno(""),
         {"montagna,   1000,  1250,  12", "montagna,   1250,  1700,  11", "montagna,   1800,  2300,  1"}},
        // Written in this order the second section keeps its type: before it
        // in the text stands a section that ends further on.
        {"MontagnaVicinaDiUnAltroTipo", linea("montagna, 1550, 2000, 2\r\nmontagna, 1000, 1500, 1\r\n"), treno(""),
         {"montagna,   1000,  1500,  3", "montagna,   0,  0,  1", "montagna,   1550,  2000,  2"}},
        {"ProgressiveETuttoIlGenerale",
         "[generale]\r\nlunghezza percorso, 8000\r\nprogressiva chilometrica uno, 0, 87750, 1\r\n"
         "progressiva chilometrica due, 5000, 90000, 0\r\nprogressiva chilometrica tre, 5000, 1000, 1\r\n"
         "sfondo uno, 3\r\nsfondo due, 4\r\nsfondo tre, 5\r\nripetizione segnali 9 codici, 100, 7000\r\n[curve]\r\n[fine]\r\n",
         treno("numero vetture, 7\r\npercentuale massa frenata, 95\r\nsabbia, -3\r\norologio, 23 59 59\r\n"),
         {"ripetizione segnali 9 codici,    100,    7000", "orologio,    23               59            59 ",
          "sabbia,    -3"}},
        {"CartelloSottoUnaFermata", linea("indicatore cartello, 5550, SOTTO\r\nindicatore cartello, 500, \"A, B\"\r\n"),
         treno("stazione, 5500, 22, 300, 0,0,0, 0,0,0, 0,0,0, 0, 0,0,0, \" Seli, centro\"\r\n"),
         {"indicatore cartello,  5550,  SOTTO", "indicatore cartello,  500,  \"A, B\""}},
        {"StazioniDiOgniEstensione",
         linea(""),
         treno("stazione, 0, 22, 300, 0,0,1, 0,0,0, 4,1,1, 1, 6,23,0, A\r\n"
               "stazione, 2000, 6, 400, 0,0,0, 0,0,0, 4,1,1, 60, 6,58,0, B\r\n"
               "stazione, 4000, 7, 600, 3,1,0, 1,1,0, 4,1,1, 0, 0,0,0, C\r\n"
               "stazione, 6000, 27, 800, 0,1,9, 0,0,5, 0,0,0, 0, 7,41,0, D\r\n"),
         {"stazione,       0, 22,  300,  0, 0, 1,  0,0,0,  4,1,1,    1,   6,23, 0, A",
          "stazione,    6000, 27,  800,  0, 1, 9,  0,0,5,  0,0,0,    0,   7,41, 0, D"}},
        {"SegnaliDiOgniTempo", linea(""),
         treno("segnale, 1000, 2, 4, 1, 0, 1, 0, 0,0,0, 50\r\nsegnale, 2000, 2, 4, 1, 0, 0, 2, 4,1,0, 300\r\n"
               "segnale, 3000, 0, 5, 0, 1, 0, 2, 2,0,0, 255\r\nsegnale, 4000, 1, 2, 4, 0, 0, 1, 0,0,0, 0\r\n"),
         {"segnale,    1000,   2, 4, 1,  0, 1,    0,  0,0,0, 101", "segnale,    2000,   2, 4, 1,  0, 0,    2,  4,1,0, 300",
          "segnale,    3000,   0, 5, 0,  1, 0,    2,  2,0,0, 0", "segnale,    4000,   1, 2, 4,  0, 0,    1,  0,0,0, 0"}},
        {"IndicatoriDiOgniLato",
         linea("[cartelli]\r\nindicatori_vmax, 500, 75, 80, 80, 0, , , , 0\r\n"
               "indicatori_vmax, 900, 75, 80, 85, 2, 120, 80, 85, 1\r\n"),
         treno(""), {"indicatori_vmax,  500,  75,  80,  80,  0,  ,  ,  ,  0", "indicatori_vmax,  900,  75,  80,  85,  2,  120,  80,  85,  1"}},
        {"RallentamentiEAbbattimenti", linea(""),
         treno("rallentamento, 1000, 50, 300, 1, 1, 0\r\nrallentamento, 4000, 30, 1200, 0, 1, 2\r\n"
               "rallentamento, 7000, 120, 0, 0, 0, 0\r\nabbattimento, 3450, 180\r\nabbattimento, 3750, 0\r\n"
               "abbattimento, 4400, 180\r\nabbattimento, 5000, 77\r\n"),
         {"rallentamento,    1000,    50,  300, 1,  0,  0", "rallentamento,    4000,    30, 1200, 0,  1,  2",
          "rallentamento,    7000,   120,    0, 0,  0,  0", "abbattimento,    3750,     0", "abbattimento,    4400,   180",
          "abbattimento,    5000,    77"}},
        {"PendenzeFinoAllUltimaCella",
         linea("pendenza, 0, -3\r\npendenza, 16900, 5\r\npendenza, 16900, 6\r\npendenza, 16900, 7\r\n"),
         treno("velocita, 0, 80\r\nvelocita, 1600, 85\r\naderenza, 0, 90\r\naderenza, 300, 255\r\n"),
         {"pendenza,  0,   -3", "pendenza,  16900,   5", "pendenza,  16900,   7", "velocita,    1600,    85",
          "aderenza,   300,    255"}},
    };
}

class DecompilaCaso : public ::testing::TestWithParam<Caso> {};

TEST_P(DecompilaCaso, GivesTheSameBytesBack) {
    const Caso& c = GetParam();
    const FileCompilati f = compila(c.linea, c.treno);
    const Decompilazione d = decompila_file(f);
    ASSERT_FALSE(d.non_compilato) << *d.non_compilato;
    EXPECT_TRUE(d.differenze.empty()) << elenco(d) << d.testo_linea << d.testo_treno;
    const FileCompilati di_nuovo = compila(d.testo_linea, d.testo_treno);
    EXPECT_TRUE(di_nuovo.celle == f.celle && di_nuovo.tabella == f.tabella && di_nuovo.tracciato == f.tracciato);
    for (const std::string& riga : c.righe_attese) {
        const std::string cercata = "\r\n" + riga + "\r\n";
        EXPECT_TRUE(("\r\n" + d.testo_linea).find(cercata) != std::string::npos ||
                    ("\r\n" + d.testo_treno).find(cercata) != std::string::npos)
            << riga << "\n" << d.testo_linea << d.testo_treno;
    }
}

INSTANTIATE_TEST_SUITE_P(Scenari, DecompilaCaso, ::testing::ValuesIn(casi()),
                         [](const auto& info) { return std::string(info.param.nome); });

// A hand-edited file: the texts still come back, and the difference list
// names exactly the places no text gives, with the reason where it is known.
struct Ritocco {
    const char* nome;
    Bersaglio file;
    std::function<void(std::string&)> modifica;
    std::vector<std::string> differenze;  // descrivi() of each, in order
};

void PrintTo(const Ritocco& r, std::ostream* os) { *os << r.nome; }

void metti_double(std::string& f, std::size_t p, double v) { metti_le(f, p, std::bit_cast<std::uint64_t>(v), 8); }

// Byte offset of metre m's coordinate k in the small scenario's geometry
// (8001 metres: 0 and 1 are 4 bytes each, then 10 up to 7998, 2 for the last two).
std::size_t byte_del_metro(std::size_t m, std::size_t k) {
    const std::size_t coordinata = 8 + 7997 * 10 + 4;
    return k * coordinata + 8 + (m - 2) * 10 + 2;
}

// A coordinate of the small scenario's plan as the difference list writes it.
std::string coordinata_piccolo(std::size_t m, std::size_t k) {
    const auto t = decodifica_tracciato(piccolo().tracciato).dati;
    std::array<char, 40> testo{};
    const auto r = std::to_chars(testo.data(), testo.data() + testo.size(), t.elementi[k * 8001 + m].doppio);
    return std::string(testo.data(), r.ptr);
}

std::vector<Ritocco> ritocchi() {
    using B = Bersaglio;
    return {
        {"TipoSconosciuto", B::celle, [](std::string& f) { f[7 * 15] = 9; },
         {"cella 7 (metro 300), tipo: il file ha 9, i testi danno 0 (il tipo 9 non esiste: nessuna riga lo scrive)"}},
        {"RipetitoreCambiato", B::celle, [](std::string& f) { f[16 * 15 + 10] = 99; },
         {"cella 16 (metro 750), ripetitore: il file ha 99, i testi danno 61"}},
        {"Record0Scritto", B::tabella, [](std::string& f) { f[1] = 5; },
         {"record 0, numero1: il file ha 5, i testi danno 0 (nessuna riga scrive questo posto, fuori da stazioni e "
          "cartelli)"}},
        {"CelleTroncate", B::celle, [](std::string& f) { f.resize(f.size() - 15); },
         {"cella 160 (metro 7950): solo nei testi compilati (la lunghezza del percorso nella tabella, 1000 m, dà 161 "
          "celle)"}},
        // The two metres after it step from the moved point: no step gives
        // them either, but the plan the texts give goes on unchanged.
        {"MetroSpostato", B::tracciato, [](std::string& f) { metti_double(f, byte_del_metro(500, 1), 500.25); },
         {"metro 500, coordinata 1: il file ha 500.25, i testi danno " + coordinata_piccolo(500, 1) +
          " (nessuna delle dodici curvature né il rettilineo porta dai due metri prima a questo punto)"}},
        // "4936vordano_selx...": 'x' is 15 above 'i', the key's 16th character.
        {"NomeDelPercorsoCambiato", B::tabella,
         [](std::string& f) { f[inizio_record(f, 85) + 16 + 11] = 'x'; },
         {"cella 1 (metro 0), valore2: il file ha 2388, i testi danno 2403 (il codice di gara viene dai nomi di "
          "percorso e treno (record 85 e 86))",
          "record 85, numero4: il file ha 32631, i testi danno 32871 (il codice di gara viene dai nomi di percorso e "
          "treno (record 85 e 86))"}},
    };
}

class DecompilaRitoccato : public ::testing::TestWithParam<Ritocco> {};

TEST_P(DecompilaRitoccato, ListsExactlyWhatNoTextGives) {
    const Ritocco& r = GetParam();
    FileCompilati f = piccolo();
    r.modifica(f[r.file]);
    const Decompilazione d = decompila_file(f);
    ASSERT_FALSE(d.non_compilato) << *d.non_compilato;
    EXPECT_FALSE(d.testo_linea.empty() || d.testo_treno.empty());
    std::vector<std::string> elencate;
    for (const auto& x : d.differenze) elencate.push_back(decompila::descrivi(x));
    EXPECT_EQ(elencate, r.differenze);
}

INSTANTIATE_TEST_SUITE_P(File, DecompilaRitoccato, ::testing::ValuesIn(ritocchi()),
                         [](const auto& info) { return std::string(info.param.nome); });

// A board text no field of a text gives back (it needs quotes for its
// comma and holds a double quote): the nearest is written, the record listed.
TEST(DecompilaTesti, ATextNoFieldGivesIsListedWithItsReason) {
    FileCompilati f = compila(linea("[indicazioni]\r\nindicatore cartello, 500, CIAO\r\n"), treno(""));
    Stato s;
    s.voci = decodifica_tabella(f.tabella).dati;
    s.voci[80].stringa = "a\"b, c";
    f.tabella = codifica_voci(s);
    const Decompilazione d = decompila_file(f);
    ASSERT_EQ(d.differenze.size(), 1u) << elenco(d);
    EXPECT_EQ(decompila::descrivi(d.differenze[0]),
              "record 80, stringa: il file ha \"a\"b, c\", i testi danno \"a\" (nessun campo del testo dà questo testo: "
              "tra virgolette non può contenere virgolette)");
    EXPECT_NE(d.testo_linea.find("indicatore cartello,  500,  \"a\"\r\n"), std::string::npos) << d.testo_linea;
}

// Files whose layout is broken, or that lack a file marker, are not a
// compiled scenario: the reason, and no text at all.
TEST(DecompilaNonCompilato, RefusesWithTheFailedCheck) {
    const struct {
        Bersaglio file;
        std::function<void(std::string&)> modifica;
        const char* nel_messaggio;
    } casi[] = {
        {Bersaglio::celle, [](std::string& f) { f = "ciao, mondo\r\n"; }, "file delle celle: controllo \"record di cella interi\""},
        {Bersaglio::celle, [](std::string& f) { f[16] ^= 1; }, "file delle celle: controllo \"marcatore 5121\""},
        {Bersaglio::tabella, [](std::string& f) { f.resize(100); }, "tabella dello scenario: controllo \"record della tabella interi\""},
        {Bersaglio::tracciato, [](std::string& f) { f[0] = 7; }, "geometria della linea: controllo \"tag dell'elemento\""},
    };
    for (const auto& c : casi) {
        FileCompilati f = piccolo();
        c.modifica(f[c.file]);
        const Decompilazione d = decompila_file(f);
        ASSERT_TRUE(d.non_compilato.has_value()) << c.nel_messaggio;
        EXPECT_NE(d.non_compilato->find(c.nel_messaggio), std::string::npos) << *d.non_compilato;
        EXPECT_TRUE(d.testo_linea.empty() && d.testo_treno.empty() && d.differenze.empty());
    }
}

// The fenced block of docs/FORMATO.md with this info string, lines ended by CR LF.
std::string blocco_del_documento(const std::string& tipo) {
    std::ifstream in(std::filesystem::path(CARTELLA_SORGENTI) / "docs" / "FORMATO.md", std::ios::binary);
    std::string riga, testo;
    bool dentro = false;
    while (std::getline(in, riga)) {
        if (dentro && riga.starts_with("```")) return testo;
        if (dentro) testo += riga + "\r\n";
        if (riga == "```" + tipo) dentro = true;
    }
    ADD_FAILURE() << "no block " << tipo << " in docs/FORMATO.md";
    return testo;
}

// The document's example of a decompile is what the decompiler writes.
TEST(DecompilaDocumento, TheExampleOfFormatoIsWhatItWrites) {
    const FileCompilati f =
        compila(blocco_del_documento("sorgente-linea"), blocco_del_documento("sorgente-treno"), "Esempio", "1");
    const Decompilazione d = decompila_file(f);
    EXPECT_TRUE(d.differenze.empty()) << elenco(d);
    EXPECT_EQ(d.testo_linea, blocco_del_documento("decompilato-linea"));
    EXPECT_EQ(d.testo_treno, blocco_del_documento("decompilato-treno"));
}

std::uint64_t quanti_scenari() {
    const char* n = std::getenv("SCENARIO_DECOMPILA_SCENARI");
    return n ? std::strtoull(n, nullptr, 10) : 1000;
}

TEST(DecompilaGenerati, RoundTrip) {
    const std::uint64_t n = quanti_scenari();
    int falliti = 0;
    for (std::uint64_t seme = 1; seme <= n && falliti < 5; ++seme) {
        const auto g = generatore::genera(generatore::misura_varia(seme), {seme, seme % 3 == 0, seme % 2 == 0});
        const FileCompilati f = compila(g.linea, g.treno, "Generato", std::to_string(seme));
        const Decompilazione d = decompila_file(f);
        if (d.non_compilato || !d.differenze.empty()) {
            ++falliti;
            ADD_FAILURE() << "seed " << seme << "\n" << (d.non_compilato ? *d.non_compilato : elenco(d));
            continue;
        }
        const FileCompilati di_nuovo = compila(d.testo_linea, d.testo_treno, "Generato", std::to_string(seme));
        EXPECT_TRUE(di_nuovo.celle == f.celle && di_nuovo.tabella == f.tabella && di_nuovo.tracciato == f.tracciato)
            << "seed " << seme;
    }
    std::cout << n << " scenari\n";
}

}  // namespace
}  // namespace scenario::test
