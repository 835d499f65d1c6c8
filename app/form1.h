// The run record and window object of the builder: it owns the route name,
// the train number and the whole compiler state for one run, and Form_Load
// performs that run in its fixed order.
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <string_view>

#include "app/fine_corsa.h"
#include "app/righe.h"
#include "compiler/archivio.h"
#include "compiler/compilatore.h"
#include "compiler/stato.h"
#include "platform/finestra.h"
#include "platform/messaggio.h"

namespace scenario {

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

private:
    // The run's end: the report, if any, in the one message box.
    FineCorsa concludi(Esito esito);
    void scrivi_righe(std::span<const std::string_view> righe, const std::string& nome);

    Finestra& finestra_;
    Archivio& archivio_;
    Messaggi& messaggi_;
};

}  // namespace scenario
