// Runs a program the way a person would, for end-to-end tests.
#pragma once

#include <cstdlib>
#include <filesystem>
#include <string>

#ifndef _WIN32
#include <sys/wait.h>
#endif

namespace scenario::test {

// Runs `comando` through the shell; standard error goes to `errori`.
// Returns the exit status.
inline int esegui(const std::string& comando, const std::filesystem::path& errori) {
    std::string riga = comando + " 2> \"" + errori.string() + "\"";
#ifdef _WIN32
    // cmd /c strips the outer pair of quotes of a line that starts with one.
    riga = "\"" + riga + "\"";
#endif
    const int stato = std::system(riga.c_str());
#ifdef _WIN32
    return stato;
#else
    return WIFEXITED(stato) ? WEXITSTATUS(stato) : -1;
#endif
}

inline std::string tra_virgolette(const std::filesystem::path& p) { return "\"" + p.string() + "\""; }

// The start of a command line that first moves into `cartella` (any drive).
inline std::string entra_in(const std::filesystem::path& cartella) {
#ifdef _WIN32
    return "cd /d " + tra_virgolette(cartella) + " && ";
#else
    return "cd " + tra_virgolette(cartella) + " && ";
#endif
}

}  // namespace scenario::test
