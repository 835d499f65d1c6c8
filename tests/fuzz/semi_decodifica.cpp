// Seeds for the decoders' fuzz targets: compiles every input given on the
// command line as the compiler's fuzz target does and writes the compiled
// files it leaves into OUT/celle, OUT/tabella and OUT/tracciato, and the
// three together (the geometry only when it is small) into OUT/decompila.
// The seeds thus always have the layout the compiler writes today.
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <iterator>
#include <map>

#include "compiler/nomi_file.h"
#include "tests/fuzz/compila_ingresso.h"

namespace fs = std::filesystem;

namespace {

constexpr std::size_t massimo_tracciato = 200000;  // the plan of a short route; the built-in one is 2 MB

std::string contenuto(const fs::path& p) {
    std::ifstream in(p, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

void scrivi(const fs::path& p, const std::string& dati) {
    std::ofstream out(p, std::ios::binary | std::ios::trunc);
    out << dati;
}

// The decompiler's input: cells, the separator, the table, and the geometry
// behind a second separator when it fits the fuzzer's input size.
std::string insieme(const std::map<std::string, std::string>& f, const scenario::Stato& s) {
    const std::string separatore(scenario::fuzz::separatore_testi);
    std::string dati = f.at(scenario::nome_file_celle(s)) + separatore + f.at(scenario::nome_tabella(s));
    const auto tracciato = f.find(scenario::nome_tracciato(s));
    if (tracciato != f.end() && tracciato->second.size() <= massimo_tracciato) dati += separatore + tracciato->second;
    return dati;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 3) {
        std::cerr << "uso: semi_decodifica OUT INGRESSO...\n";
        return 2;
    }
    const fs::path out = argv[1];
    for (const char* cartella : {"celle", "tabella", "tracciato", "decompila"}) fs::create_directories(out / cartella);
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
        if (f.contains(scenario::nome_file_celle(e.s)) && f.contains(scenario::nome_tabella(e.s)))
            scrivi(out / "decompila" / nome, insieme(f, e.s));
    }
    return 0;
}
