// The scenario table (.sim) read back: 87 records of 34 bytes plus a text.
#pragma once

#include <string_view>

#include "compiler/decodifica.h"

namespace scenario {

// The weighted competition code of a table's own route and train names.
std::int32_t codice_gara_st_di(const Voci& voci);
// The plain one, which the cell file carries.
std::int32_t codice_gara_og_di(const Voci& voci);

// Slots 0 .. 86 in order. Checks: no record cut short, every text inside the
// file, exactly 87 records, the marker 610 and the weighted code in slot 85.
Decodificato<Voci> decodifica_tabella(std::string_view dati);

}  // namespace scenario
