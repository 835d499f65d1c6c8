// Runs a program the way a person would, for end-to-end tests.
#pragma once

#include <cstdlib>
#include <filesystem>
#include <string>

#ifndef _WIN32
#include <sys/wait.h>
#endif

namespace scenario::test {

// A path as UTF-8 text, the way command lines here are written.
inline std::string utf8(const std::filesystem::path& p) {
    const std::u8string testo = p.u8string();
    return {testo.begin(), testo.end()};
}

// The path named by UTF-8 text.
inline std::filesystem::path da_utf8(const std::string& testo) { return std::u8string(testo.begin(), testo.end()); }

// Runs `comando` (UTF-8) through the shell; standard error goes to `errori`.
// Returns the exit status.
inline int esegui(const std::string& comando, const std::filesystem::path& errori) {
    std::string riga = comando + " 2> \"" + utf8(errori) + "\"";
#ifdef _WIN32
    // cmd /c strips the outer pair of quotes of a line that starts with one.
    // The wide call: the narrow one would pass the line through the ANSI code page.
    riga = "\"" + riga + "\"";
    const int stato = _wsystem(da_utf8(riga).c_str());
#else
    const int stato = std::system(riga.c_str());
#endif
#ifdef _WIN32
    return stato;
#else
    return WIFEXITED(stato) ? WEXITSTATUS(stato) : -1;
#endif
}

inline std::string tra_virgolette(const std::filesystem::path& p) { return "\"" + utf8(p) + "\""; }

// The start of a command line that first moves into `cartella` (any drive).
inline std::string entra_in(const std::filesystem::path& cartella) {
#ifdef _WIN32
    return "cd /d " + tra_virgolette(cartella) + " && ";
#else
    return "cd " + tra_virgolette(cartella) + " && ";
#endif
}

}  // namespace scenario::test
