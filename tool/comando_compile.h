// `scenario compile` and `scenario check`: any pair of source texts through
// the builder's compiler; check compiles in memory and writes nothing.
#pragma once

#include <filesystem>
#include <optional>
#include <string>

#include "tool/rapporto.h"
#include "tool/uso_errato.h"

namespace scenario {

struct OpzioniCompile {
    std::filesystem::path linea;
    std::filesystem::path treno;
    std::optional<std::string> percorso;  // --route
    std::optional<std::string> numero;    // --train
    std::filesystem::path uscita = ".";   // -o
    bool senza_geometria = false;         // --no-geometry
    bool json = false;                    // --json
    bool avvisi_come_errori = false;      // --werror
};

// "X_linea.txt" -> "X"; nothing when the name does not fit. Names are UTF-8
// and their endings are matched as the system matches file names (on Windows
// without regard to case).
std::optional<std::string> percorso_da_nome(const std::string& nome_linea);
// "R_T-.txt" with route R -> "T"; nothing when the name does not fit.
std::optional<std::string> treno_da_nome(const std::string& nome_treno, const std::string& percorso);

// Checks the names and outputs (UsoErrato), reads both texts (GuastoFile),
// compiles, and tells `rapporto` what happened; returns the exit status.
// A compiled file that cannot be put in place throws GuastoFile.
int esegui_compile(const OpzioniCompile& opzioni, Rapporto& rapporto);

// The same checks of the names and inputs, compile, diagnostics and exit
// status, with nothing written.
int esegui_check(const OpzioniCompile& opzioni, Rapporto& rapporto);

}  // namespace scenario
