// The train source text of the built-in scenario, train 4936 from Vordano to
// Seli: every line a fixed literal, read back by the train reader.
#include "source_text/testi_sorgente.h"

#include <array>

namespace scenario {
namespace {

// Numbers stand right-aligned in fixed columns where the form asks for them.
// Signals, stop points and the slowdown's cells never share a track cell, nor
// leave the route pass without room for its points.
constexpr std::array<std::string_view, 102> righe{
    // The train: cars, braked mass, sand and a clock 15 s before departure.
    "[generale]",
    "numero vetture,    5",
    "percentuale massa frenata,    130",
    "sabbia,    300",
    "orologio,    6               22            45 ",
    // Adhesion in percent from the given metre on.
    "[aderenze]",
    "aderenza,   0,    100",
    "aderenza,   15300,    81",
    "aderenza,   18300,    75",
    "aderenza,   19300,   100",
    // The train's speed limits; each one starts a row of the timetable card.
    "[vel_limite]",
    "velocita,       0,    80",
    "velocita,    5900,   105",
    "velocita,    9000,    95",
    "velocita,   10550,    90",
    "velocita,   13500,    80",
    "velocita,   15300,    75",
    "velocita,   23500,    85",
    "velocita,   26000,    95",
    "velocita,   32500,    90",
    "velocita,   44000,   100",
    "velocita,   53000,   105",
    "velocita,   60800,    80",
    "velocita,   64100,   100",
    "velocita,   67750,   105",
    // Stations and halts, as the card lists them; only stops carry a time.
    "[stazioni]",
    "stazione,       0,  8,  300,  0, 0, 0,  1,1,0,  4,1,1,    1,   6,23, 0, VORDANO P.F.",
    "stazione,    5500, 22,  300,  0, 0, 0,  0,0,0,  4,1,1,    0,   0, 0, 0, CASALVIVO",
    "stazione,    9000, 22,  300,  0, 0, 0,  0,0,0,  4,1,1,    0,   0, 0, 0, MONTEFERRO",
    "stazione,   13500, 22,  300,  0, 0, 0,  0,0,0,  4,1,1,    0,   0, 0, 0, ROCCA DI SALE",
    "stazione,   18000, 22,  300,  0, 0, 0,  0,0,0,  4,1,1,    0,   0, 0, 0, PIANELLA",
    "stazione,   23500, 22,  300,  0, 0, 0,  0,0,0,  4,1,1,    0,   0, 0, 0, SAN ROMOLO",
    "stazione,   28000, 22,  300,  0, 0, 0,  0,0,0,  4,1,1,    0,   0, 0, 0, VALLECUPA",
    "stazione,   32500, 22,  300,  0, 0, 0,  0,0,0,  4,1,1,    0,   0, 0, 0, BORGO TERMINI",
    "stazione,   37800, 12,  400,  0, 0, 0,  1,1,0,  4,1,1,   60,   6,58, 0, CASTELMORO",
    "stazione,   48500, 12,  400,  0, 0, 0,  1,1,0,  4,1,1,   60,   7, 9, 0, ACQUAFREDDA",
    "stazione,   53000, 22,  300,  0, 0, 0,  0,0,0,  4,1,1,    0,   0, 0, 0, SAN FELE SCALO",
    "stazione,   56800, 22,  300,  0, 0, 0,  0,0,0,  4,1,1,    0,   0, 0, 0, TORRELUNGA",
    "stazione,   60800, 12,  300,  0, 0, 0,  1,1,0,  4,1,1,    0,   0, 0, 0, PONTE SELINO",
    "stazione,   62300, 26,  300,  0, 0, 0,  0,0,0,  0,0,0,    0,   0, 0, 0, Selino Marina",
    "stazione,   64100, 26,  300,  0, 0, 0,  0,0,0,  0,0,0,    0,   0, 0, 0, Lido Azzurro",
    "stazione,   65900, 26,  300,  0, 0, 0,  0,0,0,  0,0,0,    0,   0, 0, 0, Villa Rosa",
    "stazione,   69000, 22,  300,  0, 0, 0,  0,0,0,  4,1,1,    0,   0, 0, 0, SAN CATALDO",
    "stazione,   70700, 27,  300,  0, 0, 0,  0,0,0,  0,0,0,    0,   0, 0, 0, San Marco",
    "stazione,   71900, 27,  300,  0, 0, 0,  0,0,0,  0,0,0,    0,   0, 0, 0, Piazza Dante",
    "stazione,   73100, 27,  300,  0, 0, 0,  0,0,0,  0,0,0,    0,   0, 0, 0, Porta Nuova",
    "stazione,   74500, 26,  300,  0, 0, 0,  0,0,0,  0,0,0,    0,   0, 0, 0, Campo Sportivo",
    "stazione,   75600, 26,  300,  0, 0, 0,  0,0,0,  0,0,0,    0,   0, 0, 0, Ospedale",
    "stazione,   77250, 12,  300,  0, 0, 0,  1,1,0,  4,1,1,    0,   0, 0, 0, SELI SMISTAMENTO",
    "stazione,   78750, 26,  300,  0, 0, 0,  0,0,0,  0,0,0,    0,   0, 0, 0, Fiera",
    "stazione,   79900, 26,  300,  0, 0, 0,  0,0,0,  0,0,0,    0,   0, 0, 0, Stadio Comunale",
    "stazione,   81100, 26,  300,  0, 0, 0,  0,0,0,  0,0,0,    0,   0, 0, 0, Universita",
    "stazione,   82450, 26,  300,  0, 0, 0,  0,0,0,  0,0,0,   60,   7,39, 0, Porto Vecchio",
    "stazione,   83500, 12,  300,  0, 0, 1,  1,1,0,  2,1,1,    0,   7,41, 0, SELI S. PIETRO",
    // The one slowdown, between Castelmoro and Acquafredda.
    "[rallentamenti]",
    "rallentamento,   42700,    30,  300, 0,  1,  0",
    // Signals: single track up to Ponte Selino, double track (both sides) after.
    "[segnali]",
    "segnale,     850,   2, 4, 1,  0, 0,    0,  0,0,0, 0",
    "segnale,    4800,   1, 3, 1,  0, 0,    0,  0,0,0, 0",
    "segnale,    5850,   2, 4, 1,  0, 0,    0,  0,0,0, 0",
    "segnale,    8300,   1, 4, 0,  0, 0,    0,  0,0,0, 0",
    "segnale,    9350,   2, 4, 1,  0, 0,    0,  0,0,0, 0",
    "segnale,   12800,   1, 2, 0,  0, 0,    0,  0,0,0, 0",
    "segnale,   13850,   2, 4, 1,  0, 0,    0,  0,0,0, 0",
    "segnale,   17300,   1, 5, 4,  0, 0,    0,  0,0,0, 0",
    "segnale,   18350,   2, 4, 1,  0, 0,    0,  0,0,0, 0",
    "segnale,   22800,   1, 4, 0,  1, 0,    0,  0,0,0, 0",
    "segnale,   24000,   1, 4, 1,  1, 0,    0,  0,0,0, 0",
    "segnale,   27300,   1, 4, 1,  0, 0,    0,  0,0,0, 0",
    "segnale,   28350,   2, 4, 1,  0, 0,    0,  0,0,0, 0",
    "segnale,   31800,   1, 4, 0,  0, 0,    0,  0,0,0, 0",
    "segnale,   32850,   2, 4, 1,  0, 0,    0,  0,0,0, 0",
    "segnale,   37000,   2, 4, 4,  0, 0,    0,  0,0,0, 0",
    "segnale,   38100,   2, 4, 1,  0, 0,    0,  0,0,0, 255",
    "segnale,   47700,   2, 3, 4,  0, 0,    0,  0,0,0, 0",
    "segnale,   48900,   2, 4, 1,  0, 0,    0,  0,0,0, 0",
    "segnale,   52300,   1, 4, 1,  0, 0,    0,  0,0,0, 0",
    "segnale,   53350,   2, 4, 1,  0, 0,    0,  0,0,0, 0",
    "segnale,   56100,   1, 2, 1,  0, 0,    0,  0,0,0, 0",
    "segnale,   60100,   2, 4, 4,  1, 0,    0,  0,0,0, 0",
    "segnale,   61250,   2, 4, 1,  0, 0,    2,  4,1,0, 0",
    "segnale,   62850,   2, 4, 1,  0, 0,    2,  4,1,0, 0",
    "segnale,   64650,   2, 4, 1,  0, 0,    2,  4,1,0, 0",
    "segnale,   66850,   2, 4, 1,  0, 0,    2,  4,1,0, 0",
    "segnale,   67600,   2, 4, 0,  0, 0,    1,  2,0,0, 0",
    "segnale,   68300,   2, 4, 4,  1, 0,    2,  4,1,0, 0",
    "segnale,   69400,   2, 4, 1,  0, 0,    2,  4,1,0, 0",
    "segnale,   70400,   2, 5, 1,  0, 0,    2,  4,1,0, 0",
    "segnale,   71400,   2, 4, 0,  0, 0,    1,  2,0,0, 0",
    "segnale,   72600,   2, 4, 1,  0, 0,    2,  4,1,0, 0",
    "segnale,   73600,   2, 4, 0,  0, 0,    1,  0,0,0, 0",
    "segnale,   74950,   2, 4, 1,  0, 0,    2,  4,1,0, 0",
    "segnale,   76450,   2, 4, 4,  1, 0,    2,  4,1,0, 0",
    "segnale,   77600,   2, 4, 1,  0, 0,    2,  4,1,0, 0",
    "segnale,   78300,   2, 4, 1,  0, 0,    2,  4,1,0, 0",
    "segnale,   79350,   2, 3, 1,  0, 0,    2,  4,1,0, 0",
    "segnale,   80450,   2, 4, 0,  0, 0,    1,  2,0,0, 0",
    "segnale,   81350,   2, 4, 1,  0, 0,    2,  4,1,0, 0",
    "segnale,   82000,   2, 4, 1,  0, 0,    2,  4,1,0, 0",
    "segnale,   82700,   2, 4, 4,  1, 0,    2,  4,1,0, 0",
    "[codici]",
    "[fine]",
};

}  // namespace

std::span<const std::string_view> righe_treno() { return righe; }

}  // namespace scenario
