// One builder run at a time per folder. A run writes its source texts, then
// compiles and deletes them: two runs side by side would read each other's
// texts, or find them gone. The run holds its folder from start to end; a
// second run started there waits, then runs. The lock leaves no file (flock
// on the folder itself; a named mutex on Windows).
#pragma once

#include <filesystem>
#include <memory>
#include <system_error>

#include "platform/operazioni_file.h"

namespace scenario {

// Waits until no other run holds `cartella`, then holds it until the result
// is dropped. On a file system without locks it holds nothing and the run
// goes on (the result is then null). Throws GuastoFile naming the folder.
std::unique_ptr<BloccoCartella> blocca_per_la_corsa(const std::filesystem::path& cartella);

// The lock a change of files takes while its files take their names: the
// folder's own, or, while this process holds the folder for its run, one of
// the process (taking the folder's again would wait on ourselves forever).
std::error_code blocca_per_il_cambio(const std::filesystem::path& cartella, std::unique_ptr<BloccoCartella>& blocco);

}  // namespace scenario
