// The compiler's entry points: read the two source texts of a scenario back
// through an Archivio, place every record on the cell grid, complete the
// signalling and write the compiled files.
#pragma once

#include <cstdint>
#include <string>

#include "compiler/archivio.h"
#include "compiler/nomi_file.h"
#include "compiler/stato.h"

namespace scenario {

// How the route pass ended. A recorded fault is not an end of its own: it
// stays in codice_errore / posizione_errore.
enum class Esito {
    completato,   // the pass ran to its end (files written when there is a grid)
    errore_1250,  // a file-marker place was already in use: nothing written
    errore_1251,  // a competition-code place was already in use: nothing written
};

// The whole compile. nome_percorso and numero_treno must be set in s.
// j nonzero asks for the line geometry too. Writes through one
// a.scrivi_insieme, in the order geometry, table, cells, so they change
// together; a failing write throws out of here.
Esito memorizza_percorso(Stato& s, Archivio& a, std::int32_t& j);

// Both readers: the line text, then the train text. Faults stay recorded.
void memorizza_dati(Stato& s, Archivio& a);

}  // namespace scenario
