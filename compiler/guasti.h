// The fault numbers of the compiler and the words that explain them to a
// person (diagnostica.h builds the report from them), and the fixed text of
// a fatal error.
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

// The fatal message: " Errore n. " immediately followed by `a`.
std::string testo_errore(std::string_view a);

}  // namespace scenario
