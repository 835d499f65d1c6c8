// Options and Italian help of the viewing commands; the work is in comando_dump and comando_plot.
#include "tool/comandi_vista.h"

#include <memory>

#include "tool/comando_dump.h"
#include "tool/comando_plot.h"
#include "tool/opzione_percorso.h"

namespace scenario {
namespace {

constexpr const char* spiegazione_dump = R"(Legge uno dei tre file compilati, riconosciuto dal nome:
  PERCORSO_TRENO.dat   file delle celle: una riga per ogni cella che contiene
                       qualcosa (oggetto, valori e loro significato, velocità,
                       pendenza, aderenza, ripetitore, montagna);
  PERCORSO_TRENO.sim   tabella dello scenario: gli 87 record con i campi per nome;
  PERCORSO_linea.dat   geometria della linea: x, y per metro.
Ne controlla la struttura; se accanto c'è la tabella, confronta anche la
lunghezza del file con quella del percorso e il codice di gara.
--from e --to scelgono i metri (per la tabella: le stazioni).

Esempi:
  scenario dump Vordano_Seli_4936.dat --from 40000 --to 45000
  scenario dump Vordano_Seli_4936.sim --json
  scenario dump Vordano_Seli_linea.dat --every 1000

Stato di uscita: 0 file valido; 1 file non valido (il messaggio nomina il
primo controllo fallito e il byte); 2 riga di comando errata; 4 file illeggibile.)";

constexpr const char* spiegazione_plot = R"(Disegna lo scenario compilato in una pagina HTML autonoma (SVG, stile e
script in linea: non scarica nulla) da aprire in un browser:
  - la pianta della linea dalla geometria, con le tacche dei km e i nomi delle
    stazioni;
  - sotto, su un solo asse delle distanze: l'altimetria dalle pendenze delle
    celle, la velocità massima a gradini, i segnali, i cartelli indicatori e
    di testo, i rallentamenti con i loro avvisi, le stazioni con i marciapiedi,
    gli abbattimenti, le montagne e l'aderenza.
Ogni segno mostra i suoi valori al passaggio del puntatore. La rotella
ingrandisce, il trascinamento sposta, "tutta la linea" torna all'inizio;
puntare un metro nella pianta lo segna nel profilo e viceversa. L'indirizzo
pagina.html#da=37000&a=39500&m=37800 apre la pagina su quel tratto, con il
metro 37800 segnato.
DIR è una cartella con un solo file delle celle (PERCORSO_TRENO.dat, con la
sua .sim e PERCORSO_linea.dat accanto); oppure si indicano i file.
--svg scrive il solo disegno SVG, statico.

Esempi:
  scenario plot build/bin -o linea.html
  scenario plot Vordano_Seli_4936.dat Vordano_Seli_4936.sim Vordano_Seli_linea.dat -o linea.svg --svg

Stato di uscita: 0 pagina scritta; 1 un file non è valido; 2 riga di comando
errata; 4 un file non si può leggere o scrivere.)";

}  // namespace

void aggiungi_dump(CLI::App& app, int& stato) {
    auto o = std::make_shared<OpzioniDump>();
    auto* sub = app.add_subcommand("dump", "Mostra in chiaro un file compilato (celle, tabella o geometria).");
    sub->footer(spiegazione_dump);
    aggiungi_percorso(sub, "FILE", o->file, "File compilato: .dat, .sim o _linea.dat")->required();
    sub->add_flag("--json", o->json, "Un solo documento JSON, con le chiavi descritte nel README");
    sub->add_option("--from", o->da, "Primo metro da mostrare");
    sub->add_option("--to", o->a, "Ultimo metro da mostrare");
    sub->add_option("--every", o->ogni, "Solo un metro ogni N (geometria)");
    sub->callback([o, &stato] { stato = esegui_dump(*o); });
}

void aggiungi_plot(CLI::App& app, int& stato) {
    auto o = std::make_shared<OpzioniPlot>();
    auto* sub = app.add_subcommand("plot", "Disegna la linea in una pagina da esplorare nel browser.");
    sub->footer(spiegazione_plot);
    aggiungi_percorsi(sub, "DIR|FILE", o->ingressi, "Cartella dello scenario compilato, o i suoi file")->required();
    aggiungi_percorso(sub, "-o,--output", o->uscita, "Pagina da scrivere (.html), o il disegno con --svg")->required();
    sub->add_flag("--svg", o->svg, "Scrivi il solo disegno SVG, senza script");
    sub->callback([o, &stato] { stato = esegui_plot(*o); });
}

}  // namespace scenario
