// The compiler's only door to files: named byte blobs in one folder.
// The disk, the scenario tool and the tests each provide their own.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace scenario {

class Archivio {
public:
    virtual ~Archivio() = default;
    // Names are bare file names ("Vordano_Seli_linea.txt"); the archive knows the folder.
    virtual bool esiste(const std::string& nome) = 0;
    // The whole content, or nothing when the file is missing or cannot be read.
    virtual std::optional<std::string> leggi(const std::string& nome) = 0;
    // Removing a file that is not there is not a failure.
    virtual void elimina(const std::string& nome) = 0;
    // Replaces the file as a whole. A failure is a run-time failure: it throws.
    virtual void scrivi(const std::string& nome, std::string_view dati) = 0;
};

}  // namespace scenario
