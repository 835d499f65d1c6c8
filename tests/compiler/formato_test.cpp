// docs/FORMATO.md cannot drift from the program: every example in it (its
// `linea` and `treno` blocks) is compiled, and its `esito` block must say
// exactly what the report says and what the cells hold.
//
// An `esito` block closes an example: it takes the `linea` and `treno` blocks
// written since the previous `esito`, the minimal texts for one not written.
// Its lines are the report's first lines, all of them and in order, or
// "nessun messaggio"; and "cella N: campo valore, ..." for what cell N holds.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

#include "compiler/diagnostica.h"
#include "tests/supporto/compila_in_memoria.h"

namespace scenario {
namespace {

// The minimal texts the document shows under "Testi minimi".
const std::string linea_minima =
    "[generale]\nlunghezza percorso, 10000\n[curve]\n[pendenze]\n[montagne]\n[cartelli]\n[indicazioni]\n[fine]\n";
const std::string treno_minimo =
    "[generale]\n[aderenze]\n[vel_limite]\n[stazioni]\n[rallentamenti]\n[segnali]\n[codici]\n[fine]\n";

struct Blocco {
    std::string tipo;  // the fence's info string
    std::string testo; // its lines, each ended by "\n"
    int riga;          // where it opens in the document
};

std::string documento() {
    std::ifstream in(std::filesystem::path(CARTELLA_SORGENTI) / "docs" / "FORMATO.md", std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

std::vector<Blocco> blocchi(const std::string& md) {
    std::vector<Blocco> trovati;
    std::istringstream in(md);
    std::string riga;
    std::optional<Blocco> aperto;
    for (int n = 1; std::getline(in, riga); ++n) {
        if (riga.starts_with("```")) {
            if (aperto) {
                trovati.push_back(*aperto);
                aperto.reset();
            } else {
                aperto = Blocco{riga.substr(3), "", n};
            }
        } else if (aperto) {
            aperto->testo += riga + "\n";
        }
    }
    return trovati;
}

struct Esempio {
    int riga;  // of its `esito` block
    std::string linea;
    std::string treno;
    std::string esito;
};

void PrintTo(const Esempio& e, std::ostream* os) { *os << "FORMATO.md:" << e.riga; }

std::vector<Esempio> esempi() {
    std::vector<Esempio> tutti;
    std::optional<std::string> linea, treno;
    for (const Blocco& b : blocchi(documento())) {
        if (b.tipo == "linea") linea = b.testo;
        if (b.tipo == "treno") treno = b.testo;
        if (b.tipo != "esito") continue;
        tutti.push_back({b.riga, linea.value_or(linea_minima), treno.value_or(treno_minimo), b.testo});
        linea.reset();
        treno.reset();
    }
    return tutti;
}

// A text of the document as a file: every line ended by CR LF.
std::string con_crlf(const std::string& testo) {
    std::string file;
    for (char c : testo) file += c == '\n' ? std::string("\r\n") : std::string(1, c);
    return file;
}

std::int64_t campo(const Cella& c, const std::string& nome) {
    const std::map<std::string, std::int64_t> campi = {
        {"tipo", static_cast<int>(c.tipo)}, {"valore", c.valore},      {"valore2", c.valore2},
        {"valore3", c.valore3},             {"valore4", c.valore4},    {"tempo", c.tempo},
        {"ripetitore", c.ripetitore},       {"montagna", c.montagna},  {"velocita_cella", c.velocita_cella},
        {"pendenza_cella", c.pendenza_cella}, {"aderenza_cella", c.aderenza_cella}};
    const auto it = campi.find(nome);
    if (it == campi.end()) ADD_FAILURE() << "no cell field '" << nome << "'";
    return it == campi.end() ? -1 : it->second;
}

// "cella 18: tipo 1, valore 40" against cell 18.
void controlla_cella(const Stato& s, const std::string& riga) {
    std::istringstream in(riga.substr(6));
    std::size_t k = 0;
    char due_punti = 0;
    in >> k >> due_punti;
    ASSERT_LT(k, s.celle.size()) << riga;
    std::string nome;
    std::int64_t atteso = 0;
    while (in >> nome >> atteso) {
        EXPECT_EQ(campo(s.celle[k], nome), atteso) << riga;
        in >> std::ws;
        if (in.peek() == ',') in.get();
    }
}

class Formato : public ::testing::TestWithParam<Esempio> {};

TEST_P(Formato, TheExampleCompilesAsTheDocumentSays) {
    const Esempio& e = GetParam();
    const test::Compilato c = test::compila_in_memoria("Esempio", "1", con_crlf(e.linea), con_crlf(e.treno));
    const Stato& s = c.s;
    const auto d = diagnostica(s, c.esito, {nome_testo_linea(s), nome_testo_treno(s)});

    std::vector<std::string> trovate;
    for (const Diagnostica& x : d) {
        const std::string t = testo_diagnostica(x);
        trovate.push_back(t.substr(0, t.find('\n')));
    }
    std::vector<std::string> attese;
    bool controlla_messaggi = false;
    std::istringstream in(e.esito);
    for (std::string riga; std::getline(in, riga);) {
        if (riga == "nessun messaggio") {
            controlla_messaggi = true;
        } else if (riga.starts_with("cella ")) {
            controlla_cella(s, riga);
        } else if (!riga.empty()) {
            controlla_messaggi = true;
            attese.push_back(riga);
        }
    }
    if (controlla_messaggi) {
        EXPECT_EQ(trovate, attese);
    }
}

INSTANTIATE_TEST_SUITE_P(Esempi, Formato, ::testing::ValuesIn(esempi()),
                         [](const auto& info) { return "riga_" + std::to_string(info.param.riga); });

TEST(FormatoDocumento, HasExamplesAndShowsTheMinimalTexts) {
    EXPECT_GE(esempi().size(), 8u);
    int minimi = 0;
    for (const Blocco& b : blocchi(documento())) {
        minimi += b.tipo == "text" && (b.testo == linea_minima || b.testo == treno_minimo);
    }
    EXPECT_EQ(minimi, 2) << "the minimal texts under \"Testi minimi\" are the ones examples default to";
}

}  // namespace
}  // namespace scenario
