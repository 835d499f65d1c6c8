// Source texts by path, compiled files into the output folder.
#include "tool/archivio_compilazione.h"

#include <fstream>
#include <iterator>

namespace scenario {

const std::filesystem::path* ArchivioCompilazione::sorgente(const std::string& nome) const {
    if (nome == nome_linea_) return &linea_;
    if (nome == nome_treno_) return &treno_;
    return nullptr;
}

bool ArchivioCompilazione::esiste(const std::string& nome) {
    const auto* p = sorgente(nome);
    std::error_code ec;
    return p && std::filesystem::is_regular_file(*p, ec);
}

std::optional<std::string> ArchivioCompilazione::leggi(const std::string& nome) {
    const auto* p = sorgente(nome);
    if (!p) return std::nullopt;
    std::error_code ec;
    if (!std::filesystem::is_regular_file(*p, ec)) return std::nullopt;
    std::ifstream in(*p, std::ios::binary);
    if (!in) return std::nullopt;
    std::string dati{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    if (in.bad()) return std::nullopt;
    return dati;
}

void ArchivioCompilazione::scrivi(const std::string& nome, std::string_view dati) {
    uscita_.scrivi(nome, dati);
    scritti_.push_back(nome);
}

}  // namespace scenario
