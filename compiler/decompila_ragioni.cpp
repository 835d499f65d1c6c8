// What no row of either text writes: table fields outside the ones the
// readers fill, and cell types the model does not know.
#include <set>

#include "compiler/decodifica_celle.h"
#include "compiler/decompila_campi.h"
#include "compiler/decompila_oggetti.h"

namespace scenario::decompila {
namespace {

// The fields each header slot takes from the texts (and the route pass's marks).
std::set<std::string> scritti_nel_posto(std::size_t posto) {
    switch (posto) {
        case slot::progressiva_tre:
        case slot::progressiva_due:
        case slot::progressiva_uno:
        case slot::treno: return {"numero1", "numero2", "numero3"};
        case slot::percorso: return {"numero1", "numero2", "numero3", "stringa", "breve1", "numero4"};
        case slot::corsa: return {"numero1", "numero2", "numero3", "stringa", "breve1", "breve3", "breve4", "breve5"};
        default: return {};
    }
}

bool nullo(const std::string& valore) { return valore == "0" || valore == "\"\""; }

void campi_non_scritti(const Voce& v, std::size_t posto, const std::set<std::string>& scritti, const std::string& perche,
                       Ragioni& r) {
    for (const auto& [nome, valore] : campi_voce(v)) {
        if (!nullo(valore) && !scritti.contains(nome))
            r[{FileScenario::tabella, static_cast<std::int64_t>(posto), nome}] = perche;
    }
}

}  // namespace

void ragioni_senza_riga(const Celle& celle, const Voci& voci, Ragioni& r) {
    const Posti p = posti(celle, voci);
    for (std::size_t posto = 0; posto < slot::numero_voci; ++posto) {
        if (posto >= slot::primo_posto && posto <= p.stazioni) continue;  // a station row writes every field
        if (posto >= p.primo_cartello && posto <= slot::ultimo_posto) {
            campi_non_scritti(voci[posto], posto, {"stringa"}, "un cartello scrive solo il testo del suo posto", r);
        } else if (posto > slot::ultimo_posto) {
            campi_non_scritti(voci[posto], posto, scritti_nel_posto(posto), "nessuna riga dei testi scrive questo campo",
                              r);
        } else {
            campi_non_scritti(voci[posto], posto, {}, "nessuna riga scrive questo posto, fuori da stazioni e cartelli", r);
        }
    }
    for (std::size_t k = 0; k < celle.size(); ++k) {
        const auto tipo = static_cast<std::uint8_t>(celle[k].tipo);
        if (!tipo_cella_noto(tipo))
            r[{FileScenario::celle, static_cast<std::int64_t>(k), "tipo"}] =
                "il tipo " + std::to_string(tipo) + " non esiste: nessuna riga lo scrive";
    }
}

}  // namespace scenario::decompila
