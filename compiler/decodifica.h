// Reading the three compiled files back into the compiler's own types. Each
// decoder checks the layout as it reads, like a careful binary loader, and
// reports the first check that fails: which one, and at which byte.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "compiler/modello.h"
#include "compiler/stato.h"

namespace scenario {

// Every check a decoder makes, in the order each file meets them.
enum class Controllo {
    // cell file
    celle_record_interi,   // the size is a whole number of 15-byte records
    celle_griglia_minima,  // at least the cells of a route of 0 m
    celle_tipo,            // every cell holds a known object type
    celle_marcatore,       // cell 1 carries the marker 5121
    // scenario table
    tabella_record_interi,  // no record is cut short
    tabella_testo,          // every text lies inside the file
    tabella_numero_record,  // exactly 87 records, nothing after them
    tabella_marcatore,      // slot 85 carries the marker 610
    tabella_codice_gara,    // slot 85's weighted code is that of the route and train names
    // line geometry
    tracciato_tag,             // every element's tag is 0, 2 or 5
    tracciato_valore,          // every element's value lies inside the file
    tracciato_valore_finito,   // every double is a finite number
    tracciato_coppie,          // two coordinates for every metre
    tracciato_griglia_minima,  // at least the metres of a route of 0 m
    tracciato_punti_fissi,     // metres 0 and 1 are (0, 0) and (0, 1), or nothing is assigned
    // files that sit together
    insieme_celle,        // the cells are as many as the table's route length makes
    insieme_tracciato,    // the metres are as many as the table's route length makes
    insieme_codice_gara,  // cell 1's plain code is that of the table's names
};

// The check's short Italian name, as messages and the README show it.
std::string_view nome_controllo(Controllo c);

// Whether a failed check leaves the file unreadable record by record (a
// size, a cut, a tag). The decoders report these before any check of meaning
// (a cell type, a marker, a code, a finite number, the fixed points), after
// which every value of the file has been read all the same.
bool di_struttura(Controllo c);

// The first check a file's bytes fail, where, and what was found there.
struct Difetto {
    Controllo controllo;
    std::uint64_t posizione;  // byte offset in the file
    std::string dettaglio;    // Italian, e.g. "la cella 7 ha il tipo 9, che non esiste"
};

// controllo "tipo di cella" non superato al byte 105: la cella 7 ...
std::string messaggio_difetto(const Difetto& d);

template <typename T>
struct Decodificato {
    T dati{};  // empty after a check of structure; every value after one of meaning
    std::optional<Difetto> difetto;  // set: the file does not hold a valid layout
    bool valido() const { return !difetto.has_value(); }
    // Every value read, even if a check of meaning failed: a damaged file
    // that can still be looked at field by field.
    bool leggibile() const { return !difetto || !di_struttura(difetto->controllo); }
};

using Voci = std::array<Voce, slot::numero_voci>;

// The line geometry as decoded: its elements in file order (coordinate 0 of
// every metre, then coordinate 1) and the last metre they describe.
struct Tracciato {
    std::vector<Elemento> elementi;
    std::int32_t lunghezza_estesa = 0;
};

// The grid a route of `lunghezza` metres gets: nothing when the compiler would
// have refused that length, so that the grid came from somewhere else.
struct Griglia {
    std::int32_t lunghezza_estesa;
    std::int32_t numero_celle;
};
std::optional<Griglia> griglia_per(std::int32_t lunghezza);

}  // namespace scenario
