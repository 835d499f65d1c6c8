// The checks between a table and the cell file or geometry beside it.
#include "compiler/decodifica_insieme.h"

#include <algorithm>

#include "compiler/codifica.h"
#include "compiler/decodifica_tabella.h"
#include "compiler/interi.h"

namespace scenario {
namespace {

std::string percorso_di(const Voci& voci) {
    return "la tabella dà un percorso di " + std::to_string(voci[slot::treno].numero2) + " m";
}

}  // namespace

std::optional<Difetto> verifica_celle_con_tabella(const std::vector<Cella>& celle, const Voci& voci) {
    // A refused route length did not size the grid: nothing to compare with.
    if (const auto g = griglia_per(voci[slot::treno].numero2)) {
        const std::size_t attese = static_cast<std::size_t>(g->numero_celle) + 1;
        if (celle.size() != attese) {
            return Difetto{Controllo::insieme_celle, byte_record_cella * std::min(attese, celle.size()),
                           percorso_di(voci) + ", cioè " + std::to_string(attese) + " celle; il file ne ha " +
                               std::to_string(celle.size())};
        }
    }
    const std::int32_t codice = codice_gara_og_di(voci);
    if (celle.size() > cella_marcatore && celle[cella_marcatore].valore2 != basso16(codice)) {
        return Difetto{Controllo::insieme_codice_gara, cella_marcatore * byte_record_cella + 3,
                       "la cella 1 porta " + std::to_string(celle[cella_marcatore].valore2) +
                           ", ma percorso e treno della tabella danno " + std::to_string(codice)};
    }
    return std::nullopt;
}

std::optional<Difetto> verifica_tracciato_con_tabella(const Tracciato& t, const Voci& voci) {
    const auto g = griglia_per(voci[slot::treno].numero2);
    if (!g) return std::nullopt;
    const std::size_t attesi = 2 * (static_cast<std::size_t>(g->lunghezza_estesa) + 1);
    if (t.elementi.size() == attesi) return std::nullopt;
    std::uint64_t posizione = 0;
    for (std::size_t k = 0; k < std::min(attesi, t.elementi.size()); ++k) posizione += byte_elemento(t.elementi[k]);
    return Difetto{Controllo::insieme_tracciato, posizione,
                   percorso_di(voci) + ", cioè " + std::to_string(attesi / 2) + " metri; il file ne ha " +
                       std::to_string(t.elementi.size() / 2)};
}

}  // namespace scenario
