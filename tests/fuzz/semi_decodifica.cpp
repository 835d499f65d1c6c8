// Seeds for the decoders' fuzz targets: compiles every input given on the
// command line as the compiler's fuzz target does and writes the compiled
// files it leaves into OUT/celle, OUT/tabella and OUT/tracciato. The seeds
// thus always have the layout the compiler writes today.
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <iterator>

#include "compiler/nomi_file.h"
#include "tests/fuzz/compila_ingresso.h"

namespace fs = std::filesystem;

namespace {

std::string contenuto(const fs::path& p) {
    std::ifstream in(p, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

void scrivi(const fs::path& p, const std::string& dati) {
    std::ofstream out(p, std::ios::binary | std::ios::trunc);
    out << dati;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 3) {
        std::cerr << "uso: semi_decodifica OUT INGRESSO...\n";
        return 2;
    }
    const fs::path out = argv[1];
    for (const char* cartella : {"celle", "tabella", "tracciato"}) fs::create_directories(out / cartella);
    for (int i = 2; i < argc; ++i) {
        const std::string dati = contenuto(argv[i]);
        const auto e = scenario::fuzz::compila_ingresso(dati);
        const std::string nome = fs::path(argv[i]).filename().string();
        const auto& f = e.archivio.file;
        const auto copia = [&](const std::string& compilato, const char* cartella) {
            if (f.contains(compilato)) scrivi(out / cartella / nome, f.at(compilato));
        };
        copia(scenario::nome_file_celle(e.s), "celle");
        copia(scenario::nome_tabella(e.s), "tabella");
        copia(scenario::nome_tracciato(e.s), "tracciato");
    }
    return 0;
}
