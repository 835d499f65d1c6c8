// Files of one folder on disk, as the compiler and the text writers see them.
// Names are UTF-8, as every file name the programs hold; the compiler's own
// names (Windows-1252) are converted by whoever hands them over (the
// builder's are plain ASCII, the same text in both).
#pragma once

#include <filesystem>

#include "compiler/archivio.h"
#include "platform/lotto_file.h"
#include "platform/operazioni_file.h"
#include "platform/percorso_utf8.h"

namespace scenario {

// When the folder is synced after a change's renames: at once, or once for
// several changes, when the run asks (sincronizza) or the archive goes. Each
// file is synced before it replaces the older one either way, so a crash
// leaves either name whole; what waits is only the folder's record of the
// renames, and the builder makes six changes one after the other.
enum class SincroniaCartella { a_ogni_cambio, a_richiesta };

class ArchivioDisco final : public Archivio {
public:
    // `operazioni` must outlive the archive; tests pass their own to make
    // chosen system calls fail.
    explicit ArchivioDisco(std::filesystem::path cartella, OperazioniFile& operazioni = operazioni_di_sistema(),
                           SincroniaCartella sincronia = SincroniaCartella::a_ogni_cambio)
        : cartella_(std::move(cartella)), operazioni_(&operazioni), sincronia_(sincronia) {}
    // A folder still unsynced is synced now, its failure dropped: this runs
    // when a failure already ends the run, and that one is reported.
    ~ArchivioDisco() override;
    ArchivioDisco(const ArchivioDisco&) = delete;
    ArchivioDisco& operator=(const ArchivioDisco&) = delete;

    bool esiste(const std::string& nome) override;
    std::optional<std::string> leggi(const std::string& nome) override;
    void elimina(const std::string& nome) override;
    // Writes a new temporary beside the old file and renames it over it, so a
    // failure at any point leaves either the old file or the new one, whole.
    // An older file without write permission is refused, even for root.
    // Failures throw GuastoFile.
    void scrivi(const std::string& nome, std::string_view dati) override;
    // The same for several files at once: the folder then holds either every
    // older file or every new one.
    void scrivi_insieme(std::span<const FileNuovo> file) override;
    // With a_richiesta: syncs the folder if a change since the last sync
    // renamed anything in it. Throws GuastoFile naming the folder.
    void sincronizza() override;

    // Full path of a name (UTF-8): the folder joined with the platform's separator.
    std::filesystem::path percorso(const std::string& nome) const { return cartella_ / percorso_da_utf8(nome); }

private:
    void sostituisci(LottoFile& lotto);

    std::filesystem::path cartella_;
    OperazioniFile* operazioni_;
    SincroniaCartella sincronia_;
    bool da_sincronizzare_ = false;
};

}  // namespace scenario
