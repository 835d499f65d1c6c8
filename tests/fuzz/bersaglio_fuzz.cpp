// The libFuzzer entry point: every input is compiled and checked; a broken
// rule is printed and stops the process like a crash, so libFuzzer keeps it.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <string>

#include "tests/fuzz/compila_ingresso.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* dati, std::size_t quanti) {
    const std::string regola = scenario::fuzz::compila_e_verifica(
        quanti == 0 ? std::string_view() : std::string_view(reinterpret_cast<const char*>(dati), quanti));
    if (!regola.empty()) {
        std::fprintf(stderr, "broken rule: %s\n", regola.c_str());
        __builtin_trap();
    }
    return 0;
}
