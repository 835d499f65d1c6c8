// crea_scenario: one run of the builder in the program's own folder.
#include <exception>
#include <system_error>

#include "app/form1.h"
#include "app/stato_uscita.h"
#include "platform/archivio_disco.h"
#include "platform/cartella_programma.h"
#include "platform/finestra.h"
#include "platform/messaggio.h"

int main() {
    using namespace scenario;
    try {
        auto finestra = crea_finestra();
        ArchivioDisco archivio(cartella_programma());
        Form1 form(*finestra, archivio);
        switch (form.Form_Load()) {
            case FineCorsa::completata: return uscita::successo;
            case FineCorsa::guasto_registrato: return uscita::guasto_registrato;
            case FineCorsa::errore_fatale: return uscita::errore_fatale;
        }
        return uscita::successo;
    } catch (const std::system_error& e) {
        // Nothing in the run traps these: report them as the platform would.
        segnala_guasto(e.code().value(), e.what());
        return uscita::guasto_file;
    } catch (const std::exception& e) {
        segnala_guasto(0, e.what());
        return uscita::guasto_file;
    }
}
