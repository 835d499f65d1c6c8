// Files of one folder on disk, as the compiler and the text writers see them.
// Names are UTF-8, as every file name the programs hold; the compiler's own
// names (Windows-1252) are converted by whoever hands them over (the
// builder's are plain ASCII, the same text in both).
#pragma once

#include <filesystem>

#include "compiler/archivio.h"
#include "platform/operazioni_file.h"
#include "platform/percorso_utf8.h"

namespace scenario {

class ArchivioDisco final : public Archivio {
public:
    // `operazioni` must outlive the archive; tests pass their own to make
    // chosen system calls fail.
    explicit ArchivioDisco(std::filesystem::path cartella, OperazioniFile& operazioni = operazioni_di_sistema())
        : cartella_(std::move(cartella)), operazioni_(&operazioni) {}

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

    // Full path of a name (UTF-8): the folder joined with the platform's separator.
    std::filesystem::path percorso(const std::string& nome) const { return cartella_ / percorso_da_utf8(nome); }

private:
    std::filesystem::path cartella_;
    OperazioniFile* operazioni_;
};

}  // namespace scenario
