// A deterministic generator of scenarios of any size: a line text and a
// train text in the forms of the built-in ones, from a seed. The benchmarks
// measure the compiler on them; the round-trip tests feed them through
// compile and decompile.
#pragma once

#include <cstdint>
#include <string>

namespace scenario::generatore {

// How many records of each kind to ask for. The generator places what fits
// (stations need room, slowdowns a clear stretch), so a short line may get fewer.
struct Misura {
    std::int32_t lunghezza = 10000;  // route length, metres
    int curve = 0;
    int pendenze = 0;
    int montagne = 0;
    int indicatori = 0;  // maximum-speed boards
    int cartelli = 0;    // text boards
    int velocita = 0;    // speed-limit changes
    int aderenze = 0;    // adhesion changes
    int stazioni = 0;
    int rallentamenti = 0;
    int segnali = 0;
    int abbattimenti = 0;  // "abbattimento" records of the train text
};

// Record counts in proportion to the route length, scaled so that
// 1,000,000 m holds about 20,000 curves and gradient rows, 2,000 signals,
// 78 stations, 200 slowdowns and 80 mountain sections.
Misura misura_proporzionata(std::int32_t lunghezza);

// A small scenario of a size and mix chosen by the seed, for tests that run
// many of them.
Misura misura_varia(std::uint64_t seme);

struct Opzioni {
    std::uint64_t seme = 1;
    // Also build slowdowns whose surroundings leave the route pass no free
    // cell, so that it records its faults 11, 12 and 13.
    bool guasti_percorso = false;
    // Also put "abbattimento" rows where the route pass would put its own
    // points (approach windows, inside slow sections, before protected
    // signals), with its value 180 or another: the pass then goes elsewhere
    // or keeps the smaller value.
    bool abbattimenti_nel_percorso = false;
};

// What was actually placed.
struct Conteggi {
    int curve = 0, pendenze = 0, montagne = 0, indicatori = 0, cartelli = 0, velocita = 0, aderenze = 0;
    int stazioni = 0, rallentamenti = 0, segnali = 0, abbattimenti = 0;
    int guasti_percorso = 0;  // slowdowns built to make the route pass record a fault
};

struct Scenario {
    std::string linea;  // the line source text, CR LF, Windows-1252
    std::string treno;  // the train source text
    Conteggi conteggi;
};

// The same arguments give the same bytes, on every platform.
Scenario genera(const Misura& misura, const Opzioni& opzioni);

}  // namespace scenario::generatore
