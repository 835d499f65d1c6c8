// Samples the plan every 50 m, turns it so that its chord is horizontal and
// fits it into its panel; handedness is kept, so a left curve turns left.
#include "tool/disegno_pianta.h"

#include <algorithm>
#include <cmath>

#include "tool/significato_celle.h"
#include "tool/significato_tabella.h"

namespace scenario::disegno {
namespace {

constexpr std::int64_t passo_campioni = 50;

struct Punto {
    std::int64_t metro;
    double x, y;  // page units
};

bool assegnato(const Elemento& e) { return e.tag != Elemento::Tag::vuoto; }
double valore(const Elemento& e) { return e.tag == Elemento::Tag::intero ? e.intero : e.doppio; }

std::vector<Punto> campioni(const Tracciato& t, double fino) {
    const std::int64_t metri = std::int64_t{t.lunghezza_estesa} + 1;
    std::vector<Punto> p;
    for (std::int64_t m = 0; m < metri && m <= fino; m += passo_campioni) {
        const Elemento& x = t.elementi[static_cast<std::size_t>(m)];
        const Elemento& y = t.elementi[static_cast<std::size_t>(m + metri)];
        if (assegnato(x) && assegnato(y)) p.push_back({m, valore(x), valore(y)});
    }
    return p;
}

// Turned about the first point so that the last lies to its right, then
// scaled into the panel with the y axis pointing up as on a map.
void adatta(std::vector<Punto>& p, double y0, double altezza) {
    const double angolo = std::atan2(p.back().y - p.front().y, p.back().x - p.front().x);
    const double c = std::cos(-angolo), s = std::sin(-angolo);
    double minx = 1e300, maxx = -1e300, miny = 1e300, maxy = -1e300;
    for (Punto& q : p) {
        const double x = q.x - p.front().x, y = q.y - p.front().y;
        q.x = x * c - y * s;
        q.y = x * s + y * c;
        minx = std::min(minx, q.x), maxx = std::max(maxx, q.x), miny = std::min(miny, q.y), maxy = std::max(maxy, q.y);
    }
    const double alto = altezza - 70;
    const double scala = std::min(area / std::max(maxx - minx, 1.0), alto / std::max(maxy - miny, 1.0));
    const double cx = margine_sinistro + (area - (maxx - minx) * scala) / 2, cy = y0 + 35 + (alto + (maxy - miny) * scala) / 2;
    for (Punto& q : p) {
        q.x = cx + (q.x - minx) * scala;
        q.y = cy - (q.y - miny) * scala;
    }
}

const Punto& vicino(const std::vector<Punto>& p, double metro) {
    const auto i = std::clamp<std::int64_t>(std::llround(metro / passo_campioni), 0,
                                            static_cast<std::int64_t>(p.size()) - 1);
    return p[static_cast<std::size_t>(i)];
}

// The unit normal of the line at a sample, to the right of the direction of travel.
std::pair<double, double> normale(const std::vector<Punto>& p, const Punto& q) {
    const std::size_t i = static_cast<std::size_t>(&q - p.data());
    const Punto& a = p[i == 0 ? 0 : i - 1];
    const Punto& b = p[std::min(i + 1, p.size() - 1)];
    const double dx = b.x - a.x, dy = b.y - a.y, l = std::max(std::hypot(dx, dy), 1e-9);
    return {-dy / l, dx / l};
}

std::string linea(const std::vector<Punto>& p, const char* id_classe) {
    std::string punti;
    for (const Punto& q : p) punti += num(q.x) + "," + num(q.y) + " ";
    return "<polyline " + std::string(id_classe) + " points=\"" + punti + "\"/>\n";
}

std::string tacche_km(const std::vector<Punto>& p) {
    const double px_km = (std::hypot(p.back().x - p.front().x, p.back().y - p.front().y) + 1) /
                         std::max(1.0, static_cast<double>(p.back().metro) / 1000);
    std::int64_t ogni = 1;
    for (std::int64_t n : {1, 2, 5, 10, 20, 50})
        if ((ogni = n) * px_km >= 70) break;
    std::string out;
    for (std::int64_t k = 0; k * 1000 <= p.back().metro; ++k) {
        const Punto& q = vicino(p, static_cast<double>(k * 1000));
        const auto [nx, ny] = normale(p, q);
        const double l = k % ogni == 0 ? 7 : 3.5;
        out += "<line class=\"tacca\" x1=\"" + num(q.x - nx * l) + "\" y1=\"" + num(q.y - ny * l) + "\" x2=\"" +
               num(q.x + nx * l) + "\" y2=\"" + num(q.y + ny * l) + "\"/>";
        if (k % ogni == 0) {
            out += "<text class=\"km-pianta\" x=\"" + num(q.x + nx * 17) + "\" y=\"" + num(q.y + ny * 17 + 4) + "\">" +
                   std::to_string(k) + "</text>";
        }
    }
    return out + "\n";
}

struct Scatola {
    double x0, y0, x1, y1;
};
bool sovrapposte(const Scatola& a, const Scatola& b) {
    return a.x0 < b.x1 && b.x0 < a.x1 && a.y0 < b.y1 && b.y0 < a.y1;
}

// Station dots with their names above the line, the names thinned in two dimensions.
std::string stazioni(const ScenarioCaricato& s, const std::vector<Punto>& p) {
    if (!s.voci) return {};
    struct Nome {
        std::size_t slot;
        int priorita;
        const Punto* q;
    };
    std::vector<Nome> nomi;
    for (std::size_t n = 1; n < slot::progressiva_tre; ++n) {
        if (uso_voce(*s.voci, n) != UsoVoce::stazione) continue;
        const Voce& v = (*s.voci)[n];
        nomi.push_back({n, rilievo_stazione(*s.voci, n), &vicino(p, v.numero3)});
    }
    std::ranges::stable_sort(nomi, [](const Nome& a, const Nome& b) { return a.priorita > b.priorita; });
    std::vector<Scatola> prese;
    std::string punti, testi;
    for (const Nome& n : nomi) {
        const Voce& v = (*s.voci)[n.slot];
        const auto [nx, ny] = normale(p, *n.q);
        const std::string nome = testo_slot(&*s.voci, static_cast<std::int64_t>(n.slot)).value_or("");
        punti += "<circle class=\"punto-pianta\" data-slot=\"" + std::to_string(n.slot) + "\" data-m=\"" +
                 std::to_string(v.numero3) + "\" cx=\"" + num(n.q->x) + "\" cy=\"" + num(n.q->y) + "\" r=\"" +
                 (n.priorita > 1 ? "4" : "2.5") + "\"><title>" + esc(descrivi_voce(*s.voci, n.slot)) + "</title></circle>";
        const double w = larghezza_testo(nome.size()), lx = n.q->x - nx * 14, ly = n.q->y - ny * 14;
        const Scatola b{lx - w / 2 - 3, ly - 12, lx + w / 2 + 3, ly + 3};
        if (std::ranges::any_of(prese, [&](const Scatola& a) { return sovrapposte(a, b); })) continue;
        prese.push_back(b);
        testi += "<text class=\"nome-pianta" + std::string(n.priorita >= 3 ? " fermata" : "") + "\" x=\"" + num(lx) +
                 "\" y=\"" + num(ly) + "\">" + esc(nome) + "</text>";
    }
    return punti + "\n" + testi + "\n";
}

}  // namespace

Pianta disegna_pianta(const ScenarioCaricato& s, const Vista& intera, double y0, double altezza) {
    Pianta pianta;
    std::vector<Punto> p = s.tracciato ? campioni(*s.tracciato, intera.a) : std::vector<Punto>{};
    std::string svg = "<g id=\"pianta\"><rect class=\"fondo-pianta\" x=\"" + num(margine_sinistro) + "\" y=\"" +
                      num(y0) + "\" width=\"" + num(area) + "\" height=\"" + num(altezza) +
                      "\"/><text class=\"nome-corsia\" x=\"8\" y=\"" + num(y0 + 16) + "\">Pianta</text>";
    if (p.size() < 2) {
        pianta.svg = svg + "<text class=\"vuoto\" x=\"" + num(margine_sinistro + 10) + "\" y=\"" + num(y0 + 30) +
                     "\">geometria assente: nessuna pianta</text></g>\n";
        pianta.campioni_json = "[]";
        return pianta;
    }
    adatta(p, y0, altezza);
    svg += "<text class=\"nota-pianta\" x=\"" + num(margine_sinistro + 6) + "\" y=\"" + num(y0 + altezza - 8) +
           "\">ruotata: l'inizio della linea a sinistra, la fine a destra; tacche ogni km</text>\n";
    svg += linea(p, "class=\"linea-pianta\"") + linea(p, "id=\"tratto-visibile\" class=\"tratto-visibile nascosta\"");
    svg += tacche_km(p) + stazioni(s, p);
    svg += "<circle id=\"cursore-pianta\" class=\"cursore nascosta\" r=\"6\" cx=\"0\" cy=\"0\"/></g>\n";
    pianta.svg = std::move(svg);
    pianta.campioni_json = "[";
    for (const Punto& q : p) {
        pianta.campioni_json += (&q == p.data() ? "[" : ",[") + std::to_string(q.metro) + "," + num(q.x) + "," +
                                num(q.y) + "]";
    }
    pianta.campioni_json += "]";
    return pianta;
}

}  // namespace scenario::disegno
