// `scenario plot`: the page is well-formed XML, holds one mark for every
// object of the compiled files, can make no request of its own, and is
// written only after every input has been checked.
#include <gtest/gtest.h>
#include <libxml/parser.h>
#include <libxml/tree.h>

#include <algorithm>
#include <filesystem>
#include <map>
#include <memory>
#include <set>

#include "compiler/decodifica_celle.h"
#include "compiler/decodifica_tabella.h"
#include "tests/supporto/archivio_temporaneo.h"
#include "tests/supporto/esegui.h"
#include "tests/compiler/file_compilati_prova.h"
#include "tool/significato_tabella.h"

namespace scenario::test {
namespace {

namespace fs = std::filesystem;

// Every element of a parsed page, flattened: its name and its attributes.
struct Nodo {
    std::string nome;
    std::map<std::string, std::string> attributi;
    std::string testo;  // of <style> and <script>
};

struct Documento {
    std::vector<Nodo> nodi;
    std::string errori;  // the parser's, when the page is not well-formed
};

void raccogli_errore(void* errori, const char* formato, ...) {
    static_cast<std::string*>(errori)->append(formato);
}

void visita(xmlNode* n, std::vector<Nodo>& nodi) {
    for (; n; n = n->next) {
        if (n->type != XML_ELEMENT_NODE) continue;
        Nodo d{reinterpret_cast<const char*>(n->name), {}, {}};
        for (xmlAttr* a = n->properties; a; a = a->next) {
            std::unique_ptr<xmlChar, decltype(xmlFree)> v(xmlNodeGetContent(a->children), xmlFree);
            d.attributi[reinterpret_cast<const char*>(a->name)] = v ? reinterpret_cast<const char*>(v.get()) : "";
        }
        if (d.nome == "style" || d.nome == "script") {
            std::unique_ptr<xmlChar, decltype(xmlFree)> t(xmlNodeGetContent(n), xmlFree);
            d.testo = t ? reinterpret_cast<const char*>(t.get()) : "";
        }
        nodi.push_back(std::move(d));
        visita(n->children, nodi);
    }
}

// Parsed as XML, never touching the network (XML_PARSE_NONET).
Documento analizza(const std::string& pagina) {
    Documento d;
    xmlSetGenericErrorFunc(&d.errori, raccogli_errore);
    xmlDoc* doc = xmlReadMemory(pagina.data(), static_cast<int>(pagina.size()), "pagina.html", "UTF-8", XML_PARSE_NONET);
    xmlSetGenericErrorFunc(nullptr, nullptr);
    if (!doc) {
        if (d.errori.empty()) d.errori = "not well-formed";
        return d;
    }
    visita(xmlDocGetRootElement(doc), d.nodi);
    xmlFreeDoc(doc);
    return d;
}

bool ha_classe(const Nodo& n, const std::string& classe) {
    const auto it = n.attributi.find("class");
    return it != n.attributi.end() && (" " + it->second + " ").find(" " + classe + " ") != std::string::npos;
}

// How many marks of the profile carry `chiave` = each value.
std::map<std::string, int> segni_per(const Documento& d, const std::string& chiave) {
    std::map<std::string, int> n;
    for (const Nodo& x : d.nodi)
        if (ha_classe(x, "segno") && x.attributi.contains(chiave)) ++n[x.attributi.at(chiave)];
    return n;
}

class Plot : public ::testing::Test {
protected:
    void SetUp() override { scrivi(incorporato()); }
    void scrivi(const FileCompilati& f) {
        scrivi_file(cartella / "Vordano_Seli_4936.dat", f.celle);
        scrivi_file(cartella / "Vordano_Seli_4936.sim", f.tabella);
        scrivi_file(cartella / "Vordano_Seli_linea.dat", f.tracciato);
    }
    int plot(const std::string& argomenti) {
        return esegui(tra_virgolette(SCENARIO_EXE) + " plot " + argomenti + " > " + tra_virgolette(lavoro / "out.txt"),
                      lavoro / "err.txt");
    }
    std::string errori() { return leggi_file(lavoro / "err.txt"); }

