// A scratch folder on disk for tests that need real files; removed at the end.
#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>
#include <string>

namespace scenario::test {

class CartellaTemporanea {
public:
    CartellaTemporanea() {
        std::random_device rd;
        percorso_ = std::filesystem::temp_directory_path() / ("scenario_test_" + std::to_string(rd()));
        std::filesystem::create_directories(percorso_);
    }
    ~CartellaTemporanea() {
        std::error_code ec;
        std::filesystem::permissions(percorso_, std::filesystem::perms::owner_all, ec);
        std::filesystem::remove_all(percorso_, ec);
    }
    CartellaTemporanea(const CartellaTemporanea&) = delete;
    CartellaTemporanea& operator=(const CartellaTemporanea&) = delete;

    const std::filesystem::path& percorso() const { return percorso_; }
    std::filesystem::path operator/(const std::string& nome) const { return percorso_ / nome; }

private:
    std::filesystem::path percorso_;
};

inline std::string leggi_file(const std::filesystem::path& p) {
    std::ifstream in(p, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// What a program printed, with Windows' CR LF line ends read as LF.
inline std::string senza_cr(std::string testo) {
    std::erase(testo, '\r');
    return testo;
}

inline void scrivi_file(const std::filesystem::path& p, const std::string& dati) {
    std::ofstream out(p, std::ios::binary | std::ios::trunc);
    out << dati;
}

// Names of the regular files in a folder, sorted.
inline std::vector<std::string> nomi_in(const std::filesystem::path& cartella) {
    std::vector<std::string> nomi;
    for (const auto& e : std::filesystem::directory_iterator(cartella))
        if (e.is_regular_file()) {
            const std::u8string nome = e.path().filename().u8string();
            nomi.emplace_back(nome.begin(), nome.end());
        }
    std::sort(nomi.begin(), nomi.end());
    return nomi;
}

}  // namespace scenario::test
