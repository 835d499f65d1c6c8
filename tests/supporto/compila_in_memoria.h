// One compile of two source texts held in memory, for tests that look at its
// state, its outcome or its report: no disk, the texts named after a route
// and a train of the test's choosing.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "compiler/archivio_memoria.h"
#include "compiler/compilatore.h"
#include "compiler/nomi_file.h"
#include "compiler/stato.h"

namespace scenario::test {

struct Compilato {
    Stato s;
    Esito esito = Esito::completato;
};

// A text left out (nullopt) is not in the folder.
inline Compilato compila_in_memoria(const std::string& percorso, const std::string& treno,
                                    const std::optional<std::string>& testo_linea,
                                    const std::optional<std::string>& testo_treno, std::int32_t geometria = 1) {
    Compilato c;
    c.s.nome_percorso = percorso;
    c.s.numero_treno = treno;
    ArchivioMemoria a;
    if (testo_linea) a.file[nome_testo_linea(c.s)] = *testo_linea;
    if (testo_treno) a.file[nome_testo_treno(c.s)] = *testo_treno;
    c.esito = memorizza_percorso(c.s, a, geometria);
    return c;
}

}  // namespace scenario::test
