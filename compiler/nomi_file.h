// Names of the files the compiler reads and writes, built afresh from the
// route name R and the train number T each time a file is used.
#pragma once

#include <string>

#include "compiler/stato.h"

namespace scenario {

inline std::string nome_testo_linea(const Stato& s) { return s.nome_percorso + "_linea.txt"; }
inline std::string nome_testo_treno(const Stato& s) { return s.nome_percorso + "_" + s.numero_treno + "-.txt"; }
inline std::string nome_tracciato(const Stato& s) { return s.nome_percorso + "_linea.dat"; }
inline std::string nome_tabella(const Stato& s) { return s.nome_percorso + "_" + s.numero_treno + ".sim"; }
inline std::string nome_file_celle(const Stato& s) { return s.nome_percorso + "_" + s.numero_treno + ".dat"; }

}  // namespace scenario
