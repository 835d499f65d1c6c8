// Disk files with whole-file replacement that never loses the old file.
#include "platform/archivio_disco.h"

#include <system_error>

namespace scenario {
namespace fs = std::filesystem;

namespace {

// Failures name the file the person knows, never the temporary beside it.
[[noreturn]] void fallisci(std::error_code ec, const fs::path& p) { throw std::system_error(ec, p.string()); }

}  // namespace

bool ArchivioDisco::esiste(const std::string& nome) {
    StatoFile stato;
    return !operazioni_->esamina(percorso(nome), stato) && stato.regolare;
}

std::optional<std::string> ArchivioDisco::leggi(const std::string& nome) {
    std::string dati;
    if (operazioni_->leggi(percorso(nome), dati)) return std::nullopt;
    return dati;
}

void ArchivioDisco::elimina(const std::string& nome) {
    if (const std::error_code ec = operazioni_->elimina(percorso(nome))) fallisci(ec, percorso(nome));
}

void ArchivioDisco::scrivi(const std::string& nome, std::string_view dati) {
    const fs::path finale = percorso(nome);
    // Root ignores permission bits, and a rename ignores them too, so a
    // read-only older file is recognised here. A file whose state cannot be
    // read might be read-only: it is not replaced either.
    StatoFile stato;
    if (const std::error_code ec = operazioni_->esamina(finale, stato)) fallisci(ec, finale);
    if (stato.sola_lettura) fallisci(std::make_error_code(std::errc::permission_denied), finale);

    fs::path temporaneo = finale;
    temporaneo += ".tmp";
    std::error_code ec = scrivi_temporaneo(temporaneo, dati);
    if (!ec) ec = operazioni_->rinomina(temporaneo, finale);
    if (ec) {
        // The old file is untouched; only our own temporary must go.
        operazioni_->elimina(temporaneo);
        fallisci(ec, finale);
    }
}

// The new content, whole and on the device, under the temporary name.
std::error_code ArchivioDisco::scrivi_temporaneo(const fs::path& temporaneo, std::string_view dati) {
    std::FILE* f = nullptr;
    if (const std::error_code ec = operazioni_->apri(temporaneo, f)) return ec;
    std::error_code ec = operazioni_->scrivi(f, dati);
    if (!ec) ec = operazioni_->sincronizza(f);
    const std::error_code chiusura = operazioni_->chiudi(f);
    return ec ? ec : chiusura;
}

}  // namespace scenario
