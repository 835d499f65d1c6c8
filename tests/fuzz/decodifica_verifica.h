// The rules the decoders of the compiled files keep whatever bytes they are
// given: a defect lies inside the file and names a check; bytes they accept
// are exactly what the compiler's encoders write from the decoded values.
#pragma once

#include <map>
#include <string>
#include <string_view>

#include "compiler/stato.h"

namespace scenario::fuzz {

enum class FileCompilato { celle, tabella, tracciato };

// The first broken rule in words, or an empty text.
std::string decodifica_e_verifica(FileCompilato f, std::string_view dati);

// As above, and the decoder must accept the bytes: they come from the compiler.
std::string verifica_compilato(FileCompilato f, std::string_view dati);

// Every compiled file of one compile (named for s's route and train) passes
// verifica_compilato, and cells and geometry fit the table beside them.
std::string verifica_compilati(const std::map<std::string, std::string>& file, const Stato& s);

}  // namespace scenario::fuzz
