// The files of `scenario compile` and `scenario check`: the two source texts,
// read once before the compile and held in memory, are never deleted; the
// compiled files go to one folder, as one change, or, for check, nowhere.
#pragma once

#include <filesystem>
#include <functional>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "platform/archivio_disco.h"

namespace scenario {

class ArchivioCompilazione final : public Archivio {
public:
    // `sorgenti`: the texts by the names the compiler asks for. `uscita`
    // nothing: the compiled files are made and dropped, nothing is written.
    ArchivioCompilazione(std::map<std::string, std::string> sorgenti, const std::optional<std::filesystem::path>& uscita);

    bool esiste(const std::string& nome) override { return sorgenti_.contains(nome); }
    // The compiler reads each source text once: the text is handed over, not
    // copied (a long line text is megabytes), and a second read finds nothing.
    std::optional<std::string> leggi(const std::string& nome) override;
    void elimina(const std::string&) override {}  // the user's texts stay
    void scrivi(const std::string& nome, std::string_view dati) override;
    void scrivi_insieme(std::span<const FileNuovo> file) override;

    // The names put in place, in order, as file names (UTF-8).
    const std::vector<std::string>& scritti() const { return scritti_; }

    // Called once the compiler hands over the files to write, before the
    // first is written: from then on its state no longer changes.
    void prima_di_scrivere(std::function<void()> f) { prima_di_scrivere_ = std::move(f); }

private:
    std::function<void()> prima_di_scrivere_;
    std::map<std::string, std::optional<std::string>> sorgenti_;  // nothing once handed over
    std::optional<ArchivioDisco> uscita_;
    std::vector<std::string> scritti_;
};

}  // namespace scenario
