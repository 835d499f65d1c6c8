// Source texts by path, compiled files into the output folder.
#include "tool/archivio_compilazione.h"

namespace scenario {

const std::filesystem::path* ArchivioCompilazione::sorgente(const std::string& nome) const {
    if (nome == nome_linea_) return &linea_;
    if (nome == nome_treno_) return &treno_;
    return nullptr;
}

// A source text is read as any disk file is, from its own folder.
bool ArchivioCompilazione::esiste(const std::string& nome) {
    const auto* p = sorgente(nome);
    return p && ArchivioDisco(p->parent_path()).esiste(p->filename().string());
}

std::optional<std::string> ArchivioCompilazione::leggi(const std::string& nome) {
    const auto* p = sorgente(nome);
    if (!p) return std::nullopt;
    return ArchivioDisco(p->parent_path()).leggi(p->filename().string());
}

void ArchivioCompilazione::scrivi(const std::string& nome, std::string_view dati) {
    uscita_.scrivi(nome, dati);
    scritti_.push_back(nome);
}

}  // namespace scenario
