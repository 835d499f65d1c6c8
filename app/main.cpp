// crea_scenario: one run of the builder in the program's own folder.
#include <exception>
#include <string>
#include <system_error>
#include <vector>

#include "app/form1.h"
#include "app/riga_comando.h"
#include "app/stato_uscita.h"
#include "platform/archivio_disco.h"
#include "platform/argomenti.h"
#include "platform/blocco_cartella.h"
#include "platform/cartella_programma.h"
#include "platform/console_padre.h"
#include "platform/console_utf8.h"
#include "platform/descrizione_guasto.h"
#include "platform/schermo.h"

namespace {

int corsa() {
    using namespace scenario;
    const auto messaggi = crea_messaggi();
    try {
        const auto cartella = cartella_programma();
        // Held to the end: a second run in this folder would consume our
        // source texts, so it waits for us (and we for one already running).
        const auto blocco = blocca_per_la_corsa(cartella);
        auto finestra = crea_finestra();
        // One folder sync for the run's six changes, before its end is reported.
        ArchivioDisco archivio(cartella, operazioni_di_sistema(), SincroniaCartella::a_richiesta);
        Form1 form(*finestra, archivio, *messaggi);
        return stato_uscita(form.Form_Load());
    } catch (const std::system_error& e) {
        // Nothing in the run traps these: report them as the platform would,
        // with the file's full path and the system's own number and words.
        const DescrizioneGuasto d = descrivi_guasto(e);
        messaggi->segnala_guasto(d.numero, parole_guasto(d));
        return uscita::guasto_file;
    } catch (const std::exception& e) {
        messaggi->segnala_guasto(0, e.what());
        return uscita::guasto_file;
    }
}

}  // namespace

int main(int argc, char** argv) {
    // Arguments are answered before any window or file: the run has none.
    if (argc > 1) {
        scenario::usa_console_del_padre();
        const scenario::ConsoleUtf8 console;
        const std::vector<std::string> argomenti = scenario::argomenti_utf8(argc, argv);
        const auto dopo_il_nome = argomenti.begin() + (argomenti.empty() ? 0 : 1);
        if (const auto stato = scenario::rispondi_agli_argomenti({dopo_il_nome, argomenti.end()})) return *stato;
    }
    return corsa();
}
