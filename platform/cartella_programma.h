// Where the program lives: every file of a run is named relative to it.
#pragma once

#include <filesystem>

namespace scenario {

// The folder that holds the running executable (not the current directory).
std::filesystem::path cartella_programma();

}  // namespace scenario
