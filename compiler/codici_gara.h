// The two competition codes that tie the compiled files to the train number
// and route name: a plain and a position-weighted sum over a 25-byte key.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "compiler/stato.h"

namespace scenario {

// Windows-1252 lower case of one byte (A-Z, À-Þ but ×, Š Œ Ž Ÿ).
unsigned char minuscola_1252(unsigned char c);

// Train number, route name and the fixed tail, lower-cased.
std::string chiave_gara(std::string_view treno, std::string_view percorso);

// Both leave the key in s.riga. Inputs: the texts of slot::corsa and slot::percorso.
std::int32_t codice_gara_og(Stato& s);  // a1 + ... + a25, 0 .. 6375
std::int32_t codice_gara_st(Stato& s);  // 1 a1 + ... + 25 a25, 0 .. 82875

}  // namespace scenario
