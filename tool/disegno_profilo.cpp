// Each lane is drawn by one function; every object is one mark (a group or a
// band) that carries its metre in data-m (or data-da, data-a) for the page's
// script and its values in a <title>, for a hover even without the script.
#include "tool/disegno_profilo.h"

#include <algorithm>
#include <cmath>
#include <functional>

#include "tool/significato_celle.h"
#include "tool/significato_tabella.h"

namespace scenario::disegno {
namespace {

struct Corsia {
    const char* id;
    const char* nome;
    double altezza;
};

constexpr Corsia corsie[] = {{"altimetria", "Altimetria", 120},   {"velocita", "Velocit\u00e0", 96},
                             {"segnali", "Segnali", 42},          {"cartelli", "Cartelli", 40},
                             {"rallentamenti", "Rallentamenti", 44}, {"stazioni", "Stazioni", 58},
                             {"abbattimenti", "Abbattimenti", 36}, {"montagna", "Montagna", 30},
                             {"aderenza", "Aderenza", 26}};
constexpr double altezza_asse = 30;

using Tipo = TipoCella;

// Lane content drawn after this marker is not clipped: the scales in the left margin.
constexpr std::string_view fuori_ritaglio = "<!--scala-->";

bool e(const Cella& c, Tipo t) { return tipo_di(c) == static_cast<std::uint8_t>(t); }

std::string titolo(std::string_view testo) { return "<title>" + esc(testo) + "</title>"; }

std::string luogo(std::size_t k) {
    return "cella " + std::to_string(k) + ", " + km(metro_cella(k));
}

// One point mark: a group placed at its metre, the shapes drawn around x = 0.
std::string segno(const Vista& v, std::string_view classe, std::string_view chiave, std::int64_t valore_chiave,
                  double metro, std::string_view testo, std::string_view forme) {
    return "<g class=\"segno " + std::string(classe) + "\" " + std::string(chiave) + "=\"" +
           std::to_string(valore_chiave) + "\" data-m=\"" + num(metro) + "\" transform=\"translate(" +
           num(x_di(v, metro)) + ",0)\">" + titolo(testo) + std::string(forme) + "</g>\n";
}

// A band from one metre to another; `attributi` names the object it stands for, if any.
std::string banda(const Vista& v, std::string_view classe, std::string_view attributi, double da, double a, double y,
                  double h, std::string_view testo) {
    const double x0 = x_di(v, da), x1 = x_di(v, a);
    return "<rect class=\"" + std::string(classe) + "\" " + std::string(attributi) + " data-da=\"" + num(da) +
           "\" data-a=\"" + num(a) + "\" x=\"" + num(x0) + "\" y=\"" + num(y) + "\" width=\"" +
           num(std::max(x1 - x0, 1.0)) + "\" height=\"" + num(h) + "\">" + titolo(testo) + "</rect>\n";
}

// A label near the edge of the axis is moved in, so that it is read whole.
double entro_area(double x, double w) {
    if (x < margine_sinistro || x > margine_sinistro + area) return x;
    return std::clamp(x, margine_sinistro + w / 2, margine_sinistro + area - w / 2);
}

// The labels of one lane, thinned for the view they are drawn in.
class Etichette {
public:
    void aggiungi(double metro, double x, double y, int priorita, std::string testo, std::string classe = "") {
        const double w = larghezza_testo(testo.size());
        voci_.push_back({{entro_area(x, w), w, priorita}, metro, y, std::move(testo), std::move(classe)});
    }
    std::string svg() {
        std::vector<Etichetta> e;
        for (const auto& v : voci_) e.push_back(v.e);
        dirada(e, 4);
        std::string out;
        for (std::size_t i = 0; i < voci_.size(); ++i) {
            const auto& v = voci_[i];
            out += "<text class=\"etichetta " + v.classe + (e[i].visibile ? "" : " nascosta") + "\" data-m=\"" +
                   num(v.metro) + "\" data-p=\"" + std::to_string(v.e.priorita) + "\" x=\"" + num(v.e.x) +
                   "\" y=\"" + num(v.y) + "\">" + esc(v.testo) + "</text>\n";
        }
        return out;
    }

private:
    struct Voce {
        Etichetta e;
        double metro, y;
        std::string testo, classe;
    };
    std::vector<Voce> voci_;
};

// Runs of cells that share a value: [first, last] cell and the value.
struct Tratto {
    std::size_t da, a;
    int valore;
};
std::vector<Tratto> tratti(const std::vector<Cella>& celle, const std::function<int(const Cella&)>& valore) {
    std::vector<Tratto> t;
    for (std::size_t k = 0; k < celle.size(); ++k) {
        const int x = valore(celle[k]);
        if (!t.empty() && t.back().valore == x && t.back().a + 1 == k) t.back().a = k;
        else t.push_back({k, k, x});
    }
    return t;
}

double inizio_cella(std::size_t k) { return static_cast<double>(metro_cella(k)) - 25; }
double fine_cella(std::size_t k) { return static_cast<double>(metro_cella(k)) + 25; }

// A polyline whose x the script recomputes from each point's metre.
std::string curva(const Vista& v, std::string_view classe, const std::vector<std::pair<double, double>>& punti,
                  std::string_view extra = "") {
    std::string dati, d;
    for (const auto& [m, y] : punti) {
        dati += (dati.empty() ? "" : " ") + num(m) + "," + num(y);
        d += (d.empty() ? "M" : "L") + num(x_di(v, m)) + "," + num(y);
    }
    return "<path class=\"" + std::string(classe) + "\" data-punti=\"" + dati + "\" " + std::string(extra) +
           " d=\"" + d + "\"/>\n";
}

// ----- height and speed

// Heights are kept in metres in data-punti: the script fits the vertical
// scale to the stretch in view, so a zoomed climb shows as a climb.
std::string altimetria(const ScenarioCaricato& s, const Vista& v, double h) {
    std::vector<std::pair<double, double>> quote;
    double q = 0;
    for (std::size_t k = 0; k < s.celle.size(); ++k) {
        const auto g = pendenza_permille(s.celle[k]);
        if (!g) continue;
        quote.emplace_back(static_cast<double>(metro_cella(k)), q);
        q += *g * 0.05;
    }
    if (quote.empty()) return "<text class=\"vuoto\" x=\"" + num(margine_sinistro + 8) + "\" y=\"20\">nessuna pendenza</text>";
    double basso = 1e300, alto = -1e300;
    for (const auto& [m, quota] : quote) {
        if (m < v.da || m > v.a) continue;
        basso = std::min(basso, quota), alto = std::max(alto, quota);
    }
    if (basso > alto) basso = alto = quote.front().second;
    if (alto - basso < 10) {  // a flat stretch sits in the middle, on a 10 m scale
        const double centro = (alto + basso) / 2;
        basso = centro - 5, alto = centro + 5;
    }
    const double cima = 22, fondo = h - 10;
    const auto y = [&](double quota) { return fondo - (quota - basso) / (alto - basso) * (fondo - cima); };
    std::string dati, d;
    for (const auto& [m, quota] : quote) {
        dati += (dati.empty() ? "" : " ") + num(m) + "," + num(quota);
        d += (d.empty() ? "M" : "L") + num(x_di(v, m)) + "," + num(y(quota));
    }
    const std::string scala_quote = "data-quote=\"" + num(cima) + "," + num(fondo) + "\" data-punti=\"" + dati + "\"";
    std::string out = "<path class=\"area-quota\" data-base=\"" + num(h - 2) + "\" " + scala_quote + " d=\"" + d + "L" +
                      num(x_di(v, quote.back().first)) + "," + num(h - 2) + "L" + num(x_di(v, quote.front().first)) + "," +
                      num(h - 2) + "Z\"/>\n<path class=\"linea-quota\" " + scala_quote + " d=\"" + d + "\"/>\n";
    const std::string scala = std::string(fuori_ritaglio) + "<text class=\"scala\" id=\"quota-alta\" x=\"" +
                              num(margine_sinistro - 6) + "\" y=\"" + num(cima + 4) + "\">" + num(std::round(alto)) +
                              " m</text><text class=\"scala\" id=\"quota-bassa\" x=\"" + num(margine_sinistro - 6) +
                              "\" y=\"" + num(fondo + 4) + "\">" + num(std::round(basso)) + " m</text>\n";
    Etichette et;
    for (const Tratto& t : tratti(s.celle, [](const Cella& c) { return c.pendenza_cella; })) {
        if (t.valore == 0) continue;
        const double centro = static_cast<double>(metro_cella(t.da) + metro_cella(t.a)) / 2;
        const int g = t.valore - 100;
        et.aggiungi(centro, x_di(v, centro), 14, 1, (g > 0 ? "+" : "") + std::to_string(g) + " \u2030");
        out += banda(v, "tratto", "", inizio_cella(t.da), fine_cella(t.a), 0, h,
                     "Pendenza " + std::to_string(t.valore - 100) + " \u2030 da " + km(metro_cella(t.da)) + " a " +
                         km(metro_cella(t.a)) + " (celle " + std::to_string(t.da) + " .. " + std::to_string(t.a) + ")");
    }
    return out + et.svg() + scala;
}

std::string velocita(const ScenarioCaricato& s, const Vista& v, double h) {
    int massima = 0;
    for (const Cella& c : s.celle) massima = std::max(massima, c.velocita_cella * 5);
    const double alto = std::max(40, (massima + 19) / 20 * 20);
    const auto y = [&](double kmh) { return h - 6 - kmh / alto * (h - 14); };
    std::string out, scala(fuori_ritaglio);
    for (int g = 40; g <= alto; g += 40) {
        out += "<line class=\"griglia\" x1=\"" + num(margine_sinistro) + "\" x2=\"" + num(larghezza - margine_destro) +
               "\" y1=\"" + num(y(g)) + "\" y2=\"" + num(y(g)) + "\"/>";
        scala += "<text class=\"scala\" x=\"" + num(margine_sinistro - 6) + "\" y=\"" + num(y(g) + 4) + "\">" +
                 std::to_string(g) + " km/h</text>\n";
    }
    std::vector<std::pair<double, double>> punti;
    Etichette et;
    for (const Tratto& t : tratti(s.celle, [](const Cella& c) { return c.velocita_cella * 5; })) {
        if (t.valore == 0) continue;
        punti.emplace_back(inizio_cella(t.da), y(t.valore));
        punti.emplace_back(fine_cella(t.a), y(t.valore));
        const double centro = static_cast<double>(metro_cella(t.da) + metro_cella(t.a)) / 2;
        et.aggiungi(centro, x_di(v, centro), y(t.valore) - 5, 1, std::to_string(t.valore));
        out += banda(v, "tratto", "", inizio_cella(t.da), fine_cella(t.a), 0, h,
                     "Velocit\u00e0 massima " + std::to_string(t.valore) + " km/h da " + km(metro_cella(t.da)) +
                         " a " + km(metro_cella(t.a)));
    }
    return out + curva(v, "linea-velocita", punti) + et.svg() + scala;
}

// ----- objects of the cells

std::string descrizione(const VistaCelle& vc, std::size_t k) { return descrivi_oggetto(vc, k) + "\n" + luogo(k); }

std::string segnali(const ScenarioCaricato& s, const VistaCelle& vc, const Vista& v, double h) {
    std::string out;
    for (std::size_t k = 0; k < s.celle.size(); ++k) {
        const Cella& c = s.celle[k];
        const double m = static_cast<double>(metro_cella(k));
        if (e(c, Tipo::segnale)) {
            const PartiSegnale p = parti_segnale(c);
            std::string forme = "<line class=\"palo\" x1=\"0\" x2=\"0\" y1=\"" + num(h - 4) + "\" y2=\"9\"/>" +
                                "<circle class=\"testa tipo" + std::to_string(p.sinistro.tipo) + "\" cy=\"9\" r=\"5\"/>";
            if (p.destro.tipo != 0)
                forme += "<circle class=\"testa tipo" + std::to_string(p.destro.tipo) + "\" cy=\"21\" r=\"3.5\"/>";
            out += segno(v, "segnale", "data-cella", static_cast<std::int64_t>(k), m, descrizione(vc, k), forme);
        }
        const std::string rip = descrivi_ripetitore(vc, k);
        if (!rip.empty() && rip.find("fermata") == std::string::npos) {
            out += segno(v, "ripetitore", "data-ripetitore", static_cast<std::int64_t>(k), m, rip + "\n" + luogo(k),
                         "<line x1=\"0\" x2=\"0\" y1=\"" + num(h - 10) + "\" y2=\"" + num(h - 2) + "\"/>");
        }
    }
    return out;
}

std::string cartelli(const ScenarioCaricato& s, const VistaCelle& vc, const Vista& v, double h) {
    std::string out;
    Etichette et;
    for (std::size_t k = 0; k < s.celle.size(); ++k) {
        const Cella& c = s.celle[k];
        const double m = static_cast<double>(metro_cella(k));
        if (e(c, Tipo::indicatore_velocita)) {
            out += segno(v, "indicatore", "data-cella", static_cast<std::int64_t>(k), m, descrizione(vc, k),
                         "<rect x=\"-4\" y=\"4\" width=\"8\" height=\"12\"/>");
            et.aggiungi(m, x_di(v, m), h - 8, 1, std::to_string(parti_indicatore(c).sinistro.a));
        } else if (e(c, Tipo::cartello_testo)) {
            out += segno(v, "cartello-testo", "data-cella", static_cast<std::int64_t>(k), m, descrizione(vc, k),
                         "<rect x=\"-5\" y=\"4\" width=\"10\" height=\"10\"/>");
            std::string testo = testo_slot(vc.voci, c.valore).value_or("?");
            if (testo.size() > 24) testo = testo.substr(0, 22) + "\u2026";
            et.aggiungi(m, x_di(v, m), h - 8, 2, testo);
        }
    }
    return out + et.svg();
}

std::string rallentamenti(const ScenarioCaricato& s, const VistaCelle& vc, const Vista& v, double h) {
    std::string out, bande;
    Etichette et;
    for (std::size_t k = 0; k < s.celle.size(); ++k) {
        const Cella& c = s.celle[k];
        const double m = static_cast<double>(metro_cella(k));
        const auto marca = [&](const char* classe, const std::string& forme) {
            out += segno(v, classe, "data-cella", static_cast<std::int64_t>(k), m, descrizione(vc, k), forme);
        };
        if (e(c, Tipo::inizio_rallentamento)) {
            marca("inizio-rallentamento", "<path d=\"M0,6 L9,12 L0,18 Z\"/>");
            std::size_t fine = k + 1;
            while (fine < s.celle.size() && !e(s.celle[fine], Tipo::fine_rallentamento)) ++fine;
            if (fine < s.celle.size()) {
                bande += banda(v, "banda rallentamento", "", m, static_cast<double>(metro_cella(fine)), 22, 10,
                               "Rallentamento a " + std::to_string(c.valore) + " km/h da " + km(metro_cella(k)) +
                                   " a " + km(metro_cella(fine)));
                const double centro = (m + static_cast<double>(metro_cella(fine))) / 2;
                et.aggiungi(centro, x_di(v, centro), h - 4, 3, std::to_string(c.valore) + " km/h");
            }
        } else if (e(c, Tipo::fine_rallentamento)) {
            marca("fine-rallentamento", "<path d=\"M0,6 L-9,12 L0,18 Z\"/>");
        } else if (e(c, Tipo::avviso_rallentamento)) {
            marca("avviso", "<path d=\"M0,3 L8,18 L-8,18 Z\"/>");
        } else if (e(c, Tipo::approccio_rallentamento)) {
            marca("approccio", "<line x1=\"0\" x2=\"0\" y1=\"24\" y2=\"32\"/>");
        }
    }
    return bande + out + et.svg();
}

std::string stazioni(const ScenarioCaricato& s, const VistaCelle& vc, const Vista& v, double h) {
    std::string out;
    Etichette et;
    if (s.voci) {
        for (std::size_t n = 1; n < slot::progressiva_tre; ++n) {
            if (uso_voce(*s.voci, n) != UsoVoce::stazione) continue;
            const Voce& st = (*s.voci)[n];
            out += banda(v, "segno marciapiede", "data-slot=\"" + std::to_string(n) + "\"", st.numero1, st.numero2, 18,
                         9, descrivi_voce(*s.voci, n));
            const double centro = st.numero3;
            const int rilievo = rilievo_stazione(*s.voci, n);
            et.aggiungi(centro, x_di(v, centro), 13, rilievo, testo_slot(&*s.voci, n).value_or(""),
                        rilievo >= 3 ? "fermata" : "");
        }
    }
    for (std::size_t k = 0; k < s.celle.size(); ++k) {
        const double m = static_cast<double>(metro_cella(k));
        if (e(s.celle[k], Tipo::punto_fermata)) {
            out += segno(v, "punto-fermata", "data-cella", static_cast<std::int64_t>(k), m, descrizione(vc, k),
                         "<path d=\"M0,29 L6,40 L-6,40 Z\"/>");
        }
        const std::string rip = descrivi_ripetitore(vc, k);
        if (rip.find("fermata") != std::string::npos) {
            out += segno(v, "ripetitore", "data-ripetitore", static_cast<std::int64_t>(k), m, rip + "\n" + luogo(k),
                         "<line x1=\"0\" x2=\"0\" y1=\"" + num(h - 14) + "\" y2=\"" + num(h - 6) + "\"/>");
        }
    }
    return out + et.svg();
}

std::string abbattimenti(const ScenarioCaricato& s, const VistaCelle& vc, const Vista& v, double h) {
    std::string out;
    Etichette et;
    for (std::size_t k = 0; k < s.celle.size(); ++k) {
        const Cella& c = s.celle[k];
        const double m = static_cast<double>(metro_cella(k));
        const bool con_valore = e(c, Tipo::abbattimento);
        if (!con_valore && !e(c, Tipo::abbattimento_senza_valore)) continue;
        out += segno(v, con_valore ? "abbattimento" : "abbattimento vuoto", "data-cella", static_cast<std::int64_t>(k),
                     m, descrizione(vc, k), "<path d=\"M0,4 L6,11 L0,18 L-6,11 Z\"/>");
        if (con_valore) et.aggiungi(m, x_di(v, m), h - 5, 1, std::to_string(c.valore));
    }
    return out + et.svg();
}

std::string montagna(const ScenarioCaricato& s, const VistaCelle& vc, const Vista& v, double h) {
    std::string out;
    for (const Tratto& t : tratti(s.celle, [](const Cella& c) { return c.montagna; })) {
        if (t.valore == 0) continue;
        out += banda(v, "banda montagna tipo" + std::to_string(std::min(t.valore, 3)), "", inizio_cella(t.da),
                     fine_cella(t.a), 14, h - 18,
                     "Montagna di tipo " + std::to_string(t.valore) + " da " + km(metro_cella(t.da)) + " a " +
                         km(metro_cella(t.a)) + " (celle " + std::to_string(t.da) + " .. " + std::to_string(t.a) + ")");
    }
    for (std::size_t k = 0; k < s.celle.size(); ++k) {
        if (!e(s.celle[k], Tipo::marcatore_montagna)) continue;
        out += segno(v, "marcatore-montagna", "data-cella", static_cast<std::int64_t>(k),
                     static_cast<double>(metro_cella(k)), descrizione(vc, k), "<path d=\"M0,2 L6,12 L-6,12 Z\"/>");
    }
    return out;
}

std::string aderenza(const ScenarioCaricato& s, const Vista& v, double h) {
    std::string out;
    for (const Tratto& t : tratti(s.celle, [](const Cella& c) { return c.aderenza_cella; })) {
        if (t.valore == 0 || t.valore >= 100) continue;
        out += banda(v, "banda aderenza" + std::string(t.valore < 80 ? " bassa" : ""), "", inizio_cella(t.da),
                     fine_cella(t.a), 5, h - 10,
                     "Aderenza " + std::to_string(t.valore) + " % da " + km(metro_cella(t.da)) + " a " +
                         km(metro_cella(t.a)));
    }
    return out;
}

// Ticks of the distance axis: a step that leaves about 80 units between them.
double passo_asse(const Vista& v) {
    for (double p : {100.0, 200.0, 500.0, 1000.0, 2000.0, 5000.0, 10000.0, 20000.0, 50000.0})
        if (p / (v.a - v.da) * area >= 80) return p;
    return 100000;
}

std::string asse(const Vista& v, double altezza_corsie) {
    std::string out = "<g id=\"asse\">";
    const double passo = passo_asse(v);
    for (double m = std::ceil(v.da / passo) * passo; m <= v.a; m += passo) {
        const double x = x_di(v, m);
        out += "<line class=\"griglia-km\" x1=\"" + num(x) + "\" x2=\"" + num(x) + "\" y1=\"0\" y2=\"" +
               num(altezza_corsie) + "\"/><text class=\"km\" x=\"" + num(x) + "\" y=\"" + num(altezza_corsie + 18) +
               "\">" + esc(km(static_cast<std::int64_t>(m))) + "</text>";
    }
    return out + "</g>\n";
}

std::string corsia(const Corsia& c, double y, std::size_t i, const std::string& tutto) {
    const std::size_t diviso = std::min(tutto.find(fuori_ritaglio), tutto.size());
    const std::string contenuto = tutto.substr(0, diviso), scale = tutto.substr(diviso);
    return "<g class=\"corsia\" id=\"corsia-" + std::string(c.id) + "\" transform=\"translate(0," + num(y) +
           ")\"><rect class=\"fondo" + (i % 2 ? " pari" : "") + "\" x=\"" + num(margine_sinistro) +
           "\" y=\"0\" width=\"" + num(area) + "\" height=\"" + num(c.altezza) +
           "\"/><text class=\"nome-corsia\" x=\"8\" y=\"" + num(c.altezza / 2 + 4) + "\">" + esc(c.nome) +
           "</text><g class=\"contenuto\" clip-path=\"url(#ritaglio-" + c.id + ")\">" + contenuto + "</g>" + scale +
           "</g>\n";
}

std::string contenuto(const ScenarioCaricato& s, const Vista& v, std::string_view id, double h) {
    const VistaCelle vc{s.celle, s.voci ? &*s.voci : nullptr};
    if (id == "altimetria") return altimetria(s, v, h);
    if (id == "velocita") return velocita(s, v, h);
    if (id == "segnali") return segnali(s, vc, v, h);
    if (id == "cartelli") return cartelli(s, vc, v, h);
    if (id == "rallentamenti") return rallentamenti(s, vc, v, h);
    if (id == "stazioni") return stazioni(s, vc, v, h);
    if (id == "abbattimenti") return abbattimenti(s, vc, v, h);
    if (id == "montagna") return montagna(s, vc, v, h);
    return aderenza(s, v, h);
}

}  // namespace

Vista vista_massima(const ScenarioCaricato& s) {
    return {static_cast<double>(metro_cella(0)) - 1000, static_cast<double>(metro_cella(s.celle.size() - 1)) + 25};
}

Vista vista_intera(const ScenarioCaricato& s) {
    const Vista m = vista_massima(s);
    const double lunghezza = s.voci && griglia_per((*s.voci)[slot::treno].numero2)
                                 ? (*s.voci)[slot::treno].numero2
                                 : m.a - margine_griglia;
    return {std::max(m.da, -400.0), std::min(m.a, lunghezza + 1500)};
}

std::string disegna_profilo(const ScenarioCaricato& s, const Vista& v, double y0, double& altezza) {
    std::string ritagli, out;
    double y = 0;
    std::size_t i = 0;
    for (const Corsia& c : corsie) {
        ritagli += "<clipPath id=\"ritaglio-" + std::string(c.id) + "\"><rect x=\"" + num(margine_sinistro) +
                   "\" y=\"-2\" width=\"" + num(area) + "\" height=\"" + num(c.altezza + 4) + "\"/></clipPath>";
        out += corsia(c, y, i++, contenuto(s, v, c.id, c.altezza));
        y += c.altezza;
    }
    altezza = y + altezza_asse;
    return "<defs>" + ritagli + "</defs>\n<g id=\"profilo\" transform=\"translate(0," + num(y0) + ")\">" +
           asse(v, y) + out + "<line id=\"cursore-profilo\" class=\"cursore nascosta\" x1=\"0\" x2=\"0\" y1=\"0\" y2=\"" +
           num(y) + "\"/></g>\n";
}

}  // namespace scenario::disegno
