// A compiled scenario as `scenario plot` draws it: the cell file, with the
// table and the line geometry when they are there, each decoded and checked,
// and the table's route length checked against the other two.
#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "compiler/decodifica.h"

namespace scenario {

struct ScenarioCaricato {
    std::string nome;  // "Vordano_Seli_4936", from the cell file's name
    std::vector<Cella> celle;
    std::optional<Voci> voci;
    std::optional<Tracciato> tracciato;
};

// From one folder holding exactly one cell file (plus its .sim and the
// route's _linea.dat), or from the files named one by one. Throws UsoErrato
// for inputs that do not name one scenario, FileInutilizzabile for a file
// that cannot be read or does not hold its layout. `nota` receives what is
// missing, in Italian.
ScenarioCaricato carica_scenario(const std::vector<std::filesystem::path>& ingressi, std::string& nota);

}  // namespace scenario
