// Options and Italian help of the viewing commands; the work is in comando_dump and comando_plot.
#include "tool/comandi_vista.h"

#include <memory>

#include "tool/comando_dump.h"

namespace scenario {
namespace {

constexpr const char* spiegazione_dump = R"(Legge uno dei tre file compilati, riconosciuto dal nome:
  PERCORSO_TRENO.dat   file delle celle: una riga per ogni cella che contiene
                       qualcosa (oggetto, valori e loro significato, velocita',
                       pendenza, aderenza, ripetitore, montagna);
  PERCORSO_TRENO.sim   tabella dello scenario: gli 87 record con i campi per nome;
  PERCORSO_linea.dat   geometria della linea: x, y per metro.
Ne controlla la struttura; se accanto c'e' la tabella, confronta anche la
lunghezza del file con quella del percorso e il codice di gara.
--from e --to scelgono i metri (per la tabella: le stazioni).

Esempi:
  scenario dump Vordano_Seli_4936.dat --from 40000 --to 45000
  scenario dump Vordano_Seli_4936.sim --json
  scenario dump Vordano_Seli_linea.dat --every 1000

Stato di uscita: 0 file valido; 1 file non valido (il messaggio nomina il
primo controllo fallito e il byte); 2 riga di comando errata; 4 file illeggibile.)";

}  // namespace

void aggiungi_dump(CLI::App& app, int& stato) {
    auto o = std::make_shared<OpzioniDump>();
    auto* sub = app.add_subcommand("dump", "Mostra in chiaro un file compilato (celle, tabella o geometria).");
    sub->footer(spiegazione_dump);
    sub->add_option("FILE", o->file, "File compilato: .dat, .sim o _linea.dat")->required();
    sub->add_flag("--json", o->json, "Un solo documento JSON, con le chiavi descritte nel README");
    sub->add_option("--from", o->da, "Primo metro da mostrare");
    sub->add_option("--to", o->a, "Ultimo metro da mostrare");
    sub->add_option("--every", o->ogni, "Solo un metro ogni N (geometria)");
    sub->callback([o, &stato] { stato = esegui_dump(*o); });
}

}  // namespace scenario
namespace scenario {
void aggiungi_plot(CLI::App&, int&) {}
}
