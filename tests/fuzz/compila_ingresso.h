// One fuzz input through the compiler, the way `scenario compile` drives it
// but in memory, followed by every outcome rule.
#pragma once

#include <string>
#include <string_view>

#include "compiler/archivio_memoria.h"
#include "compiler/compilatore.h"
#include "compiler/stato.h"
#include "tests/fuzz/ingresso.h"
#include "tests/fuzz/invarianti.h"

namespace scenario::fuzz {

// The route and train the inputs' texts are compiled for.
inline constexpr std::string_view percorso_prova = "Vordano_Seli";
inline constexpr std::string_view treno_prova = "4936";

// A compile and everything it left, for the rules to look at.
struct Esecuzione {
    Ingresso ingresso;
    Stato s;
    ArchivioMemoria archivio;
    Esito esito = Esito::completato;

    Compilazione compilazione() const { return {ingresso, esito, s, archivio}; }
};

// The input's texts are views into `dati`, which must outlive the result.
Esecuzione compila_ingresso(std::string_view dati);

// The first broken rule in words, or an empty text when the compile kept them all.
std::string compila_e_verifica(std::string_view dati);

}  // namespace scenario::fuzz
