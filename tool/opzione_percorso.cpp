// Path options read as UTF-8.
#include "tool/opzione_percorso.h"

#include <system_error>

#include "platform/percorso_utf8.h"

namespace scenario {

CLI::Option* aggiungi_percorso(CLI::App* sub, std::string nome, std::filesystem::path& percorso,
                               std::string descrizione) {
    return sub->add_option_function<std::string>(
        std::move(nome), [&percorso](const std::string& testo) { percorso = percorso_da_utf8(testo); },
        std::move(descrizione));
}

CLI::Option* aggiungi_percorsi(CLI::App* sub, std::string nome, std::vector<std::filesystem::path>& percorsi,
                               std::string descrizione) {
    return sub->add_option_function<std::vector<std::string>>(
        std::move(nome),
        [&percorsi](const std::vector<std::string>& testi) {
            percorsi.clear();
            for (const std::string& t : testi) percorsi.push_back(percorso_da_utf8(t));
        },
        std::move(descrizione));
}

CLI::Validator cartella_esistente() {
    return CLI::Validator(
        [](std::string& testo) -> std::string {
            std::error_code ec;
            return std::filesystem::is_directory(percorso_da_utf8(testo), ec) ? "" : "cartella inesistente: " + testo;
        },
        "");
}

}  // namespace scenario
