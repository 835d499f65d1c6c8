// Loads the scenario, draws it and writes the result as a new file renamed
// over the old one, after every input has been checked.
#include "tool/comando_plot.h"

#include <iostream>
#include <system_error>

#include "app/stato_uscita.h"
#include "platform/archivio_disco.h"
#include "platform/percorso_utf8.h"
#include "tool/disegno_linea.h"
#include "tool/file_compilati.h"
#include "tool/pagina_html.h"
#include "tool/scenario_caricato.h"

namespace scenario {

int esegui_plot(const OpzioniPlot& o) {
    std::string nota;
    try {
        const ScenarioCaricato s = carica_scenario(o.ingressi, nota);
        std::cerr << nota;
        const DisegnoLinea d = disegna_linea(s);
        const std::filesystem::path cartella = o.uscita.parent_path().empty() ? "." : o.uscita.parent_path();
        ArchivioDisco(cartella).scrivi(utf8_del_nome(o.uscita), o.svg ? d.svg : pagina_html(s.nome, d));
        std::cout << utf8_di_percorso(o.uscita) << '\n';
        return uscita::successo;
    } catch (const FileInutilizzabile& e) {
        std::cerr << nota << "scenario plot: " << e.messaggio << '\n';
        return e.stato;
    }
}

}  // namespace scenario
