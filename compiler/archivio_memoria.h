// An archive held in memory: the files by name, and the names written and
// removed in order, so tests and the fuzzer compile without a disk.
#pragma once

#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "compiler/archivio.h"

namespace scenario {

class ArchivioMemoria final : public Archivio {
public:
    std::map<std::string, std::string> file;
    std::vector<std::string> scritti;   // every write, in order, repeats included
    std::vector<std::string> eliminati;  // every removal asked for, in order, present or not

    bool esiste(const std::string& nome) override { return file.contains(nome); }

    std::optional<std::string> leggi(const std::string& nome) override {
        const auto it = file.find(nome);
        if (it == file.end()) return std::nullopt;
        return it->second;
    }

    void elimina(const std::string& nome) override {
        file.erase(nome);
        eliminati.push_back(nome);
    }

    void scrivi(const std::string& nome, std::string_view dati) override {
        file[nome] = std::string(dati);
        scritti.push_back(nome);
    }
};

}  // namespace scenario
