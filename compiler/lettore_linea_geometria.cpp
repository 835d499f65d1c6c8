// The plan geometry of the line, one point per metre: straight runs repeat
// the last step, arcs turn it by the curve's curvature. Doubles throughout,
// each operation rounded on its own, so the bytes come out the same everywhere.
#include <algorithm>
#include <optional>

#include "compiler/lettori.h"

namespace scenario {
namespace {

constexpr std::int64_t limite_geometria = lunghezza_massima;

double coordinata(const Stato& s, std::int64_t m, int k) { return s.tracciato.coordinata(m, k); }

// Never past the table's last metre, whatever a record asks for.
std::int64_t entro_tracciato(const Stato& s, std::int64_t fino) {
    return std::min<std::int64_t>(fino, s.lunghezza_estesa);
}

// The first class digit present gives the curvature; an "s" turns it the other way.
std::optional<double> curvatura(std::string_view chiave) {
    static constexpr double per_classe[] = {0.0001, 0.0002, 0.0004, 0.001, 0.002, 0.003};
    for (int classe = 0; classe < 6; ++classe) {
        if (chiave.find(static_cast<char>('1' + classe)) != std::string_view::npos) {
            const double k = per_classe[classe];
            return contiene_ic(chiave, "s") ? -k : k;
        }
    }
    return std::nullopt;
}

// Arc of curvature k on to metre `fino`; false past the geometry limit.
bool arco(Stato& s, std::int64_t fino, double k) {
    for (fino = entro_tracciato(s, fino); s.tracciato.prossimo_metro() <= fino;) {
        const std::int64_t m = s.tracciato.prossimo_metro();
        const double x = coordinata(s, m - 1, 0);
        const double y = coordinata(s, m - 1, 1);
        const double d0 = x - coordinata(s, m - 2, 0);
        const double d1 = y - coordinata(s, m - 2, 1);
        s.tracciato.aggiungi((x + d0) + (k * d1), (y + d1) - (k * d0));
        if (s.tracciato.prossimo_metro() > limite_geometria) return false;
    }
    return true;
}

}  // namespace

void punti_iniziali(Stato& s) { s.tracciato.poni_punti_fissi(); }

bool rettilineo(Stato& s, std::int64_t fino, bool con_limite) {
    for (fino = entro_tracciato(s, fino); s.tracciato.prossimo_metro() <= fino;) {
        const std::int64_t m = s.tracciato.prossimo_metro();
        const double x = coordinata(s, m - 1, 0);
        const double y = coordinata(s, m - 1, 1);
        s.tracciato.aggiungi(x + (x - coordinata(s, m - 2, 0)), y + (y - coordinata(s, m - 2, 1)));
        if (con_limite && s.tracciato.prossimo_metro() > limite_geometria) return false;
    }
    return true;
}

// A curve from metre s0 over lung metres: straight up to s0, then the arc.
Passo record_curva(LetturaLinea& l, std::string_view chiave) {
    std::int32_t s0 = 0;
    std::int32_t lung = 0;
    if (!leggi(l.campi, s0, lung)) return l.guasto_lettura();
    if (fuori_griglia(l.s, s0, margine_record)) return l.oltre_griglia(s0);
    const std::int64_t fine = std::int64_t{s0} + lung;
    if (fine > l.s.lunghezza_estesa) return l.oltre_griglia(s0, Campo{1});
    const auto k = curvatura(chiave);
    if (!k) return l.ferma(Guasto::curva_senza_classe, sulla_chiave);
    if (!l.s.tracciato.esiste()) return Passo::avanti;
    if (!rettilineo(l.s, s0, true) || !arco(l.s, fine, *k)) return l.ferma(Guasto::curva_senza_classe, Campo{1});
    return Passo::avanti;
}

}  // namespace scenario