    CartellaTemporanea cartella;
    CartellaTemporanea lavoro;
};

TEST_F(Plot, ThePageIsWellFormedAndHoldsOneMarkPerObject) {
    ASSERT_EQ(plot(tra_virgolette(cartella.percorso()) + " -o " + tra_virgolette(lavoro / "linea.html")), 0) << errori();
    const Documento d = analizza(leggi_file(lavoro / "linea.html"));
    ASSERT_EQ(d.errori, "");

    const auto celle = decodifica_celle(incorporato().celle).dati;
    std::map<std::string, int> oggetti, ripetitori;
    for (std::size_t k = 0; k < celle.size(); ++k) {
        if (celle[k].tipo != decltype(celle[k].tipo){}) oggetti[std::to_string(k)] = 1;
        if (celle[k].ripetitore != 0) ripetitori[std::to_string(k)] = 1;
    }
    EXPECT_EQ(segni_per(d, "data-cella"), oggetti);
    EXPECT_EQ(segni_per(d, "data-ripetitore"), ripetitori);

    const auto voci = decodifica_tabella(incorporato().tabella).dati;
    std::map<std::string, int> stazioni;
    for (std::size_t n = 0; n < voci.size(); ++n)
        if (uso_voce(voci, n) == UsoVoce::stazione) stazioni[std::to_string(n)] = 1;
    EXPECT_EQ(stazioni.size(), 28u);
    EXPECT_EQ(segni_per(d, "data-slot"), stazioni);

    // Every mark says what it is, for a hover without the script.
    for (std::size_t i = 0; i + 1 < d.nodi.size(); ++i)
        if (ha_classe(d.nodi[i], "segno")) {
            EXPECT_EQ(d.nodi[i + 1].nome, "title") << i;
        }
}

// Nothing in the page names anything outside it, and its policy forbids the browser any request.
TEST_F(Plot, ThePageMakesNoRequest) {
    ASSERT_EQ(plot(tra_virgolette(cartella.percorso()) + " -o " + tra_virgolette(lavoro / "linea.html")), 0) << errori();
    const Documento d = analizza(leggi_file(lavoro / "linea.html"));
    ASSERT_EQ(d.errori, "");
    const std::set<std::string> proibiti = {"link", "img", "iframe", "object", "embed", "image", "use", "audio", "video", "source", "base"};
    bool politica = false;
    for (const Nodo& n : d.nodi) {
        EXPECT_FALSE(proibiti.contains(n.nome)) << n.nome;
        for (const auto& [nome, valore] : n.attributi) {
            if (nome == "href" || nome == "src" || nome == "action" || nome == "srcset") ADD_FAILURE() << nome << "=" << valore;
            if (valore.find("url(") != std::string::npos) {
                EXPECT_EQ(valore.find("url(#"), valore.find("url(")) << valore;
            }
        }
        if (n.nome == "script" && !n.attributi.contains("type")) {
            for (const char* chiamata : {"fetch(", "XMLHttpRequest", "import(", "WebSocket", "sendBeacon", "src="})
                EXPECT_EQ(n.testo.find(chiamata), std::string::npos) << chiamata;
        }
        if (n.nome == "style") {
            EXPECT_EQ(n.testo.find("@import"), std::string::npos);
            EXPECT_EQ(n.testo.find("url("), std::string::npos);
        }
        const auto equiv = n.attributi.find("http-equiv");
        if (n.nome == "meta" && equiv != n.attributi.end() && equiv->second == "Content-Security-Policy") {
            politica = n.attributi.at("content").starts_with("default-src 'none'");
        }
    }
    EXPECT_TRUE(politica);
}

TEST_F(Plot, TheSvgStandsAloneWithoutScript) {
    ASSERT_EQ(plot(tra_virgolette(cartella / "Vordano_Seli_4936.dat") + " " + tra_virgolette(cartella / "Vordano_Seli_4936.sim") +
                   " " + tra_virgolette(cartella / "Vordano_Seli_linea.dat") + " --svg -o " + tra_virgolette(lavoro / "linea.svg")),
              0)
        << errori();
    const Documento d = analizza(leggi_file(lavoro / "linea.svg"));
    ASSERT_EQ(d.errori, "");
    ASSERT_FALSE(d.nodi.empty());
    EXPECT_EQ(d.nodi.front().nome, "svg");
    EXPECT_TRUE(std::ranges::none_of(d.nodi, [](const Nodo& n) { return n.nome == "script"; }));
    EXPECT_EQ(segni_per(d, "data-slot").size(), 28u);
}

TEST_F(Plot, ADamagedFileWritesNothing) {
    FileCompilati f = incorporato();
    f.celle[16] ^= 1;  // the marker of cell 1
    scrivi(f);
    EXPECT_EQ(plot(tra_virgolette(cartella.percorso()) + " -o " + tra_virgolette(lavoro / "linea.html")), 1);
    EXPECT_NE(errori().find("marcatore 5121"), std::string::npos) << errori();
    EXPECT_FALSE(fs::exists(lavoro / "linea.html"));
}

TEST_F(Plot, AnOlderPageIsReplacedWhole) {
    scrivi_file(lavoro / "linea.html", "vecchia");
    ASSERT_EQ(plot(tra_virgolette(cartella.percorso()) + " -o " + tra_virgolette(lavoro / "linea.html")), 0) << errori();
    EXPECT_TRUE(leggi_file(lavoro / "linea.html").starts_with("<!DOCTYPE html>"));
    EXPECT_EQ(nomi_in(lavoro.percorso()), (std::vector<std::string>{"err.txt", "linea.html", "out.txt"}));
}

TEST_F(Plot, InputsThatNameNoOneScenario) {
    scrivi_file(cartella / "Altro_1.dat", incorporato().celle);
    EXPECT_EQ(plot(tra_virgolette(cartella.percorso()) + " -o " + tra_virgolette(lavoro / "linea.html")), 2);
    EXPECT_NE(errori().find("file delle celle"), std::string::npos) << errori();
    EXPECT_EQ(plot(tra_virgolette(cartella / "Vordano_Seli_4936.sim") + " -o " + tra_virgolette(lavoro / "linea.html")), 2);
    EXPECT_EQ(plot(tra_virgolette(cartella / "Vordano_Seli_4936.dat") + " " + tra_virgolette(cartella / "Altro_1.dat") + " -o " +
                   tra_virgolette(lavoro / "linea.html")),
              2);
}

// A scenario compiled without its geometry is drawn without a plan, and the page says so.
TEST_F(Plot, WithoutTheGeometryThereIsNoPlan) {
    fs::remove(cartella / "Vordano_Seli_linea.dat");
    ASSERT_EQ(plot(tra_virgolette(cartella.percorso()) + " -o " + tra_virgolette(lavoro / "linea.html")), 0) << errori();
    const std::string pagina = leggi_file(lavoro / "linea.html");
    EXPECT_EQ(analizza(pagina).errori, "");
    EXPECT_NE(pagina.find("geometria assente"), std::string::npos);
    EXPECT_NE(errori().find("senza la geometria"), std::string::npos) << errori();
}

TEST_F(Plot, HelpIsItalianWithAnExample) {
    EXPECT_EQ(plot("--help"), 0);
    const std::string aiuto = leggi_file(lavoro / "out.txt");
    EXPECT_NE(aiuto.find("Esempi:"), std::string::npos) << aiuto;
    EXPECT_NE(aiuto.find("scenario plot build/bin -o linea.html"), std::string::npos);
}

}  // namespace
}  // namespace scenario::test
