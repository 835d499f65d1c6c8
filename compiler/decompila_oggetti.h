// The rows of both texts read back from the cells and the scenario table,
// by the model's names. What the compile adds by itself (stop points and
// approach marks of stations, repeater marks, warning boards and approach
// marks of slowdowns, the markers of cell 1 and the competition codes) is
// not turned into rows: compiling the rows makes it again.
#pragma once

#include <cstddef>
#include <vector>

#include "compiler/decodifica.h"
#include "compiler/decompila_differenze.h"
#include "compiler/sorgente_righe.h"

namespace scenario::decompila {

using namespace sorgente;  // the rows it recovers

using Celle = std::vector<Cella>;

// How the table's slots 1 .. 80 are shared: stations from slot 1 up, board
// texts from the lowest slot a text board cell names up to 80.
struct Posti {
    std::size_t stazioni = 0;
    std::size_t primo_cartello = slot::ultimo_posto + 1;
};
Posti posti(const Celle& celle, const Voci& voci);

// The general lines of the line text, its mountain sections, speed boards
// and text boards.
void recupera_linea(const Celle& celle, const Voci& voci, Linea& l, Ragioni& r);

// The mountain sections alone (part of recupera_linea).
void recupera_montagne(const Celle& celle, Linea& l, Ragioni& r);

// The train text but its "abbattimento" rows: general lines, stations,
// slowdowns and signals.
void recupera_treno(const Celle& celle, const Voci& voci, Treno& t, Ragioni& r);

// The "abbattimento" points of the cells: those that only a row of the
// train text makes (without a value, or with a value other than the route
// pass's 180), and the cells holding a point of 180, which either could have made.
struct Abbattimenti {
    std::vector<Abbattimento> righe;
    std::vector<std::size_t> da_180;
};
Abbattimenti abbattimenti_delle_celle(const Celle& celle);

// Fields of the table that no row writes, and cell types the model does not know.
void ragioni_senza_riga(const Celle& celle, const Voci& voci, Ragioni& r);

// Whether a row can put a point object (a board, a signal, a slowdown start)
// on cell k: not on cell 0 (before metre 0), not on cell 1 (the file
// marker), not on the last (beyond the readers' grid test). Records the
// reason for a cell it refuses.
bool oggetto_possibile(const Celle& celle, std::size_t k, Ragioni& r);

// The cell of a point object at metre p, and back: metre 50 (c - 1) is cell c.
inline std::int32_t metro_della_cella(std::size_t c) {
    return static_cast<std::int32_t>((static_cast<std::int64_t>(c) - 1) * 50);
}

}  // namespace scenario::decompila
