// scrivi_generato: writes a generated scenario's two source texts into a
// folder, so that bench/misura.sh can time `scenario compile` on them as a
// person would run it. Usage: scrivi_generato LUNGHEZZA CARTELLA [SEME]
#include <charconv>
#include <cstdint>
#include <exception>
#include <filesystem>
#include <iostream>
#include <string_view>

#include "bench/generatore/generatore_scenari.h"
#include "bench/nomi_generati.h"
#include "platform/archivio_disco.h"

namespace {

template <typename T>
bool numero(std::string_view testo, T& valore) {
    const auto [fine, ec] = std::from_chars(testo.data(), testo.data() + testo.size(), valore);
    return ec == std::errc{} && fine == testo.data() + testo.size();
}

}  // namespace

int main(int argc, char** argv) {
    using namespace scenario;
    std::int32_t lunghezza = 0;
    std::uint64_t seme = 1;
    if (argc < 3 || argc > 4 || !numero(argv[1], lunghezza) || lunghezza < 0 ||
        (argc == 4 && !numero(argv[3], seme))) {
        std::cerr << "uso: scrivi_generato LUNGHEZZA CARTELLA [SEME]\n";
        return 2;
    }
    try {
        const auto g = generatore::genera(generatore::misura_proporzionata(lunghezza), {seme});
        ArchivioDisco cartella{std::filesystem::path(argv[2])};
        cartella.scrivi(bench::nome_linea_generata, g.linea);
        cartella.scrivi(bench::nome_treno_generato, g.treno);
    } catch (const std::exception& e) {
        std::cerr << "scrivi_generato: " << e.what() << '\n';
        return 4;
    }
    return 0;
}
