// scenario: compile scenarios of your own for the train-driving simulator,
// starting from the built-in one if you like.
#include <CLI/CLI.hpp>

#include <exception>
#include <filesystem>
#include <string>
#include <system_error>
#include <vector>

#include "app/stato_uscita.h"
#include "app/versione.h"
#include "platform/argomenti.h"
#include "platform/console_utf8.h"
#include "tool/comandi_vista.h"
#include "tool/comando_compile.h"
#include "tool/comando_decompile.h"
#include "tool/comando_sources.h"
#include "tool/opzione_percorso.h"
#include "tool/rapporto.h"

namespace {

constexpr const char* suggerimento = "Per l'aiuto: scenario --help, oppure scenario COMANDO --help";

// Headings and the words CLI11 prints around our own, in Italian. Set before
// any subcommand is added: each one copies them from its parent.
void in_italiano(CLI::App& app) {
    const auto formato = app.get_formatter();
    formato->label("Usage", "Uso");
    formato->label("OPTIONS", "OPZIONI");
    formato->label("SUBCOMMAND", "COMANDO");
    formato->label("SUBCOMMANDS", "COMANDI");
    formato->label("Positionals", "Argomenti");
    formato->label("REQUIRED", "(obbligatorio)");
    formato->label("TEXT", "TESTO");
    formato->label("INT", "NUMERO");
    formato->label("UINT", "NUMERO");
    formato->column_width(34);
    app.option_defaults()->group("Opzioni");
    app.set_help_flag("-h,--help", "Mostra questo aiuto ed esce");
}

// Every command listed under "Comandi", its help flag among its options, its
// arguments named without a type: done once all commands are in.
void comandi_in_italiano(CLI::App& app) {
    for (CLI::App* sub : app.get_subcommands({})) {
        sub->group("Comandi");
        sub->get_help_ptr()->group("Opzioni");
        for (CLI::Option* o : sub->get_options())
            if (o->get_positional()) o->type_name("");
    }
}

constexpr const char* spiegazione_sources = R"(Scrive in CARTELLA i testi sorgente della linea e del treno dello scenario
incorporato, Vordano_Seli_linea.txt e Vordano_Seli_4936-.txt, identici byte
per byte a quelli che scrive crea_scenario, e stampa il percorso di ciascuno.
Si parte da lì per uno scenario proprio. Un testo già presente, magari
modificato, non viene mai sostituito senza --force: in quel caso non si
scrive nulla e lo stato di uscita è 2.)";

void aggiungi_sources(CLI::App& app, scenario::OpzioniSources& o, int& stato, scenario::Rapporto& r) {
    auto* sub = app.add_subcommand("sources", "Scrive i testi sorgente dello scenario incorporato, da cui partire.");
    sub->footer(spiegazione_sources);
    scenario::aggiungi_percorso(sub, "CARTELLA", o.cartella,
                                "Cartella in cui scrivere (predefinita: quella corrente); creata se manca");
    sub->add_flag("--force", o.forza, "Sostituisce i testi già presenti in CARTELLA (senza, nessun file è toccato)");
    sub->callback([&o, &stato, &r] { stato = scenario::esegui_sources(o, r); });
}

constexpr const char* spiegazione_compile = R"(Compila un testo LINEA e un testo TRENO nei file che il simulatore carica, con
lo stesso compilatore di crea_scenario: PERCORSO_linea.dat (geometria, salvo
--no-geometry), PERCORSO_NUMERO.sim (tabella dello scenario) e
PERCORSO_NUMERO.dat (celle), scritti in CARTELLA insieme: o tutti nuovi, o
restano tutti i vecchi. LINEA e TRENO non vengono mai modificati; ciascuno
deve essere un file regolare di al massimo 64 MiB, letto prima di scrivere.
Percorso e treno sono parti di nomi di file, mai percorsi.

