// Faults and warnings for a scenario author, the way a compiler gives them:
// FILE:LINE:COL, the meaning, the source line with a caret under the field,
// and what to do about it. Built after the compile from what the readers
// noted (Stato::tracce); building it changes nothing of the compile.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "compiler/compilatore.h"
#include "compiler/stato.h"

namespace scenario {

struct Diagnostica {
    enum class Livello { errore, avviso };

    Livello livello = Livello::errore;
    std::string file;                        // the text it concerns, as the report names it; empty: none
    int riga = 0;                            // 1-based; 0: the whole file
    int colonna = 0;                         // 1-based byte column; 0: none
    std::optional<std::int32_t> codice;      // the fault number, for a recorded or fatal fault
    std::optional<std::int32_t> metro;       // the metre recorded with the fault
    std::string messaggio;                   // UTF-8, like everything here
    std::optional<std::string> suggerimento; // what helps the author act
    std::string sorgente;                    // the source line; empty: none is shown
    std::string cursore;                     // blanks (tabs kept) and "^" under the field
    std::string evidenziata;                 // the source line with the field between ">>" and "<<"
};

// A caret lines up only in a fixed-width font: a terminal's. A window's box
// shows the field marked in its line instead.
enum class Resa { terminale, finestra };

// How the report names the two source texts (the paths the user gave).
struct NomiTesti {
    std::string linea;
    std::string treno;
};

// Every fault of the compile, then every warning in source order (line text
// first). `esito` is what memorizza_percorso returned.
std::vector<Diagnostica> diagnostica(const Stato& s, Esito esito, const NomiTesti& nomi);

// Only the warnings (also part of diagnostica()).
std::vector<Diagnostica> avvisi(const Stato& s, const NomiTesti& nomi);

bool ha_errori(const std::vector<Diagnostica>& d);
bool ha_avvisi(const std::vector<Diagnostica>& d);

// One diagnostic for a person: the FILE:LINE:COL line, then the source line,
// the caret (or, in a window, the marked line) and the suggestion, each on
// its own line, without a final line end.
std::string testo_diagnostica(const Diagnostica& d, Resa resa = Resa::terminale);

}  // namespace scenario
