// The two source texts as rows with their values, before they are written
// out in the forms of the built-in texts: what the decompiler recovers and
// the scenario generator plans.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace scenario::sorgente {

struct Curva {
    bool sinistra;
    int classe;  // 1 .. 6
    std::int32_t inizio, lunghezza;
};

// A change of gradient, speed or adhesion: the value holds from metre p on.
struct Cambio {
    std::int32_t p, valore;
};

struct Montagna {
    std::int32_t inizio, fine, tipo;
};

struct Indicatore {
    std::int32_t p, vas, vbs, vcs, strisces;
    bool destra;  // without a right-hand board its fields stay empty
    std::int32_t vad, vbd, vcd, strisced;
};

struct Cartello {
    std::int32_t p;
    std::string testo;
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

// One "progressiva chilometrica" line: position, chainage, flag.
struct Progressiva {
    std::int32_t posizione = 0, valore = 0, bandiera = 0;
};

struct Linea {
    std::int32_t lunghezza = 0;
    std::array<Progressiva, 3> progressive{};  // "uno", "due", "tre"
    std::array<std::int32_t, 3> sfondi{};      // "uno", "due", "tre"
    int codici = 4;                            // the digit of "ripetizione segnali N codici"
    std::int32_t ripetizione_inizio = 0, ripetizione_fine = 0;
    std::vector<Curva> curve;
    std::vector<Cambio> pendenze;
    std::vector<Montagna> montagne;
    std::vector<Indicatore> indicatori;
    std::vector<Cartello> cartelli;  // in the order they take their slots, 80 downwards
};

struct Treno {
    std::int32_t vetture = 0, massa_frenata = 0, sabbia = 0;
    std::int32_t ore = 0, minuti = 0, secondi = 0;
    std::vector<Cambio> aderenze;
    std::vector<Cambio> velocita;
    std::vector<Stazione> stazioni;  // in slot order
    std::vector<Rallentamento> rallentamenti;
    std::vector<Segnale> segnali;
    std::vector<Abbattimento> abbattimenti;
};

}  // namespace scenario::sorgente
