// `scenario dump`: any compiled file in readable form, or as one JSON document.
#pragma once

#include <cstdint>
#include <filesystem>
#include <limits>
#include <optional>

namespace scenario {

struct OpzioniDump {
    std::filesystem::path file;
    bool json = false;
    std::int64_t da = std::numeric_limits<std::int32_t>::min();  // --from, metres
    std::int64_t a = std::numeric_limits<std::int32_t>::max();   // --to, metres
    std::optional<std::int64_t> ogni;                             // --every, geometry only
};

// Prints the file on standard output, or a message on standard error when it
// cannot be read (4) or does not hold a valid layout (1); returns the exit status.
int esegui_dump(const OpzioniDump& o);

}  // namespace scenario
