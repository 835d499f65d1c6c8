// Runs the scenario tool as a person would, and checks the promise of
// --json: one object on one line, its keys in order, its "stato" the exit
// status and its "messaggi" every line of standard error.
#pragma once

#include <filesystem>
#include <sstream>
#include <string>
#include <vector>

#include <nlohmann/json.hpp>

#include "tests/supporto/archivio_temporaneo.h"
#include "tests/supporto/esegui.h"

namespace scenario::test {

struct Risposta {
    int stato;
    std::string uscita;  // standard output
    std::string errori;  // standard error
};

// `scenario ARGOMENTI`, its output kept in `lavoro`.
inline Risposta chiedi_a_scenario(const std::string& argomenti, const std::filesystem::path& lavoro) {
    const std::filesystem::path out = lavoro / "out.txt";
    const std::filesystem::path err = lavoro / "err.txt";
    const int stato = esegui(tra_virgolette(SCENARIO_EXE) + " " + argomenti + " > " + tra_virgolette(out), err);
    return {stato, leggi_file(out), leggi_file(err)};
}

// The lines of a text, without their ends (LF or CR LF).
inline std::vector<std::string> righe_di(const std::string& testo) {
    std::vector<std::string> righe;
    std::istringstream in(testo);
    for (std::string riga; std::getline(in, riga);) {
        if (!riga.empty() && riga.back() == '\r') riga.pop_back();
        righe.push_back(riga);
    }
    return righe;
}

// What breaks the promise, one line each; empty when nothing does.
inline std::string difetti_json(const Risposta& r) {
    const auto righe = righe_di(r.uscita);
    if (righe.size() != 1) return "standard output has " + std::to_string(righe.size()) + " lines:\n" + r.uscita;
    const auto j = nlohmann::ordered_json::parse(righe[0], nullptr, false);
    if (!j.is_object()) return "not one JSON object: " + righe[0];
    std::vector<std::string> chiavi;
    for (const auto& [chiave, valore] : j.items()) chiavi.push_back(chiave);
    const std::vector<std::string> attese = {"codice_errore", "posizione_errore", "errore", "files",
                                             "stato",         "messaggi",         "diagnostica", "guasto_file"};
    std::string difetti;
    if (chiavi != attese) difetti += "keys out of order or missing: " + righe[0] + "\n";
    if (j.value("stato", -1) != r.stato) difetti += "stato is not the exit status " + std::to_string(r.stato) + "\n";
    if (!j.contains("messaggi") || j["messaggi"] != nlohmann::json(righe_di(r.errori)))
        difetti += "messaggi is not standard error:\n" + r.errori;
    // A failed file, and only that, ends with status 4.
    if (j.contains("guasto_file") && j["guasto_file"].is_null() == (r.stato == 4))
        difetti += "guasto_file does not match status " + std::to_string(r.stato) + "\n";
    return difetti;
}

}  // namespace scenario::test
