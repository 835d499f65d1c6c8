// A file that could not be read or written: the system's number for it, and
// the file the person knows (never a temporary beside it).
#pragma once

#include <filesystem>
#include <string>
#include <system_error>

#include "platform/percorso_utf8.h"

namespace scenario {

class GuastoFile : public std::system_error {
public:
    // `spiegazione` says in words what the number alone would not (a limit,
    // the kind of file found).
    GuastoFile(std::error_code ec, std::filesystem::path percorso, std::string spiegazione = {})
        : std::system_error(ec, utf8_di_percorso(percorso)),
          percorso_(std::move(percorso)),
          spiegazione_(std::move(spiegazione)) {}

    const std::filesystem::path& percorso() const { return percorso_; }
    const std::string& spiegazione() const { return spiegazione_; }

private:
    std::filesystem::path percorso_;
    std::string spiegazione_;
};

}  // namespace scenario
