// Source texts from memory, compiled files into the output folder (or nowhere).
#include "tool/archivio_compilazione.h"

#include <utility>
#include <vector>

#include "tool/testo_1252.h"

namespace scenario {

ArchivioCompilazione::ArchivioCompilazione(std::map<std::string, std::string> sorgenti,
                                           const std::optional<std::filesystem::path>& uscita) {
    for (auto& [nome, testo] : sorgenti) sorgenti_.emplace(nome, std::move(testo));
    if (uscita) uscita_.emplace(*uscita);
}

std::optional<std::string> ArchivioCompilazione::leggi(const std::string& nome) {
    const auto it = sorgenti_.find(nome);
    if (it == sorgenti_.end()) return std::nullopt;
    return std::exchange(it->second, std::nullopt);
}

// The compiler names its files in the scenario's Windows-1252 (the route and
// train as the table holds them); the disk wants the same characters as UTF-8.
void ArchivioCompilazione::scrivi(const std::string& nome, std::string_view dati) {
    if (!uscita_) return;
    const std::string nome_file = utf8_da_1252(nome);
    uscita_->scrivi(nome_file, dati);
    scritti_.push_back(nome_file);
}

void ArchivioCompilazione::scrivi_insieme(std::span<const FileNuovo> file) {
    if (!uscita_) return;
    if (prima_di_scrivere_) prima_di_scrivere_();
    std::vector<FileNuovo> su_disco(file.begin(), file.end());
    for (FileNuovo& f : su_disco) f.nome = utf8_da_1252(f.nome);
    uscita_->scrivi_insieme(su_disco);
    for (const FileNuovo& f : su_disco) scritti_.push_back(f.nome);
}

}  // namespace scenario
