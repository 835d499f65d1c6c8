// The tool's messages and its one JSON object.
#include "tool/rapporto.h"

#include <cstdio>
#include <iostream>
#include <string_view>

#include "platform/descrizione_guasto.h"
#include "platform/percorso_utf8.h"

namespace scenario {
namespace fs = std::filesystem;

void Rapporto::messaggio(std::string riga) {
    std::cerr << riga << '\n' << std::flush;
    messaggi_.push_back(std::move(riga));
}

void Rapporto::file_scritto(const std::string& nome, const fs::path& percorso) {
    file_.push_back(nome);
    if (!json_) std::cout << utf8_di_percorso(percorso) << '\n' << std::flush;
}

void Rapporto::esito_compilazione(int codice_errore, int posizione_errore, const char* errore) {
    codice_errore_ = codice_errore;
    posizione_errore_ = posizione_errore;
    errore_ = errore ? errore : "";
}

namespace {

// An empty text is null in the object.
nlohmann::ordered_json o_null(const std::string& testo) {
    return testo.empty() ? nlohmann::ordered_json(nullptr) : nlohmann::ordered_json(testo);
}

}  // namespace

void Rapporto::guasto_file(const std::system_error& e) {
    const DescrizioneGuasto d = descrivi_guasto(e);
    std::string riga = "scenario: ";
    if (!d.percorso.empty()) riga += d.percorso + ": ";
    riga += "errore " + std::to_string(d.numero) + ": " + d.testo;
    if (!d.spiegazione.empty()) riga += ": " + d.spiegazione;
    guasto_ = nlohmann::ordered_json::object();
    guasto_["file"] = o_null(d.percorso);
    guasto_["codice"] = d.numero;
    guasto_["messaggio"] = d.testo;
    guasto_["spiegazione"] = o_null(d.spiegazione);
    messaggio(std::move(riga));
}

nlohmann::ordered_json Rapporto::oggetto(int stato) const {
    nlohmann::ordered_json j;
    j["codice_errore"] = codice_errore_;
    j["posizione_errore"] = posizione_errore_;
    j["errore"] = errore_.empty() ? nlohmann::ordered_json(nullptr) : nlohmann::ordered_json(errore_);
    j["files"] = file_;
    j["stato"] = stato;
    j["messaggi"] = messaggi_;
    j["diagnostica"] = diagnostica_;
    j["guasto_file"] = guasto_;
    return j;
}

int Rapporto::concludi(int stato) {
    if (json_ && !solo_testo_) {
        // Names and messages are bytes from the person's files and command
        // line: a byte that is not UTF-8 becomes U+FFFD, never a crash.
        std::cout << oggetto(stato).dump(-1, ' ', false, nlohmann::ordered_json::error_handler_t::replace) << '\n'
                  << std::flush;
    }
    return stato;
}

bool chiede_json(int argc, const char* const* argv) {
    for (int i = 1; i < argc; ++i) {
        const std::string_view a = argv[i];
        if (a == "--") break;
        if (a == "--json") return true;
    }
    return false;
}

}  // namespace scenario
