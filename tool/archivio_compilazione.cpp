// Source texts from memory, compiled files into the output folder (or nowhere).
#include "tool/archivio_compilazione.h"

namespace scenario {

std::optional<std::string> ArchivioCompilazione::leggi(const std::string& nome) {
    const auto it = sorgenti_.find(nome);
    if (it == sorgenti_.end()) return std::nullopt;
    return it->second;
}

void ArchivioCompilazione::scrivi(const std::string& nome, std::string_view dati) {
    if (!uscita_) return;
    uscita_->scrivi(nome, dati);
    scritti_.push_back(nome);
}

void ArchivioCompilazione::scrivi_insieme(std::span<const FileNuovo> file) {
    if (!uscita_) return;
    uscita_->scrivi_insieme(file);
    for (const FileNuovo& f : file) scritti_.push_back(f.nome);
}

}  // namespace scenario
