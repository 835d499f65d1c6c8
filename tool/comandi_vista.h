// The command lines of `scenario dump` and `scenario plot`, the commands
// that let a person see the compiled files.
#pragma once

#include <CLI/CLI.hpp>

namespace scenario {

// Each registers its subcommand; its callback leaves the exit status in `stato`.
void aggiungi_dump(CLI::App& app, int& stato);
void aggiungi_plot(CLI::App& app, int& stato);

}  // namespace scenario
