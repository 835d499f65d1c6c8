// Compiles a user's scenario and tells the user how it went: a line per file
// written, the fault report on standard error, or one JSON object.
#include "tool/comando_compile.h"

#include <iostream>
#include <nlohmann/json.hpp>

#include "app/stato_uscita.h"
#include "compiler/compilatore.h"
#include "compiler/guasti.h"
#include "tool/archivio_compilazione.h"

namespace scenario {
namespace {

constexpr std::string_view suffisso_linea = "_linea.txt";
constexpr std::string_view suffisso_treno = "-.txt";

bool finisce_con(const std::string& s, std::string_view fine) {
    return s.size() >= fine.size() && s.compare(s.size() - fine.size(), fine.size(), fine) == 0;
}

std::string nome_o_uso_errato(const std::optional<std::string>& dato, const std::optional<std::string>& dedotto,
                              const char* messaggio) {
    if (dato) return *dato;
    if (dedotto) return *dedotto;
    throw UsoErrato{messaggio};
}

const char* testo_esito(Esito e) {
    switch (e) {
        case Esito::errore_1250: return "1250";
        case Esito::errore_1251: return "1251";
        case Esito::completato: break;
    }
    return nullptr;
}

void stampa_json(const Stato& s, Esito esito, const std::vector<std::string>& scritti) {
    nlohmann::ordered_json j;  // keys in the documented order
    j["codice_errore"] = s.codice_errore;
    j["posizione_errore"] = s.posizione_errore;
    const char* errore = testo_esito(esito);
    j["errore"] = errore ? nlohmann::ordered_json(errore) : nlohmann::ordered_json(nullptr);
    j["files"] = scritti;
    std::cout << j.dump() << '\n';
}

void stampa_elenco(const std::vector<std::string>& scritti, const std::filesystem::path& uscita) {
    for (const auto& nome : scritti) std::cout << (uscita / nome).string() << '\n';
}

// Faults and `errore` always go to standard error, whatever stdout carries.
void stampa_guasti(const Stato& s, Esito esito) {
    if (const char* errore = testo_esito(esito)) std::cerr << testo_errore(errore) << '\n';
    if (s.codice_errore > 0) std::cerr << rapporto_guasto(s.codice_errore, s.posizione_errore) << '\n';
    if (esito != Esito::completato || s.griglia_creata) return;
    if (s.codice_errore == 0) std::cerr << "scenario: the line text has no route length line.\n";
    std::cerr << "scenario: no cell grid was made, so no compiled file was written.\n";
}

int stato_uscita(const Stato& s, Esito esito) {
    if (esito != Esito::completato) return uscita::errore_fatale;
    // No grid means no file: never a success, even without a fault number.
    const bool riuscita = s.codice_errore == 0 && s.griglia_creata;
    return riuscita ? uscita::successo : uscita::guasto_registrato;
}

}  // namespace

std::optional<std::string> percorso_da_nome(const std::string& nome_linea) {
    if (!finisce_con(nome_linea, suffisso_linea) || nome_linea.size() == suffisso_linea.size()) return std::nullopt;
    return nome_linea.substr(0, nome_linea.size() - suffisso_linea.size());
}

std::optional<std::string> treno_da_nome(const std::string& nome_treno, const std::string& percorso) {
    const std::string inizio = percorso + "_";
    if (nome_treno.rfind(inizio, 0) != 0 || !finisce_con(nome_treno, suffisso_treno)) return std::nullopt;
    if (nome_treno.size() <= inizio.size() + suffisso_treno.size()) return std::nullopt;
    return nome_treno.substr(inizio.size(), nome_treno.size() - inizio.size() - suffisso_treno.size());
}

int esegui_compile(const OpzioniCompile& o) {
    Stato s;
    s.nome_percorso = nome_o_uso_errato(o.percorso, percorso_da_nome(o.linea.filename().string()),
                                        "--route is required: LINE's name does not end in \"_linea.txt\"");
    s.numero_treno = nome_o_uso_errato(o.numero, treno_da_nome(o.treno.filename().string(), s.nome_percorso),
                                       "--train is required: TRAIN's name is not ROUTE_NUMBER-.txt");
    ArchivioCompilazione archivio(nome_testo_linea(s), o.linea, nome_testo_treno(s), o.treno, o.uscita);
    std::int32_t geometria = o.senza_geometria ? 0 : 1;
    const Esito esito = memorizza_percorso(s, archivio, geometria);
    if (o.json) stampa_json(s, esito, archivio.scritti());
    else stampa_elenco(archivio.scritti(), o.uscita);
    stampa_guasti(s, esito);
    return stato_uscita(s, esito);
}

}  // namespace scenario
