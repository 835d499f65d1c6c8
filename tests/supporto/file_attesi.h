// The built-in scenario's files as checked in under tests/attesi, for tests
// that need its texts without linking the area that writes them.
#pragma once

#include <filesystem>
#include <fstream>
#include <iterator>
#include <memory>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace scenario::test {

inline const std::string nome_linea_incorporata = "Vordano_Seli_linea.txt";
inline const std::string nome_treno_incorporato = "Vordano_Seli_4936-.txt";

// The whole file, bytes as checked in; empty when it is missing.
inline std::string file_atteso(const std::string& nome) {
    std::ifstream in(std::filesystem::path(CARTELLA_ATTESI) / nome, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// A text file's lines without their CR LF, as a table of views like the
// writers' own, held for the whole test run.
inline std::span<const std::string_view> righe_attese(const std::string& nome) {
    struct Righe {
        std::string testo;
        std::vector<std::string_view> righe;
    };
    static std::vector<std::unique_ptr<Righe>> tenute;
    auto r = std::make_unique<Righe>();
    r->testo = file_atteso(nome);
    std::string_view resto = r->testo;
    while (!resto.empty()) {
        const std::size_t fine = resto.find("\r\n");
        r->righe.push_back(resto.substr(0, fine));
        if (fine == std::string_view::npos) break;
        resto.remove_prefix(fine + 2);
    }
    tenute.push_back(std::move(r));
    return tenute.back()->righe;
}

}  // namespace scenario::test
