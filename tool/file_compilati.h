// The compiled files as the tool meets them on disk: recognised by name,
// read, decoded, and checked against the scenario table that sits beside
// them. Shared by `scenario dump` and `scenario plot`.
#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "compiler/decodifica.h"

namespace scenario {

enum class Formato { celle, tabella, tracciato };

// "R_linea.dat" geometry, "*.sim" table, any other "*.dat" cells (any case).
std::optional<Formato> formato_da_nome(const std::string& nome);
std::string_view nome_formato(Formato f);  // "celle", "tabella", "tracciato"

// Why a file cannot be shown: unreadable (exit 4) or not a valid layout (exit 1).
struct FileInutilizzabile {
    std::string messaggio;  // Italian, names the file
    int stato;
};

// The whole content of p; throws FileInutilizzabile when it cannot be read.
std::string leggi_compilato(const std::filesystem::path& p);

// Decoded, or FileInutilizzabile naming the first failed check and its byte.
std::vector<Cella> carica_celle(const std::filesystem::path& p);
Voci carica_tabella(const std::filesystem::path& p);
Tracciato carica_tracciato(const std::filesystem::path& p);

// The table a cell file or a geometry belongs to, when a valid one sits
// beside it: "R_T.sim" for "R_T.dat", any "R_*.sim" for "R_linea.dat".
// `note` receives, in Italian, why no table could be used.
struct TabellaAccanto {
    std::filesystem::path percorso;
    Voci voci;
};
std::vector<TabellaAccanto> tabelle_accanto(const std::filesystem::path& p, Formato f, std::string& nota);

// Throws FileInutilizzabile when the file does not fit the table(s) beside it:
// for a geometry, at least one of them must fit.
void confronta_celle(const std::filesystem::path& p, const std::vector<Cella>& celle, const TabellaAccanto& t);
void confronta_tracciato(const std::filesystem::path& p, const Tracciato& tr, const std::vector<TabellaAccanto>& t);

}  // namespace scenario
