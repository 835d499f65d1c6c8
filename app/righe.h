// The line table every text writer fills, and the text-file procedure that
// turns it into a file: one line per slot up to the end marker, each ended by
// CR LF, bytes as they stand (Windows-1252), no byte-order mark.
#pragma once

#include <array>
#include <span>
#include <string>
#include <string_view>

#include "compiler/archivio.h"

namespace scenario {

inline constexpr std::string_view fine_del_file = "riferimento fine del file";
inline constexpr std::size_t slot_righe = 1001;

using Righe = std::array<std::string, slot_righe>;

// The lines in slots 0, 1, ... and the end marker in the slot after the last.
Righe riempi_righe(std::span<const std::string_view> righe);

// The bytes of the file: every slot before the exact end marker (or the
// table's end), each followed by CR LF.
std::string testo_da_righe(const Righe& righe);

// Replaces the file `nome` with the table's text.
void scrivi_testo(const Righe& righe, const std::string& nome, Archivio& archivio);

}  // namespace scenario
