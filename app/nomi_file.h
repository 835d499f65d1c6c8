// Names of the three driver documents; the source texts and compiled files
// are named by the compiler's own table.
#pragma once

#include <string>

#include "compiler/nomi_file.h"

namespace scenario {

inline std::string nome_documento(const Stato& s, const char* suffisso) {
    return s.nome_percorso + "_" + s.numero_treno + "_" + suffisso;
}
inline std::string nome_note(const Stato& s) { return nome_documento(s, "note.txt"); }
inline std::string nome_rallentamenti(const Stato& s) { return nome_documento(s, "rallentamenti.txt"); }
inline std::string nome_scheda(const Stato& s) { return nome_documento(s, "scheda_treno.txt"); }

}  // namespace scenario
