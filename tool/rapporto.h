// What one run of `scenario` tells the person: each message on standard
// error as it happens, and with --json exactly one object on standard output
// at the end, whatever the outcome, with every message in it as well.
#pragma once

#include <filesystem>
#include <string>
#include <system_error>
#include <vector>

#include <nlohmann/json.hpp>

namespace scenario {

class Rapporto {
public:
    // With --json (known once the command line's command is known), the
    // object at the end and no paths on standard output.
    void usa_json(bool json) { json_ = json; }

    // One line on standard error at once, kept for "messaggi".
    void messaggio(std::string riga);
    // A file the run put in place: named in "files"; without --json its
    // path goes on standard output.
    void file_scritto(const std::string& nome, const std::filesystem::path& percorso);
    // The compiler's outcome: `errore` is "1250", "1251" or null.
    void esito_compilazione(int codice_errore, int posizione_errore, const char* errore);
    // The compile's faults and warnings, as objects, for "diagnostica".
    void diagnostica(nlohmann::ordered_json elenco) { diagnostica_ = std::move(elenco); }
    // Help or version text went to standard output: no object after it.
    void solo_testo() { solo_testo_ = true; }

    // "scenario: FILE: errore N: TEXT", and the words that go with it; the
    // same parts for "guasto_file".
    void guasto_file(const std::system_error& e);

    // The object for --json, keys in the documented order.
    nlohmann::ordered_json oggetto(int stato) const;
    // Ends the run: prints the object when --json asked for it; returns `stato`.
    int concludi(int stato);

private:
    bool json_ = false;
    bool solo_testo_ = false;
    int codice_errore_ = 0;
    int posizione_errore_ = 0;
    std::string errore_;  // empty: null
    std::vector<std::string> file_;
    std::vector<std::string> messaggi_;
    nlohmann::ordered_json diagnostica_ = nlohmann::ordered_json::array();
    nlohmann::ordered_json guasto_ = nullptr;  // the file that could not be read or written
};

// True when the command line asks for --json anywhere, so that even a line
// the parser refuses is answered with an object.
bool chiede_json(int argc, const char* const* argv);

}  // namespace scenario
