// Which points of 180 in the cells are rows of the train text and which the
// route pass made. The pass is run on the candidate's grid as the readers
// leave it, with a set of those points as rows: a point it makes needs no
// row; one it leaves out gets one (the pass never looked at that cell while
// it was free, else it would have put its point there, so the row changes
// nothing). Inside a slow section the pass keeps a count from the last point
// it placed, so a point it makes where the file had a row sends the later
// ones astray: then that point becomes a row too, and the pass runs again.
#pragma once

#include <cstddef>
#include <vector>

#include "compiler/stato.h"

namespace scenario::decompila {

// `prima` is the candidate's state after the readers, without any point of
// 180; `file` the cells read. Returns the cells, among `da_180`, that must
// be rows, in rising order.
std::vector<std::size_t> righe_da_180(const Stato& prima, const std::vector<Cella>& file,
                                      const std::vector<std::size_t>& da_180);

}  // namespace scenario::decompila
