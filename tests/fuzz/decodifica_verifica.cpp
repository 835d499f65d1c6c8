// Decodes, then re-encodes with the compiler's own encoders: any byte the
// decoder lost, invented or misread shows as a difference.
#include "tests/fuzz/decodifica_verifica.h"

#include "compiler/codifica.h"
#include "compiler/decodifica_celle.h"
#include "compiler/decodifica_insieme.h"
#include "compiler/decodifica_tabella.h"
#include "compiler/decodifica_tracciato.h"
#include "compiler/nomi_file.h"

namespace scenario::fuzz {
namespace {

struct Esito {
    std::optional<Difetto> difetto;
    std::string ricodificato;
    std::string regola;  // a decoded value that contradicts another
};

Esito decodifica(FileCompilato f, std::string_view dati) {
    Stato s;
    switch (f) {
        case FileCompilato::celle: {
            auto r = decodifica_celle(dati);
            if (r.difetto) return {r.difetto, {}, {}};
            s.numero_celle = static_cast<std::int32_t>(r.dati.size()) - 1;
            s.celle = std::move(r.dati);
            return {std::nullopt, codifica_celle(s), {}};
        }
        case FileCompilato::tabella: {
            auto r = decodifica_tabella(dati);
            if (r.difetto) return {r.difetto, {}, {}};
            s.voci = std::move(r.dati);
            return {std::nullopt, codifica_voci(s), {}};
        }
        case FileCompilato::tracciato: {
            auto r = decodifica_tracciato(dati);
            if (r.difetto) return {r.difetto, {}, {}};
            if (r.dati.elementi.size() != 2 * (static_cast<std::size_t>(r.dati.lunghezza_estesa) + 1)) {
                return {std::nullopt, {}, "lunghezza_estesa does not fit the elements"};
            }
            return {std::nullopt, codifica_elementi(r.dati.elementi), {}};
        }
    }
    return {};
}

}  // namespace

std::string decodifica_e_verifica(FileCompilato f, std::string_view dati) {
    const Esito e = decodifica(f, dati);
    if (!e.regola.empty()) return e.regola;
    if (e.difetto) {
        if (e.difetto->posizione > dati.size()) return "a defect past the end: " + messaggio_difetto(*e.difetto);
        if (nome_controllo(e.difetto->controllo) == "?" || e.difetto->dettaglio.empty()) return "an unnamed defect";
        return {};
    }
    if (e.ricodificato != dati) return "accepted bytes that do not encode back to themselves";
    return {};
}

std::string verifica_compilato(FileCompilato f, std::string_view dati) {
    const Esito e = decodifica(f, dati);
    if (e.difetto) return "the decoder refuses a compiled file: " + messaggio_difetto(*e.difetto);
    return decodifica_e_verifica(f, dati);
}

std::string verifica_compilati(const std::map<std::string, std::string>& f, const Stato& s) {
    const std::pair<std::string, FileCompilato> file[] = {{nome_file_celle(s), FileCompilato::celle},
                                                          {nome_tabella(s), FileCompilato::tabella},
                                                          {nome_tracciato(s), FileCompilato::tracciato}};
    for (const auto& [nome, formato] : file) {
        if (!f.contains(nome)) continue;
        if (std::string e = verifica_compilato(formato, f.at(nome)); !e.empty()) return nome + ": " + e;
    }
    if (!f.contains(nome_tabella(s))) return {};
    const Voci voci = decodifica_tabella(f.at(nome_tabella(s))).dati;
    std::optional<Difetto> d;
    if (f.contains(nome_file_celle(s))) {
        d = verifica_celle_con_tabella(decodifica_celle(f.at(nome_file_celle(s))).dati, voci);
    }
    if (!d && f.contains(nome_tracciato(s))) {
        d = verifica_tracciato_con_tabella(decodifica_tracciato(f.at(nome_tracciato(s))).dati, voci);
    }
    return d ? "the compiled files do not fit together: " + messaggio_difetto(*d) : std::string();
}

}  // namespace scenario::fuzz
