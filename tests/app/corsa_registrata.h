// One run of the builder in a folder of older files, with every archive call
// it made recorded, so a test can tell what the folder must hold when the run
// stops at any point.
#pragma once

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <map>
#include <string>
#include <vector>

#include "app/form1.h"
#include "compiler/archivio.h"
#include "tests/app/operazioni_guaste.h"

namespace scenario::test {

// Every file a run writes, in the order it writes them.
inline const std::vector<std::string> nomi_finali = {
    "Vordano_Seli_linea.txt",
    "Vordano_Seli_4936-.txt",
    "Vordano_Seli_4936_note.txt",
    "Vordano_Seli_4936_rallentamenti.txt",
    "Vordano_Seli_4936_scheda_treno.txt",
    "Vordano_Seli_linea.dat",
    "Vordano_Seli_4936.sim",
    "Vordano_Seli_4936.dat",
};

// Distinct older content for each final name, neither a prefix nor an
// extension of what a run writes.
std::string contenuto_vecchio(const std::string& nome);
void prepara_vecchi(const std::filesystem::path& cartella);

// The regular files of a folder by name; `escluso` leaves out one (the program).
using Istantanea = std::map<std::string, std::string>;
Istantanea istantanea(const std::filesystem::path& cartella, const std::string& escluso = "");
// What differs between two folders, one line per file; empty when none does.
std::string differenze(const Istantanea& attesa, const Istantanea& trovata);
// Names of every hidden temporary or spare (".NAME.XXXXXX"), whatever its kind.
std::vector<std::string> temporanei_in(const std::filesystem::path& cartella);

enum class TipoChiamata { esiste, leggi, elimina, scrivi, scrivi_insieme };

struct Chiamata {
    TipoChiamata tipo;
    std::string nome;                   // empty for scrivi_insieme
    std::vector<FileNuovo> scritti;     // what a write asked for, one file or several
    std::size_t prima_operazione = 0;   // file operations [prima, dopo) ran inside it
    std::size_t dopo_operazione = 0;

    bool scrive() const { return tipo == TipoChiamata::scrivi || tipo == TipoChiamata::scrivi_insieme; }
};

// Passes every call on and records it with the file operations it caused.
class ArchivioDiario final : public Archivio {
public:
    ArchivioDiario(Archivio& dentro, const OperazioniGuaste& operazioni) : dentro_(dentro), operazioni_(operazioni) {}

    bool esiste(const std::string& nome) override;
    std::optional<std::string> leggi(const std::string& nome) override;
    void elimina(const std::string& nome) override;
    void scrivi(const std::string& nome, std::string_view dati) override;
    void scrivi_insieme(std::span<const FileNuovo> file) override;
    void sincronizza() override { dentro_.sincronizza(); }

    const std::vector<Chiamata>& chiamate() const { return chiamate_; }

private:
    Chiamata& apri_chiamata(TipoChiamata tipo, const std::string& nome);
    void chiudi_chiamata() { chiamate_.back().dopo_operazione = operazioni_.eseguite().size(); }

    Archivio& dentro_;
    const OperazioniGuaste& operazioni_;
    std::vector<Chiamata> chiamate_;
};

struct Esito {
    FineCorsa fine;
    std::int32_t codice_errore;
    bool operator==(const Esito&) const = default;
};

// Form_Load with a window that shows nothing.
Esito corri(Archivio& archivio);

// A clean run in a folder of older files, recorded.
struct Riferimento {
    std::vector<Chiamata> chiamate;
    std::vector<Operazione> operazioni;
    Istantanea prima;  // the older files it started from
    Istantanea dopo;   // what a clean run leaves
};
Riferimento corsa_di_riferimento();

// The archive call during which file operation `indice` ran.
std::size_t chiamata_di(const std::vector<Chiamata>& chiamate, std::size_t indice);
// The archive call that writes `nome`, alone or with others.
std::size_t scrittura_di(const std::vector<Chiamata>& chiamate, const std::string& nome);
// What that call wrote into `nome`.
const std::string& dati_scritti(const std::vector<Chiamata>& chiamate, const std::string& nome);
// The folder once calls [0, fino_a) have done their work on `partenza`.
Istantanea dopo_le_chiamate(Istantanea partenza, const std::vector<Chiamata>& chiamate, std::size_t fino_a);

}  // namespace scenario::test
