// How a run ends, one rule for the builder and the scenario tool: the
// outcome, its exit status and the report a person reads.
#pragma once

#include <string>
#include <vector>

#include "compiler/compilatore.h"
#include "compiler/diagnostica.h"
#include "compiler/stato.h"

namespace scenario {

enum class FineCorsa {
    completata,         // files written, no fault recorded
    guasto_registrato,  // a fault in the scenario data (or, when asked, a warning): status 1
    errore_fatale,      // `errore` stopped the run before the compiled files: status 3
};

int stato_uscita(FineCorsa fine);

struct Conclusione {
    FineCorsa fine = FineCorsa::completata;
    std::vector<Diagnostica> diagnostica;  // faults first, then warnings in source order
    std::string rapporto;                  // empty when there is nothing to say
    std::string rapporto_finestra;         // the same for a window's box: fields marked, no caret
};

// A run whose compile ended with `esito`. A compile that made no cell grid
// wrote nothing and is never a success. With `avvisi_come_errori` a warning
// ends the run as a recorded fault does. The fatal error's fixed text
// (" Errore n. 1250") opens the report, as it is.
Conclusione concludi(const Stato& s, Esito esito, const NomiTesti& nomi, bool avvisi_come_errori = false);

}  // namespace scenario
