// `scenario sources`: writes the built-in source texts where a user wants them.
#pragma once

#include <filesystem>

#include "tool/rapporto.h"

namespace scenario {

struct OpzioniSources {
    std::filesystem::path cartella = ".";  // DIR, made when missing
    bool forza = false;                    // --force: replace texts already there
};

// Writes the line and train source texts of the built-in scenario into the
// folder, byte-identical to the builder's, and names each on standard
// output. A text already there stops it before anything is written (status
// 2) unless `forza`. Returns the exit status; a file failure throws.
int esegui_sources(const OpzioniSources& opzioni, Rapporto& rapporto);

}  // namespace scenario
