// SCENARIO_HOLD_MS, a hook for tests only: a display window stays up that
// many milliseconds after it is painted, long enough for a screenshot. With
// the variable unset the run is exactly as without the hook.
#pragma once

#include <chrono>

namespace scenario {

// The hold a value asks for: whole milliseconds written as plain decimal
// digits; nothing (no variable), an empty text or anything else means none.
std::chrono::milliseconds attesa_di_prova(const char* valore);

// Sleeps as long as SCENARIO_HOLD_MS asks.
void trattieni_per_prova();

}  // namespace scenario
