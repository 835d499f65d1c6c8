// Files of one folder on disk, as the compiler and the text writers see them.
#pragma once

#include <filesystem>

#include "compiler/archivio.h"

namespace scenario {

class ArchivioDisco final : public Archivio {
public:
    explicit ArchivioDisco(std::filesystem::path cartella) : cartella_(std::move(cartella)) {}

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
    std::filesystem::path cartella_;
};

}  // namespace scenario