Errori e avvisi vanno sullo standard error come FILE:RIGA:COLONNA: errore N:
... o FILE:RIGA:COLONNA: avviso: ..., con la riga, un ^ sotto il campo e un
suggerimento (docs/FORMATO.md li descrive tutti).

Stato di uscita: 0 compilato senza guasti; 1 guasto registrato (file scritti
come li scrive il compilatore, o nessuno se non si è potuta creare la griglia
di celle), o un avviso con --werror; 2 riga di comando errata; 3 " Errore n.
1250/1251" ha fermato la compilazione (nessun file compilato); 4 un file non
si è potuto leggere o scrivere (nessun file compilato sostituito): il
messaggio ne dà il percorso completo, il numero e il testo del sistema.)";

// The arguments and options compile and check share.
void opzioni_comuni(CLI::App* sub, scenario::OpzioniCompile& o) {
    scenario::aggiungi_percorso(sub, "LINEA", o.linea, "Testo sorgente della linea, per esempio Vordano_Seli_linea.txt")
        ->required();
    scenario::aggiungi_percorso(sub, "TRENO", o.treno, "Testo sorgente del treno, per esempio Vordano_Seli_4936-.txt")
        ->required();
    sub->add_option("--route", o.percorso, "Nome del percorso (predefinito: il nome di LINEA senza \"_linea.txt\")")
        ->type_name("NOME");
    sub->add_option("--train", o.numero,
                    "Numero del treno (predefinito: dal nome di TRENO, PERCORSO_NUMERO-.txt)")
        ->type_name("NUMERO");
    sub->add_flag("--no-geometry", o.senza_geometria, "Non costruisce e non scrive il file della geometria");
    sub->add_flag("--json", o.json,
                  "Stampa un solo oggetto JSON, qualunque sia l'esito: codice_errore, posizione_errore, errore "
                  "(null, \"1250\" o \"1251\"), files (nomi scritti, in ordine), stato (lo stato di uscita), "
                  "messaggi (ogni messaggio dato sullo standard error, in ordine), diagnostica (ogni errore e "
                  "avviso: file, riga, colonna, livello, codice, metro, messaggio, suggerimento), guasto_file (null, "
                  "o il file che non si è potuto leggere o scrivere: file, il suo percorso completo; codice e "
                  "messaggio, il numero e il testo del sistema; spiegazione)");
    sub->add_flag("--werror", o.avvisi_come_errori, "Tratta gli avvisi come errori: un avviso termina con stato 1");
}

void aggiungi_compile(CLI::App& app, scenario::OpzioniCompile& o, int& stato, scenario::Rapporto& r) {
    auto* sub = app.add_subcommand("compile", "Compila i propri testi sorgente della linea e del treno.");
    sub->footer(spiegazione_compile);
    opzioni_comuni(sub, o);
    scenario::aggiungi_percorso(sub, "-o,--output", o.uscita,
                                "Cartella dei file compilati (predefinita: quella corrente)")
        ->type_name("CARTELLA")
        ->check(scenario::cartella_esistente());
    sub->callback([&o, &stato, &r] { stato = scenario::esegui_compile(o, r); });
}

constexpr const char* spiegazione_check = R"(Legge e compila LINEA e TRENO in memoria, come compile, e non scrive
nulla: stessi errori e avvisi (FILE:RIGA:COLONNA sullo standard error, con la
riga, un ^ sotto il campo e un suggerimento) e stessi stati di uscita. Pensato
per gli editor: risponde in pochi millisecondi. Il formato dei testi e ogni
errore sono descritti in docs/FORMATO.md.

Stato di uscita: 0 nessun errore; 1 un errore nei dati dello scenario (o un
avviso, con --werror); 2 riga di comando errata; 3 " Errore n. 1250/1251"
avrebbe fermato la compilazione; 4 un testo non si è potuto leggere.)";

