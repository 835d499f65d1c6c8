// Escaping, number formats and label thinning for the drawing.
#include "tool/disegno_comune.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <numeric>

namespace scenario::disegno {

std::string esc(std::string_view testo) {
    std::string out;
    out.reserve(testo.size());
    for (char c : testo) {
        switch (c) {
            case '&': out += "&amp;"; break;
            case '<': out += "&lt;"; break;
            case '>': out += "&gt;"; break;
            case '"': out += "&quot;"; break;
            default:
                // Control characters are not allowed in XML 1.0; a scenario text may hold them.
                if (static_cast<unsigned char>(c) < 0x20 && c != '\n' && c != '\t') out += "\xEF\xBF\xBD";
                else out += c;
        }
    }
    return out;
}

std::string num(double v) {
    char t[32];
    const double r = std::round(v * 10) / 10;
    std::snprintf(t, sizeof t, "%.1f", r == 0 ? 0.0 : r);
    std::string s = t;
    if (s.ends_with(".0")) s.resize(s.size() - 2);
    return s;
}

std::string km(std::int64_t metro) {
    const std::int64_t assoluto = metro < 0 ? -metro : metro;
    char t[48];
    std::snprintf(t, sizeof t, "km %s%lld,%03lld", metro < 0 ? "-" : "", static_cast<long long>(assoluto / 1000),
                  static_cast<long long>(assoluto % 1000));
    return t;
}

void dirada(std::vector<Etichetta>& etichette, double spazio) {
    std::vector<std::size_t> ordine(etichette.size());
    std::iota(ordine.begin(), ordine.end(), 0);
    std::ranges::stable_sort(ordine, [&](std::size_t a, std::size_t b) {
        if (etichette[a].priorita != etichette[b].priorita) return etichette[a].priorita > etichette[b].priorita;
        return etichette[a].x < etichette[b].x;
    });
    std::vector<std::pair<double, double>> prese;
    for (std::size_t i : ordine) {
        Etichetta& e = etichette[i];
        const double da = e.x - e.larghezza / 2 - spazio, a = e.x + e.larghezza / 2 + spazio;
        e.visibile = std::ranges::none_of(prese, [&](const auto& p) { return da < p.second && p.first < a; });
        if (e.visibile) prese.emplace_back(da, a);
    }
}

}  // namespace scenario::disegno
