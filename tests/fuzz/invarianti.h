// The rules every compile keeps whatever its input: how it may end, which
// fault numbers exist, what becomes of the source texts, which files are
// written and that each fits its layout.
#pragma once

#include <string>

#include "compiler/archivio_memoria.h"
#include "compiler/compilatore.h"
#include "compiler/stato.h"
#include "tests/fuzz/ingresso.h"

namespace scenario::fuzz {

// One finished compile: what it was given and what it left.
struct Compilazione {
    const Ingresso& ingresso;
    Esito esito;
    const Stato& s;
    const ArchivioMemoria& archivio;
};

// The first rule the compile broke, in words; empty when it kept them all.
std::string verifica_compilazione(const Compilazione& c);

}  // namespace scenario::fuzz
