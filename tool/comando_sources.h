// `scenario sources`: writes the built-in source texts where a user wants them.
#pragma once

#include <filesystem>

namespace scenario {

// Writes the line and train source texts of the built-in scenario into
// `cartella`, byte-identical to the builder's. Throws on a file failure.
void scrivi_sorgenti(const std::filesystem::path& cartella);

}  // namespace scenario
