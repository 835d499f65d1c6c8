// scenario: compile scenarios of your own for the train-driving simulator,
// starting from the built-in one if you like.
#include <CLI/CLI.hpp>

#include <filesystem>
#include <iostream>
#include <system_error>

#include "app/stato_uscita.h"
#include "tool/comandi_vista.h"
#include "tool/comando_compile.h"
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

constexpr const char* spiegazione_compile = R"(Compile a LINE source text and a TRAIN source text into the compiled
files the simulator loads, with exactly the compiler crea_scenario uses:
ROUTE_linea.dat (line geometry, unless --no-geometry), ROUTE_NUMBER.sim
(scenario table) and ROUTE_NUMBER.dat (cell file), written into DIR and
replacing older files of those names. LINE and TRAIN are never changed.
A missing LINE is fault 101 and a missing TRAIN fault 25, as in the builder.

Exit status: 0 compiled without fault; 1 a fault was recorded (files written
as the compiler writes them, or none when no cell grid was created); 2 wrong
command line; 3 a fatal " Errore n. 1250/1251" ended the run (no compiled
file); 4 a file could not be read or written.)";

void aggiungi_compile(CLI::App& app, scenario::OpzioniCompile& o, int& stato) {
    auto* sub = app.add_subcommand("compile", "Compile your own line and train source texts.");
    sub->footer(spiegazione_compile);
    sub->add_option("LINE", o.linea, "Line source text, e.g. Vordano_Seli_linea.txt")->required();
    sub->add_option("TRAIN", o.treno, "Train source text, e.g. Vordano_Seli_4936-.txt")->required();
    sub->add_option("--route", o.percorso, "Route name (default: LINE's name without \"_linea.txt\")");
    sub->add_option("--train", o.numero, "Train number (default: taken from TRAIN's name ROUTE_NUMBER-.txt)");
    sub->add_option("-o,--output", o.uscita, "Folder for the compiled files (default: the current folder)")
        ->check(CLI::ExistingDirectory);
    sub->add_flag("--no-geometry", o.senza_geometria, "Do not build or write the line geometry file");
    sub->add_flag("--json", o.json,
                  "Print one JSON object: codice_errore, posizione_errore, errore (null, \"1250\" or \"1251\"), "
                  "files (names written, in order)");
    sub->callback([&o, &stato] { stato = scenario::esegui_compile(o); });
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
    scenario::OpzioniCompile opzioni_compile;
    int stato = scenario::uscita::successo;
    aggiungi_compile(app, opzioni_compile, stato);
    scenario::aggiungi_dump(app, stato);
    scenario::aggiungi_plot(app, stato);
    if (comando_sconosciuto(app, argc, argv)) return scenario::uscita::uso_errato;
    try {
        app.parse(argc, argv);
    } catch (const CLI::ParseError& e) {
        int codice = app.exit(e);
        return codice == 0 ? scenario::uscita::successo : scenario::uscita::uso_errato;
    } catch (const scenario::UsoErrato& e) {
        std::cerr << "scenario: " << e.messaggio << "\nRun with --help for more information.\n";
        return scenario::uscita::uso_errato;
    } catch (const std::system_error& e) {
        std::cerr << "scenario: " << e.what() << '\n';
        return scenario::uscita::guasto_file;
    }
    return stato;
}
