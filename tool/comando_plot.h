// `scenario plot`: the compiled scenario drawn as a page to explore in a
// browser, or as a static SVG.
#pragma once

#include <filesystem>
#include <vector>

namespace scenario {

struct OpzioniPlot {
    std::vector<std::filesystem::path> ingressi;  // one folder, or the files
    std::filesystem::path uscita;                 // -o
    bool svg = false;                             // --svg
};

// Writes the page (or the SVG) through the disk archive's safe replacement;
// returns the exit status (1: a file is not valid, 4: a file could not be
// read or written). Throws UsoErrato for inputs that name no scenario.
int esegui_plot(const OpzioniPlot& o);

}  // namespace scenario
