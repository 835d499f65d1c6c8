// The libFuzzer entry point of one decoder, chosen at build time by
// FILE_DECODIFICATO (0 cells, 1 table, 2 geometry); a broken rule stops the
// process like a crash, so libFuzzer keeps the input.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <string_view>

#include "tests/fuzz/decodifica_verifica.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* dati, std::size_t quanti) {
    const auto f = static_cast<scenario::fuzz::FileCompilato>(FILE_DECODIFICATO);
    const std::string regola = scenario::fuzz::decodifica_e_verifica(
        f, quanti == 0 ? std::string_view() : std::string_view(reinterpret_cast<const char*>(dati), quanti));
    if (!regola.empty()) {
        std::fprintf(stderr, "broken rule: %s\n", regola.c_str());
        __builtin_trap();
    }
    return 0;
}
