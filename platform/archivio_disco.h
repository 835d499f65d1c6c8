// Files of one folder on disk, as the compiler and the text writers see them.
#pragma once

#include <filesystem>

#include "compiler/archivio.h"
#include "platform/operazioni_file.h"

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
    // Writes a temporary file beside the old one and renames it over it, so a
    // failure at any point leaves either the old file or the new one, whole.
    // An older file without write permission is refused, even for root.
    void scrivi(const std::string& nome, std::string_view dati) override;

    // Full path of a name: the folder joined with the platform's separator.
    std::filesystem::path percorso(const std::string& nome) const { return cartella_ / nome; }

private:
    std::error_code scrivi_temporaneo(const std::filesystem::path& temporaneo, std::string_view dati);

    std::filesystem::path cartella_;
    OperazioniFile* operazioni_;
};

}  // namespace scenario
