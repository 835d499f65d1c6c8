// The files of `scenario compile`: the two source texts come from wherever the
// user keeps them and are never deleted; the compiled files go to one folder.
#pragma once

#include <filesystem>
#include <string>
#include <vector>

#include "platform/archivio_disco.h"

namespace scenario {

class ArchivioCompilazione final : public Archivio {
public:
    ArchivioCompilazione(std::string nome_linea, std::filesystem::path linea, std::string nome_treno,
                         std::filesystem::path treno, std::filesystem::path uscita)
        : nome_linea_(std::move(nome_linea)),
          linea_(std::move(linea)),
          nome_treno_(std::move(nome_treno)),
          treno_(std::move(treno)),
          uscita_(std::move(uscita)) {}

    bool esiste(const std::string& nome) override;
    std::optional<std::string> leggi(const std::string& nome) override;
    void elimina(const std::string&) override {}  // the user's texts stay
    void scrivi(const std::string& nome, std::string_view dati) override;

    const std::vector<std::string>& scritti() const { return scritti_; }

private:
    const std::filesystem::path* sorgente(const std::string& nome) const;

    std::string nome_linea_;
    std::filesystem::path linea_;
    std::string nome_treno_;
    std::filesystem::path treno_;
    ArchivioDisco uscita_;
    std::vector<std::string> scritti_;
};

}  // namespace scenario
