// Lays the input's texts into an in-memory folder under the names the
// compiler looks for, compiles and checks the outcome.
#include "tests/fuzz/compila_ingresso.h"

#include "compiler/nomi_file.h"

namespace scenario::fuzz {

Esecuzione compila_ingresso(std::string_view dati) {
    Esecuzione e;
    e.ingresso = dividi_ingresso(dati);
    e.s.nome_percorso = percorso_prova;
    e.s.numero_treno = treno_prova;
    if (e.ingresso.linea) e.archivio.file[nome_testo_linea(e.s)] = *e.ingresso.linea;
    if (e.ingresso.treno) e.archivio.file[nome_testo_treno(e.s)] = *e.ingresso.treno;
    std::int32_t j = e.ingresso.geometria;
    e.esito = memorizza_percorso(e.s, e.archivio, j);
    return e;
}

std::string compila_e_verifica(std::string_view dati) {
    const Esecuzione e = compila_ingresso(dati);
    return verifica_compilazione(e.compilazione());
}

}  // namespace scenario::fuzz
