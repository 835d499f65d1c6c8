// What the decompiler reports when the texts it wrote do not compile to the
// very bytes it read: each differing cell, record or metre, with what the
// file holds, what the texts give and, where it is known, why no source text
// can give the file's value.
#pragma once

#include <compare>
#include <cstdint>
#include <map>
#include <string>
#include <vector>

namespace scenario::decompila {

enum class FileScenario { celle, tabella, tracciato };

// One field of one cell, record (voci slot) or metre of a file. An empty
// campo is the place as a whole.
struct Luogo {
    FileScenario file;
    std::int64_t indice;
    std::string campo;
    auto operator<=>(const Luogo&) const = default;
};

// Why no source text writes what a place of the file holds, in Italian.
using Ragioni = std::map<Luogo, std::string>;

// The reason for a place's field, or for the place as a whole.
std::string ragione(const Ragioni& r, const Luogo& l);

struct Differenza {
    Luogo luogo;
    std::int64_t fino;  // the last place of a run that only one side has; else luogo.indice
    std::string nel_file;   // empty: the file does not have the place
    std::string dai_testi;  // empty: the compiled texts do not have it
    std::string perche;     // empty when no reason is known
};

// One line for a person: "cella 18 (metro 850), tipo: il file ha 1, i testi danno 0".
std::string descrivi(const Differenza& d);

}  // namespace scenario::decompila
