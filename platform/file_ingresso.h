// A person's input file, read once and whole before anything is written: a
// regular file of bounded size, or a GuastoFile with the system's number and,
// where the number alone would not say it, words of ours.
#pragma once

#include <cstddef>
#include <filesystem>
#include <string>

namespace scenario {

// The whole content of `p`. Throws GuastoFile when it is missing or
// unreadable, a folder (EISDIR), not a regular file (EINVAL: a device, a
// pipe) or longer than `limite` bytes (EFBIG, naming the limit). Never
// waits on a pipe, never reads more than `limite` + 1 bytes.
std::string leggi_file_ingresso(const std::filesystem::path& p, std::size_t limite);

// The words given with EINVAL and EFBIG above; ASCII, like every message.
inline constexpr const char* spiegazione_non_regolare = "non è un file regolare";
inline std::string spiegazione_limite(std::size_t limite) {
    constexpr std::size_t mib = std::size_t{1} << 20;
    if (limite % mib == 0) return "supera il limite di " + std::to_string(limite / mib) + " MiB";
    return "supera il limite di " + std::to_string(limite) + " byte";
}

}  // namespace scenario
