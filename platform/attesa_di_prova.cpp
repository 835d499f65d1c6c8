// The test-only hold of a painted window.
#include "platform/attesa_di_prova.h"

#include <charconv>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <thread>

namespace scenario {

std::chrono::milliseconds attesa_di_prova(const char* valore) {
    if (valore == nullptr) return {};
    const char* fine = valore + std::strlen(valore);
    // from_chars would take a leading minus; a hold is never negative.
    if (valore == fine || *valore < '0' || *valore > '9') return {};
    std::uint32_t ms = 0;
    auto [resto, errore] = std::from_chars(valore, fine, ms);
    if (errore != std::errc{} || resto != fine) return {};
    return std::chrono::milliseconds(ms);
}

void trattieni_per_prova() {
    const auto attesa = attesa_di_prova(std::getenv("SCENARIO_HOLD_MS"));
    if (attesa.count() > 0) std::this_thread::sleep_for(attesa);
}

}  // namespace scenario
