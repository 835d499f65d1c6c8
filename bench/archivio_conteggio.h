// An archive for the benchmarks: the source texts held in memory, the
// compiled files counted and dropped, so that a run measures the compile and
// its encoders and not the keeping of 20 MB of output.
#pragma once

#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <string_view>

#include "compiler/archivio.h"

namespace scenario::bench {

// Counts the bytes it is given and keeps none.
class DestinazioneConteggio final : public Destinazione {
public:
    void scrivi(std::string_view pezzo) override { byte_ += pezzo.size(); }
    std::uint64_t byte() const { return byte_; }

private:
    std::uint64_t byte_ = 0;
};

class ArchivioConteggio final : public Archivio {
public:
    // Puts a source text in place (the compile deletes it after reading).
    void metti(const std::string& nome, const std::string& testo) { testi_[nome] = testo; }
    std::uint64_t byte_scritti() const { return scritti_.byte(); }

    bool esiste(const std::string& nome) override { return testi_.contains(nome); }
    std::optional<std::string> leggi(const std::string& nome) override {
        const auto it = testi_.find(nome);
        if (it == testi_.end()) return std::nullopt;
        return it->second;
    }
    void elimina(const std::string& nome) override { testi_.erase(nome); }
    void scrivi(const std::string&, std::string_view dati) override { scritti_.scrivi(dati); }
    void scrivi_insieme(std::span<const FileNuovo> file) override {
        for (const FileNuovo& f : file) f.contenuto(scritti_);
    }

private:
    std::map<std::string, std::string> testi_;
    DestinazioneConteggio scritti_;
};

}  // namespace scenario::bench
