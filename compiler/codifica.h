// The byte layouts of the three compiled files: the cell file (.dat), the
// scenario table (.sim) and the line geometry (_linea.dat).
#pragma once

#include <cstddef>
#include <span>
#include <string>

#include "compiler/archivio.h"
#include "compiler/stato.h"

namespace scenario {

inline constexpr std::size_t byte_record_cella = 15;  // one cell of the .dat file
inline constexpr std::size_t byte_fissi_voce = 34;    // one .sim record without its text
inline constexpr std::size_t massimo_testo = 65535;   // a text's length is an unsigned 16-bit field

// Each encoder writes its file to a destination as it goes, through a bounded
// buffer; the forms that return a string are for tests and small callers.

// Cells 0 .. numero_celle, 15 bytes each, nothing before or after.
void codifica_celle(const Stato& s, Destinazione& d);
std::string codifica_celle(const Stato& s);

// The 87 general records, 34 bytes plus the text's length each. A text longer
// than 65535 bytes cannot be described by its length field: only its first
// 65535 bytes are written, so the file stays readable record by record.
void codifica_voci(const Stato& s, Destinazione& d);
std::string codifica_voci(const Stato& s);

// Bytes of one geometry element in the file: its tag and the value the tag names.
std::size_t byte_elemento(const Elemento& e);

// Every element of tracciato, metre index fastest: a u16 tag, then an i16
// for tag 2, a double for tag 5, nothing for tag 0.
void codifica_tracciato(const Stato& s, Destinazione& d);
std::string codifica_tracciato(const Stato& s);

// Elements of any shape in file order, as a decoder reads them back.
std::string codifica_elementi(std::span<const Elemento> elementi);

}  // namespace scenario
