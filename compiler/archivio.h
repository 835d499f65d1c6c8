// The compiler's only door to files: named byte blobs in one folder.
// The disk, the scenario tool and the tests each provide their own.
#pragma once

#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace scenario {

// One file of a change of several: its bare name and its whole new content.
struct FileNuovo {
    std::string nome;
    std::string dati;
};

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
    // Replaces the files as one change: afterwards the folder holds all the
    // new contents or, when it throws, all the older ones. An archive whose
    // writes cannot fail half-way may write them one by one, as here.
    virtual void scrivi_insieme(std::span<const FileNuovo> file) {
        for (const FileNuovo& f : file) scrivi(f.nome, f.dati);
    }
};

}  // namespace scenario
