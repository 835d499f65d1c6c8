// A file that could not be read or written: the system's number for it, and
// the file the person knows (never a temporary beside it).
#pragma once

#include <filesystem>
#include <string>
#include <system_error>

#include "platform/percorso_utf8.h"
#include "platform/testo_errore.h"

namespace scenario {

class GuastoFile : public std::system_error {
public:
    // `spiegazione` says in words what the number alone would not (a limit,
    // the kind of file found). The code is kept in the system's own
    // numbering, whichever library call or std::errc it came from.
    GuastoFile(std::error_code ec, std::filesystem::path percorso, std::string spiegazione = {})
        : std::system_error(codice_di_sistema(ec), utf8_di_percorso(percorso)),
          percorso_(std::move(percorso)),
          spiegazione_(std::move(spiegazione)) {}

    const std::filesystem::path& percorso() const { return percorso_; }
    const std::string& spiegazione() const { return spiegazione_; }

private:
    std::filesystem::path percorso_;
    std::string spiegazione_;
};

}  // namespace scenario
