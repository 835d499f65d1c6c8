// What `scenario compile` checks before it writes anything: names that are
// parts of file names and nothing more, compiled files that neither share a
// name nor replace an input, and inputs read once, whole and bounded.
#pragma once

#include <cstddef>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace scenario {

// Far above any real source text, far below what would exhaust memory.
inline constexpr std::size_t limite_ingresso = std::size_t{64} << 20;

// Why `nome` cannot be part of a file name on Linux and Windows alike (empty,
// a folder separator, "..", a NUL, a character Windows refuses), or nothing.
std::optional<std::string> difetto_nome(std::string_view nome);

// Throws UsoErrato naming `cosa` ("il nome del percorso") and `opzione`
// ("--route") when `nome` has a defect.
void controlla_nome(std::string_view nome, std::string_view cosa, std::string_view opzione);

// Throws UsoErrato when two of `nomi` (file names, UTF-8) would be one file (letter case aside,
// as on Windows) or when one of them in `uscita` is one of `ingressi` itself.
void controlla_uscite(const std::vector<std::string>& nomi, const std::filesystem::path& uscita,
                      const std::vector<std::filesystem::path>& ingressi);

// The whole input: a regular file of at most limite_ingresso bytes.
// Throws GuastoFile otherwise.
std::string leggi_ingresso(const std::filesystem::path& p);

}  // namespace scenario
