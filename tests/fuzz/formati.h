// Checks that a compiled file's bytes fit its layout, read back independently
// of the encoders: sizes, record walks, type codes, tags and the markers.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace scenario::fuzz {

// Each returns why the bytes break their layout, or an empty text.

// 15 bytes for each of cells 0 .. numero_celle, known cell types only,
// the file marker 5121 in cell 1.
std::string verifica_file_celle(std::string_view dati, std::int32_t numero_celle);

// 87 records of 34 bytes plus their text, nothing after them, the file
// marker 610 in slot 85.
std::string verifica_file_tabella(std::string_view dati);

// 2 x (lunghezza_estesa + 1) tagged elements, nothing after them, every double
// finite. `completa`: the reader went through both texts without a fault, so
// metres 0 and 1 are the fixed points and every metre up to
// lunghezza_estesa - 2 is computed.
std::string verifica_file_tracciato(std::string_view dati, std::int32_t lunghezza_estesa, bool completa);

}  // namespace scenario::fuzz
