// The generator's plan of a scenario: every record with its values, placed
// on a map of the cells the compiler will fill, before any text is written.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "bench/generatore/generatore_scenari.h"

namespace scenario::generatore {

struct Curva {
    bool sinistra;
    int classe;  // 1 .. 6
    std::int32_t inizio, lunghezza;
};
struct Pendenza {
    std::int32_t p, g;
};
struct Montagna {
    std::int32_t inizio, fine, tipo;
};
struct Indicatore {
    std::int32_t p, vas, vbs, vcs, strisces;
    bool destra;  // a right-hand board too; without one its fields stay empty
    std::int32_t vad, vbd, vcd, strisced;
};
struct Cartello {
    std::int32_t p;
    std::string testo;
};
struct Cambio {  // a speed limit or an adhesion from metre p on
    std::int32_t p, valore;
};
struct Stazione {
    std::int32_t p, tipo, lunghezza;
    std::int32_t f4, f5, f6, f7, f8, f9, f10, f11, f12, sosta, ore, minuti, secondi;
    std::string nome;
};
struct Rallentamento {
    std::int32_t x, v, l, f_tt, f_ta, d_v;
};
struct Segnale {
    std::int32_t p, sx, s1, s2, s3, rapp, dx, d1, d2, d3, tempo;
};
struct Abbattimento {
    std::int32_t p, w;
};

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

// The two texts of a plan, in the forms and column widths of the built-in ones.
std::string testo_linea(const Piano& piano);
std::string testo_treno(const Piano& piano);

}  // namespace scenario::generatore
