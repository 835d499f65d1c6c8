// One change of files in one folder: each new content written whole under a
// new temporary name of its own, then every one put in place together, so
// the folder holds the older set or the new set, never a mix.
#pragma once

#include <filesystem>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "compiler/archivio.h"
#include "platform/operazioni_file.h"

namespace scenario {

class LottoFile {
public:
    // `operazioni` must outlive the batch.
    LottoFile(OperazioniFile& operazioni, std::filesystem::path cartella)
        : operazioni_(operazioni), cartella_(std::move(cartella)) {}
    // Removes every temporary not put in place.
    ~LottoFile();
    LottoFile(const LottoFile&) = delete;
    LottoFile& operator=(const LottoFile&) = delete;

    // The new content of `nome` (a file name in UTF-8), written, synced and closed under a name no
    // file had (".NAME.XXXXXX"). Throws GuastoFile naming `nome`.
    void prepara(const std::string& nome, std::string_view dati);
    // The same for a content made as it is written: its pieces go straight
    // to the temporary (the first failing write ends the file there).
    void prepara(const std::string& nome, const std::function<void(Destinazione&)>& contenuto);

    // Under the folder's lock: checks every final name first (a folder or a
    // read-only older file stops the change here, with nothing changed),
    // keeps the older files under spare names when there are several, renames
    // every temporary over its final name, and syncs the folder unless
    // `sincronizza_cartella` is false (the caller then syncs it after a later
    // change). When a rename fails the older files go back. Throws GuastoFile.
    void sostituisci(bool sincronizza_cartella = true);

private:
    struct Voce {
        std::filesystem::path finale;
        std::filesystem::path temporaneo;
        std::filesystem::path riserva;  // a second name of the older file, while the change runs
        bool esisteva = false;
        bool in_posto = false;
    };

    void controlla(Voce& v);
    void metti_da_parte(Voce& v);
    void rimetti_vecchi();
    void scarta(Voce& v);

    OperazioniFile& operazioni_;
    std::filesystem::path cartella_;
    std::vector<Voce> voci_;
};

}  // namespace scenario
