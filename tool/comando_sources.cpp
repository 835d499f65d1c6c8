// The built-in source texts, taken from source_text/ and written through the
// same text-file procedure and names as the builder's; a user's edited texts
// are never replaced without --force.
#include "tool/comando_sources.h"

#include <system_error>
#include <vector>

#include "app/righe.h"
#include "app/stato_uscita.h"
#include "compiler/nomi_file.h"
#include "platform/archivio_disco.h"
#include "platform/guasto_file.h"
#include "platform/percorso_utf8.h"
#include "source_text/testi_sorgente.h"

namespace scenario {
namespace fs = std::filesystem;

namespace {

// Anything at all under the name, a link or a folder included.
bool occupato(const fs::path& p) {
    std::error_code ec;
    return fs::symlink_status(p, ec).type() != fs::file_type::not_found;
}

void crea_cartella(const fs::path& cartella) {
    std::error_code ec;
    fs::create_directories(cartella, ec);
    if (ec) throw GuastoFile(ec, cartella);
}

}  // namespace

int esegui_sources(const OpzioniSources& o, Rapporto& r) {
    Stato nomi_incorporati;
    nomi_incorporati.nome_percorso = nome_percorso_incorporato;
    nomi_incorporati.numero_treno = numero_treno_incorporato;
    const std::vector<std::string> nomi = {nome_testo_linea(nomi_incorporati), nome_testo_treno(nomi_incorporati)};

    std::vector<std::string> presenti;
    for (const auto& nome : nomi)
        if (!o.forza && occupato(o.cartella / percorso_da_utf8(nome))) presenti.push_back(nome);
    for (const auto& nome : presenti)
        r.messaggio("scenario: " + utf8_di_percorso(o.cartella / percorso_da_utf8(nome)) + " esiste già");
    if (!presenti.empty()) {
        r.messaggio("scenario: nessun file scritto: --force li sostituisce.");
        return uscita::uso_errato;
    }

    crea_cartella(o.cartella);
    ArchivioDisco archivio(o.cartella);
    scrivi_testo(riempi_righe(righe_linea()), nomi[0], archivio);
    r.file_scritto(nomi[0], o.cartella / percorso_da_utf8(nomi[0]));
    scrivi_testo(riempi_righe(righe_treno()), nomi[1], archivio);
    r.file_scritto(nomi[1], o.cartella / percorso_da_utf8(nomi[1]));
    return uscita::successo;
}

}  // namespace scenario
