// The generator's plan of a scenario: every record with its values, placed
// on a map of the cells the compiler will fill, before any text is written.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "bench/generatore/generatore_scenari.h"
#include "compiler/sorgente_righe.h"

namespace scenario::generatore {

// The rows are the source texts' own (compiler/sorgente_righe.h).
using sorgente::Abbattimento;
using sorgente::Cambio;  // a speed limit, gradient or adhesion from metre p on
using sorgente::Cartello;
using sorgente::Curva;
using sorgente::Indicatore;
using sorgente::Montagna;
using sorgente::Rallentamento;
using sorgente::Segnale;
using sorgente::Stazione;
using Pendenza = sorgente::Cambio;

struct Piano {
    std::int32_t lunghezza = 0;
    std::int32_t progressiva = 0;  // chainage at metre 0, with the +100 flag
    std::int32_t ripetizione_inizio = 0, ripetizione_fine = 0;
    int codici = 4;
    std::int32_t vetture = 5, massa_frenata = 130, sabbia = 300;
    std::int32_t ore = 6, minuti = 0, secondi = 0;
    std::vector<Curva> curve;
    std::vector<Pendenza> pendenze;
    std::vector<Montagna> montagne;
    std::vector<Indicatore> indicatori;
    std::vector<Cartello> cartelli;
    std::vector<Cambio> velocita;
    std::vector<Cambio> aderenze;
    std::vector<Stazione> stazioni;
    std::vector<Rallentamento> rallentamenti;
    std::vector<Segnale> segnali;
    std::vector<Abbattimento> abbattimenti;
    int guasti_percorso = 0;
};

// Chooses every record. Objects that share the cell grid never collide, and
// the route pass finds room for its points except where asked not to.
Piano pianifica(const Misura& misura, const Opzioni& opzioni);

// The two texts of a plan, written as the decompiler writes its texts.
std::string testo_linea(const Piano& piano);
std::string testo_treno(const Piano& piano);

}  // namespace scenario::generatore
