// `scenario decompile`: a compiled scenario back to its two source texts,
// proved by compiling them again in memory.
#pragma once

#include <CLI/CLI.hpp>

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "tool/rapporto.h"

namespace scenario {

struct OpzioniDecompile {
    std::vector<std::filesystem::path> ingressi;  // one folder, or the compiled files
    std::filesystem::path uscita = ".";           // -o, made when missing
    std::optional<std::string> percorso;          // --route: which scenario of the folder
    std::optional<std::string> numero;            // --train
    bool forza = false;                           // --force: replace texts already there
};

// Registers the command; its callback leaves the exit status in `stato`.
void aggiungi_decompile(CLI::App& app, int& stato, Rapporto& r);

// Reads the scenario, writes both texts into the output folder and reports
// the round trip: 0 exact; 1 differences (listed, texts written) or not a
// compiled scenario (nothing written); 2 a command line that names no
// scenario, or texts already there without --force. A file that cannot be
// read or written throws GuastoFile.
int esegui_decompile(const OpzioniDecompile& o, Rapporto& r);

}  // namespace scenario
