// Disk files with whole-file replacement that never loses the old file.
#include "platform/archivio_disco.h"

#include "platform/guasto_file.h"

namespace scenario {

bool ArchivioDisco::esiste(const std::string& nome) {
    StatoFile stato;
    // A link counts: reading follows it, as reading a user's file should.
    return !operazioni_->esamina(percorso(nome), stato) && stato.esiste && !stato.cartella;
}

std::optional<std::string> ArchivioDisco::leggi(const std::string& nome) {
    std::string dati;
    if (operazioni_->leggi(percorso(nome), dati)) return std::nullopt;
    return dati;
}

void ArchivioDisco::elimina(const std::string& nome) {
    if (const std::error_code ec = operazioni_->elimina(percorso(nome))) throw GuastoFile(ec, percorso(nome));
}

void ArchivioDisco::scrivi(const std::string& nome, std::string_view dati) {
    LottoFile lotto(*operazioni_, cartella_);
    lotto.prepara(nome, dati);
    sostituisci(lotto);
}

void ArchivioDisco::scrivi_insieme(std::span<const FileNuovo> file) {
    LottoFile lotto(*operazioni_, cartella_);
    for (const FileNuovo& f : file) lotto.prepara(f.nome, [&f](Destinazione& d) { f.contenuto(d); });
    sostituisci(lotto);
}

// Noted as unsynced before the renames: a rename that fails half-way may
// already have changed the folder.
void ArchivioDisco::sostituisci(LottoFile& lotto) {
    const bool subito = sincronia_ == SincroniaCartella::a_ogni_cambio;
    if (!subito) da_sincronizzare_ = true;
    lotto.sostituisci(subito);
}

void ArchivioDisco::sincronizza() {
    if (!da_sincronizzare_) return;
    if (const std::error_code ec = operazioni_->sincronizza_cartella(cartella_)) throw GuastoFile(ec, cartella_);
    da_sincronizzare_ = false;
}

ArchivioDisco::~ArchivioDisco() {
    if (da_sincronizzare_) (void)operazioni_->sincronizza_cartella(cartella_);
}

}  // namespace scenario
