// The plan geometry of the line, one point per metre, as runs: straight runs
// repeat the last step, arcs turn it by the curve's curvature (the table,
// compiler/geometria.h, holds the runs and the step rules).
#include <algorithm>
#include <optional>

#include "compiler/lettori.h"

namespace scenario {
namespace {

constexpr std::int64_t limite_geometria = lunghezza_massima;

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

// The run on to metre `fino`, metre by metre; with the limit, the run stops
// at the first metre that takes the cursor past the geometry limit, and the
// answer is false.
bool prosegui(Stato& s, Tratto t, bool con_limite) {
    t.fino = entro_tracciato(s, t.fino);
    const std::int64_t da = s.tracciato.prossimo_metro();
    if (da > t.fino) return true;
    if (!con_limite) {
        s.tracciato.prosegui(t);
        return true;
    }
    // The metre after which the cursor is past the limit, or the first metre
    // when it already is.
    const std::int64_t ultimo_entro = std::max(da, limite_geometria);
    const bool oltre = t.fino >= ultimo_entro;
    t.fino = std::min(t.fino, ultimo_entro);
    s.tracciato.prosegui(t);
    return !oltre;
}

}  // namespace

void punti_iniziali(Stato& s) { s.tracciato.poni_punti_fissi(); }

bool rettilineo(Stato& s, std::int64_t fino, bool con_limite) { return prosegui(s, {fino, false, 0.0}, con_limite); }

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
    if (!rettilineo(l.s, s0, true) || !prosegui(l.s, {fine, true, *k}, true)) return l.ferma(Guasto::curva_senza_classe, Campo{1});
    return Passo::avanti;
}

}  // namespace scenario
