// The route pass on the candidate, again and again, until every point it
// makes is one the file holds.
#include "compiler/decompila_percorso.h"

#include <algorithm>
#include <optional>
#include <set>

#include "compiler/modello.h"
#include "compiler/percorso.h"
#include "compiler/posa.h"

namespace scenario::decompila {
namespace {

constexpr int tentativi = 8;  // candidate rows tried for one stray point

bool punto_180(const Cella& c) { return c.tipo == TipoCella::abbattimento && c.valore == valore_abbattimento; }

// The candidate's cells after the pass, with the cells of `righe` holding rows of 180.
std::vector<Cella> dopo_il_percorso(const Stato& prima, const std::set<std::size_t>& righe) {
    Stato s = prima;
    for (const std::size_t k : righe) {
        if (k >= s.celle.size()) continue;
        s.celle[k].tipo = TipoCella::abbattimento;
        s.celle[k].valore = valore_abbattimento;
    }
    percorri_celle(s);
    return std::move(s.celle);
}

// The first cell where the pass's points differ from the file's, leaving
// aside the points of 180 it did not make (those become rows). Cell 1 holds
// the markers, which the pass stamps afterwards.
std::optional<std::size_t> primo_scarto(const std::vector<Cella>& dopo, const std::vector<Cella>& file,
                                        const std::set<std::size_t>& da_180) {
    for (std::size_t k = 0; k < std::min(dopo.size(), file.size()); ++k) {
        if (k == cella_marcatore) continue;
        const bool uguali = dopo[k].tipo == file[k].tipo && dopo[k].valore == file[k].valore;
        if (!uguali && !(da_180.contains(k) && libera(dopo[k]))) return k;
    }
    return std::nullopt;
}

// Points of 180 the pass made before cell x, nearest first: one of them was a row.
std::vector<std::size_t> sospetti(const std::vector<Cella>& dopo, const std::set<std::size_t>& da_180,
                                  const std::set<std::size_t>& righe, std::size_t x) {
    std::vector<std::size_t> out;
    for (auto it = da_180.lower_bound(x); it != da_180.begin() && static_cast<int>(out.size()) < tentativi;) {
        --it;
        if (!righe.contains(*it) && punto_180(dopo[*it])) out.push_back(*it);
    }
    return out;
}

}  // namespace

std::vector<std::size_t> righe_da_180(const Stato& prima, const std::vector<Cella>& file,
                                      const std::vector<std::size_t>& da_180) {
    const std::set<std::size_t> tutte(da_180.begin(), da_180.end());
    std::set<std::size_t> righe;
    std::vector<Cella> dopo = dopo_il_percorso(prima, righe);
    for (auto scarto = primo_scarto(dopo, file, tutte); scarto;) {
        bool avanti = false;
        for (const std::size_t y : sospetti(dopo, tutte, righe, *scarto)) {
            std::set<std::size_t> prova = righe;
            prova.insert(y);
            std::vector<Cella> dopo_prova = dopo_il_percorso(prima, prova);
            const auto nuovo = primo_scarto(dopo_prova, file, tutte);
            if (!nuovo || *nuovo > *scarto) {
                righe = std::move(prova);
                dopo = std::move(dopo_prova);
                scarto = nuovo;
                avanti = true;
                break;
            }
        }
        if (!avanti) break;  // no row explains it: the difference list will show it
    }
    std::vector<std::size_t> out;
    for (const std::size_t k : da_180)
        if (righe.contains(k) || k >= dopo.size() || !punto_180(dopo[k])) out.push_back(k);
    return out;
}

}  // namespace scenario::decompila
