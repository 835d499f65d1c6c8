// The libFuzzer entry point of the decompiler: any bytes as a cell file, a
// table and a geometry (decompila_verifica.h); a broken rule stops the
// process like a crash, so libFuzzer keeps the input.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <string_view>

#include "tests/fuzz/decompila_verifica.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* dati, std::size_t quanti) {
    const std::string_view ingresso =
        quanti == 0 ? std::string_view() : std::string_view(reinterpret_cast<const char*>(dati), quanti);
    const std::string regola = scenario::fuzz::decompila_e_verifica(scenario::fuzz::dividi_compilati(ingresso));
    if (!regola.empty()) {
        std::fprintf(stderr, "broken rule: %s\n", regola.c_str());
        __builtin_trap();
    }
    return 0;
}
