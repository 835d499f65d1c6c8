// Train 4936's timetable as the card prints it: one row per service point,
// the same stations, halts, times and speed limits as the train source text.
#pragma once

#include <array>
#include <string_view>

namespace scenario {

// Cells: speed limit starting here, marching speed, progressive km (km 87.750
// minus the position in the train text), No Rs, service point, times, recovery.
// Card 1 is full: its 32nd row doubles as the table's bottom edge, so its
// blanks are underscores except those inside the name.
inline constexpr std::array<std::string_view, 32> orario_scheda_1{
    " |  80 |     |  87.750  |     |VORDANO P.F.                |6.23            |     |",
    " |     |     |  82.250  |     |CASALVIVO                   |     6.27+      |     |",
    " | 105 |     |  81.850  |     |Km 81+850                   |                |     |",
    " |  95 |     |  78.750  |     |MONTEFERRO                  |     6.31+      |     |",
    " |  90 |     |  77.200  |     |Km 77+200                   |                |     |",
    " |  80 |     |  74.250  |     |ROCCA DI SALE               |     6.35+      |     |",
    " |  75 |     |  72.450  |     |Km 72+450                   |                |     |",
    " |     |     |  69.750  |     |PIANELLA                    |     6.40       |     |",
    " |  85 |     |  64.250  |     |SAN ROMOLO                  |     6.45       |     |",
    " |  95 |     |  61.750  |     |Km 61+750                   |                |     |",
    " |     |     |  59.750  |     |VALLECUPA                   |     6.49       |     |",
    " |  90 |     |  55.250  |     |BORGO TERMINI               |     6.53       |     |",
    " |     |     |  49.950  |     |CASTELMORO                  |6.57       6.58 |   1 |",
    " | 100 |     |  43.750  |     |Km 43+750                   |                |     |",
    " |     |     |  39.250  |     |ACQUAFREDDA                 |7.08       7.09 | 0.5 |",
    " | 105 |     |  34.750  |     |SAN FELE SCALO              |     7.12+      |     |",
    " |     |     |  30.950  |     |TORRELUNGA                  |     7.15       |     |",
    " |  80 |     |  26.950  |     |PONTE SELINO                |     7.18+      | 1.5 |",
    " |     |     |  25.450  |     |Selino Marina               |     7.20       |     |",
    " | 100 |     |  23.650  |     |Lido Azzurro                |     7.21+      |     |",
    " |     |     |  21.850  |     |Villa Rosa                  |     7.22+      |     |",
    " | 105 |     |  20.000  |     |Km 20+000                   |                |     |",
    " |     |     |  18.750  |     |SAN CATALDO                 |     7.24+      |     |",
    " |     |     |  17.450  |     |Imbocco Gall. Monte Selino  |                |     |",
    " |     |     |  17.050  |     |San Marco                   |     7.25+      |     |",
    " |     |     |  15.850  |     |Piazza Dante                |     7.26+      |     |",
    " |     |     |  14.650  |     |Porta Nuova                 |     7.27+      |     |",
    " |     |     |  14.250  |     |Sbocco Gall. Monte Selino   |                |     |",
    " |     |     |  13.250  |     |Campo Sportivo              |     7.28+      |     |",
    " |     |     |  12.150  |     |Ospedale                    |     7.29       |     |",
    " |     |     |          |     |Segn. Prot. SELI SMISTAMENTO|                |     |",
    " |_____|_____|__10.500__|_____|SELI SMISTAMENTO____________|_____7.30_______|___2_|",
};

// Card 2 carries the rest of the run, single times one column further right.
inline constexpr std::array<std::string_view, 5> orario_scheda_2{
    " |     |     |   9.000  |     |Fiera                       |      7.33      |     |",
    " |     |     |   7.850  |     |Stadio Comunale             |      7.35      |     |",
    " |     |     |   6.650  |     |Universita                  |      7.36+     |     |",
    " |     |     |   5.300  |     |Porto Vecchio               |7.38       7.39 |     |",
    " |     |     |   4.280  |     |SELI S. PIETRO              |           7.41 |     |",
};

}  // namespace scenario
