// Place by place, what the files read hold and what the files compiled from
// the recovered texts hold; a place only one side has is reported in runs.
#pragma once

#include <optional>
#include <vector>

#include "compiler/decodifica.h"
#include "compiler/decompila_differenze.h"

namespace scenario::decompila {

std::vector<Differenza> confronta_celle(const std::vector<Cella>& file, const std::vector<Cella>& testi,
                                        const Ragioni& r);
std::vector<Differenza> confronta_tabella(const Voci& file, const Voci& testi, const Ragioni& r);
std::vector<Differenza> confronta_tracciato(const Tracciato& file, const Tracciato& testi, const Ragioni& r);

}  // namespace scenario::decompila
