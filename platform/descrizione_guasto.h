// What a person is told of a failure of the system: the file by its full
// path, the system's own number and its text in the user's language, and
// our words where the number alone would not say it. Both programs say it
// from these parts, each in its own form.
#pragma once

#include <string>
#include <system_error>

namespace scenario {

struct DescrizioneGuasto {
    std::string percorso;     // full path; empty when the failure names no file
    int numero = 0;           // errno on POSIX systems, the Windows error number on Windows
    std::string testo;        // the system's text for the number, UTF-8
    std::string spiegazione;  // ours, or empty
};

DescrizioneGuasto descrivi_guasto(const std::system_error& e);

// "PATH: TEXT[: spiegazione]", or without the path where there is none.
std::string parole_guasto(const DescrizioneGuasto& d);

}  // namespace scenario
