// `scenario compile`: any pair of source texts through the builder's compiler.
#pragma once

#include <filesystem>
#include <optional>
#include <string>

namespace scenario {

struct OpzioniCompile {
    std::filesystem::path linea;
    std::filesystem::path treno;
    std::optional<std::string> percorso;  // --route
    std::optional<std::string> numero;    // --train
    std::filesystem::path uscita = ".";   // -o
    bool senza_geometria = false;         // --no-geometry
    bool json = false;                    // --json
};

// "X_linea.txt" -> "X"; nothing when the name does not fit.
std::optional<std::string> percorso_da_nome(const std::string& nome_linea);
// "R_T-.txt" with route R -> "T"; nothing when the name does not fit.
std::optional<std::string> treno_da_nome(const std::string& nome_treno, const std::string& percorso);

// Thrown for a command line that cannot be completed (exit status 2).
struct UsoErrato {
    std::string messaggio;
};

// Runs the compile and prints its report; returns the exit status.
int esegui_compile(const OpzioniCompile& opzioni);

}  // namespace scenario
