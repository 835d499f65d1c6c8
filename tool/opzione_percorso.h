// Paths on the command line. CLI11 would make a path straight from the
// argument's text, which on Windows goes through the ANSI code page and
// loses every other character; these make it from UTF-8.
#pragma once

#include <CLI/CLI.hpp>

#include <filesystem>
#include <string>
#include <vector>

namespace scenario {

CLI::Option* aggiungi_percorso(CLI::App* sub, std::string nome, std::filesystem::path& percorso,
                               std::string descrizione);
CLI::Option* aggiungi_percorsi(CLI::App* sub, std::string nome, std::vector<std::filesystem::path>& percorsi,
                               std::string descrizione);

// Refuses a text that names no existing folder.
CLI::Validator cartella_esistente();

}  // namespace scenario
