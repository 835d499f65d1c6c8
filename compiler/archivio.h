// The compiler's only door to files: named byte blobs in one folder.
// The disk, the scenario tool and the tests each provide their own.
#pragma once

#include <functional>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <utility>

namespace scenario {

// Where a file's content goes as it is made, piece by piece: large outputs
// are never held whole in memory.
class Destinazione {
public:
    virtual ~Destinazione() = default;
    virtual void scrivi(std::string_view pezzo) = 0;
};

// Gathers the pieces into one string, for archives that keep files whole.
class DestinazioneStringa final : public Destinazione {
public:
    void scrivi(std::string_view pezzo) override { testo.append(pezzo); }
    std::string testo;
};

// One file of a change of several: its bare name and its new content, either
// held whole in `dati` or, when `genera` is set, made as it is written.
struct FileNuovo {
    std::string nome;
    std::string dati;
    std::function<void(Destinazione&)> genera = {};

    void contenuto(Destinazione& d) const {
        if (genera) {
            genera(d);
        } else {
            d.scrivi(dati);
        }
    }
    std::string tutto() const {
        if (!genera) return dati;
        DestinazioneStringa d;
        genera(d);
        return std::move(d.testo);
    }
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
        for (const FileNuovo& f : file) scrivi(f.nome, f.genera ? f.tutto() : f.dati);
    }
    // Every change so far made durable, for an archive that leaves that to
    // a later moment; a failure throws, as a write's would.
    virtual void sincronizza() {}
};

}  // namespace scenario
