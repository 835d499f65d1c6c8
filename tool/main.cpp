// scenario: compile, inspect and draw scenarios of the train-driving simulator.
#include <CLI/CLI.hpp>

#include <filesystem>
#include <iostream>
#include <system_error>

#include "app/stato_uscita.h"
#include "tool/comando_sources.h"

namespace {

void aggiungi_sources(CLI::App& app, std::filesystem::path& cartella) {
    auto* sub = app.add_subcommand(
        "sources",
        "Write the built-in scenario's line and train source texts (Vordano_Seli_linea.txt and "
        "Vordano_Seli_4936-.txt) into DIR, byte-identical to what crea_scenario writes. Start your "
        "own scenario by editing them.");
    sub->add_option("DIR", cartella, "Folder to write into (default: the current folder); it must exist")
        ->check(CLI::ExistingDirectory);
    sub->callback([&cartella] { scenario::scrivi_sorgenti(cartella); });
}

// CLI11 would only say that a subcommand is required; name the unknown word.
bool comando_sconosciuto(const CLI::App& app, int argc, char** argv) {
    if (argc < 2 || argv[1][0] == '-') return false;
    for (const CLI::App* sub : app.get_subcommands({})) 
        if (sub->check_name(argv[1])) return false;
    std::cerr << "scenario: unknown command '" << argv[1] << "'\nRun with --help for the list of commands.\n";
    return true;
}

}  // namespace

int main(int argc, char** argv) {
    CLI::App app{"scenario: work with the scenarios of the train-driving simulator."};
    app.require_subcommand(1);
    std::filesystem::path cartella_sources = ".";
    aggiungi_sources(app, cartella_sources);
    if (comando_sconosciuto(app, argc, argv)) return scenario::uscita::uso_errato;
    try {
        app.parse(argc, argv);
    } catch (const CLI::ParseError& e) {
        int codice = app.exit(e);
        return codice == 0 ? scenario::uscita::successo : scenario::uscita::uso_errato;
    } catch (const std::system_error& e) {
        std::cerr << "scenario: " << e.what() << '\n';
        return scenario::uscita::guasto_file;
    }
    return scenario::uscita::successo;
}