void aggiungi_check(CLI::App& app, scenario::OpzioniCompile& o, int& stato, scenario::Rapporto& r) {
    auto* sub = app.add_subcommand("check", "Controlla i testi sorgente, come compile, senza scrivere nulla.");
    sub->footer(spiegazione_check);
    opzioni_comuni(sub, o);
    sub->callback([&o, &stato, &r] { stato = scenario::esegui_check(o, r); });
}

// CLI11 would only say that a subcommand is required; name the unknown word.
bool comando_sconosciuto(const CLI::App& app, int argc, const char* const* argv, scenario::Rapporto& r) {
    if (argc < 2 || argv[1][0] == '-') return false;
    for (const CLI::App* sub : app.get_subcommands({}))
        if (sub->check_name(argv[1])) return false;
    r.messaggio(std::string("scenario: comando sconosciuto '") + argv[1] + "'");
    r.messaggio(suggerimento);
    return true;
}

// dump writes JSON of its own for --json; the one object of the report is for
// compile and check, and for a command line that names no command at all.
bool json_proprio(const CLI::App& app, int argc, const char* const* argv) {
    if (argc < 2 || argv[1][0] == '-') return false;
    for (const CLI::App* sub : app.get_subcommands({}))
        if (sub->check_name(argv[1])) return sub->get_name() != "compile" && sub->get_name() != "check";
    return false;
}

void uso_errato(scenario::Rapporto& r, const std::string& messaggio) {
    r.messaggio("scenario: " + messaggio);
    r.messaggio(suggerimento);
}

int esegui(int argc, const char* const* argv, scenario::Rapporto& r) {
    namespace uscita = scenario::uscita;
    CLI::App app{"scenario: lavora con gli scenari del simulatore di guida dei treni.", "scenario"};
    in_italiano(app);
    app.set_version_flag("--version", "scenario " + std::string(scenario::versione()), "Mostra la versione ed esce");
    app.require_subcommand(1);
    // On Windows CLI11 would take "/tmp/x" for an option "/tmp": a path is a path.
    app.allow_windows_style_options(false);
    scenario::OpzioniSources opzioni_sources;
    scenario::OpzioniCompile opzioni_compile;
    scenario::OpzioniCompile opzioni_check;
    int stato = uscita::successo;
    aggiungi_sources(app, opzioni_sources, stato, r);
    aggiungi_compile(app, opzioni_compile, stato, r);
    aggiungi_check(app, opzioni_check, stato, r);
    scenario::aggiungi_dump(app, stato);
    scenario::aggiungi_plot(app, stato);
    scenario::aggiungi_decompile(app, stato, r);
    comandi_in_italiano(app);
    r.usa_json(scenario::chiede_json(argc, argv) && !json_proprio(app, argc, argv));
    if (comando_sconosciuto(app, argc, argv, r)) return uscita::uso_errato;
    try {
        app.parse(argc, argv);
    } catch (const CLI::Success& e) {
        r.solo_testo();  // --help or --version: the text was asked for
        return app.exit(e);
    } catch (const CLI::ParseError& e) {
        uso_errato(r, e.what());
        return uscita::uso_errato;
    } catch (const scenario::UsoErrato& e) {
        uso_errato(r, e.messaggio);
        return uscita::uso_errato;
    } catch (const std::system_error& e) {
        r.guasto_file(e);
        return uscita::guasto_file;
    } catch (const std::exception& e) {
        r.messaggio(std::string("scenario: errore inatteso: ") + e.what());
        return uscita::guasto_file;
    }
    return stato;
}

}  // namespace

int main(int argc, char** argv) {
    const scenario::ConsoleUtf8 console;
    const std::vector<std::string> argomenti = scenario::argomenti_utf8(argc, argv);
    std::vector<const char*> puntatori;
    for (const std::string& a : argomenti) puntatori.push_back(a.c_str());
    scenario::Rapporto rapporto;
    return rapporto.concludi(esegui(static_cast<int>(puntatori.size()), puntatori.data(), rapporto));
}
