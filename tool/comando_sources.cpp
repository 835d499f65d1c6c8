// The built-in source texts, written through the builder's own writers; a
// user's edited texts are never replaced without --force.
#include "tool/comando_sources.h"

#include <system_error>
#include <vector>

#include "app/form1.h"
#include "app/stato_uscita.h"
#include "compiler/nomi_file.h"
#include "platform/archivio_disco.h"
#include "platform/finestra.h"
#include "platform/guasto_file.h"

namespace scenario {
namespace fs = std::filesystem;

namespace {

// The writers belong to the run record; this one never shows anything.
class FinestraNascosta final : public Finestra {
public:
    void mostra() override {}
    void ridisegna() override {}
    void distruggi() override {}
};

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
    FinestraNascosta finestra;
    ArchivioDisco archivio(o.cartella);
    Form1 form(finestra, archivio);
    form.nome_percorso = "Vordano_Seli";
    form.numero_treno = "4936";
    const std::vector<std::string> nomi = {nome_testo_linea(form), nome_testo_treno(form)};

    std::vector<std::string> presenti;
    for (const auto& nome : nomi)
        if (!o.forza && occupato(o.cartella / nome)) presenti.push_back(nome);
    for (const auto& nome : presenti) r.messaggio("scenario: " + (o.cartella / nome).string() + " esiste gia'");
    if (!presenti.empty()) {
        r.messaggio("scenario: nessun file scritto: --force li sostituisce.");
        return uscita::uso_errato;
    }

    crea_cartella(o.cartella);
    form.dati_linea();
    r.file_scritto(nomi[0], o.cartella / nomi[0]);
    form.dati_treno();
    r.file_scritto(nomi[1], o.cartella / nomi[1]);
    return uscita::successo;
}

}  // namespace scenario
