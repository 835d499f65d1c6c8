// The fault numbers of the compiler and the words that explain them to a
// person: the report of a recorded fault and the text of a fatal one.
#pragma once

#include <span>
#include <string>
#include <string_view>

#include "compiler/modello.h"

namespace scenario {

// One row of the fault table.
struct SchedaGuasto {
    Guasto guasto;
    bool ha_posizione;             // posizione_errore holds the metre concerned
    std::string_view significato;  // plain Italian, UTF-8
};

// Every fault the compiler records, in ascending order of number.
std::span<const SchedaGuasto> tabella_guasti();

// The row of a fault.
const SchedaGuasto& scheda(Guasto g);

// The row of a recorded number, or nullptr for a number the compiler never records.
const SchedaGuasto* trova_guasto(int codice);

// " Errore n. 16 al metro 850: segnale su una cella gia' occupata". The metre
// appears only for faults that have one; an unknown number gets no words.
std::string rapporto_guasto(int codice, int posizione);

// The fatal message: " Errore n. " immediately followed by `a`.
std::string testo_errore(std::string_view a);

}  // namespace scenario
