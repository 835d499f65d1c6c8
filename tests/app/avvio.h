// Starts a program as its own process, without a display, so a test can
// wait for it or kill it at a moment it chooses. Linux only.
#pragma once

#ifndef _WIN32

#include <sys/types.h>

#include <chrono>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace scenario::test {

struct Avvio {
    std::vector<std::string> argomenti;                // after the program's name
    std::filesystem::path uscita = "/dev/null";        // standard output
    std::optional<std::uintmax_t> limite_file;         // largest file it may write (RLIMIT_FSIZE), SIGXFSZ ignored
};

// Starts `programma` with standard error going to `errori`; its process id.
pid_t avvia(const std::filesystem::path& programma, const std::filesystem::path& errori, const Avvio& avvio = {});

// Waits for the process to end; the wait status as waitpid gives it.
int attendi(pid_t pid);

// One whole run, waited for; how long it took, and its wait status.
struct Durata {
    std::chrono::microseconds tempo;
    int stato;
};
Durata cronometra(const std::filesystem::path& programma, const std::filesystem::path& errori);

}  // namespace scenario::test

#endif
