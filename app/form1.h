// The run record and window object of the builder: it owns the route name,
// the train number and the whole compiler state for one run, and Form_Load
// performs that run in its fixed order.
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <string_view>

#include "app/righe.h"
#include "compiler/archivio.h"
#include "compiler/compilatore.h"
#include "compiler/stato.h"
#include "platform/finestra.h"
#include "platform/messaggio.h"

namespace scenario {

// How one run of the builder ended.
enum class FineCorsa {
    completata,         // every file written, no fault recorded
    guasto_registrato,  // files written as the compiler writes them, a fault recorded
    errore_fatale,      // `errore` stopped the run before the compiled files
};

class Form1 : public Stato {
public:
    // The window, the files and the messages of this run: each program hands
    // in its own (a test, ones that record what the run asked of them).
    Form1(Finestra& finestra, Archivio& archivio, Messaggi& messaggi)
        : finestra_(finestra), archivio_(archivio), messaggi_(messaggi) {}

    // The whole run. A file that cannot be written throws std::system_error
    // out of here: files completed before it stay, no later step runs.
    FineCorsa Form_Load();

    void dati_linea();
    void dati_treno();
    void dati_note();
    void dati_rallentamenti();
    void dati_scheda();

    // The fatal report: " Errore n. " and `a` in a modal box; the run ends.
    FineCorsa errore(std::string_view a);

private:
    FineCorsa concludi(Esito esito);
    void scrivi_righe(std::span<const std::string_view> righe, const std::string& nome);

    Finestra& finestra_;
    Archivio& archivio_;
    Messaggi& messaggi_;
};

}  // namespace scenario
