// The builder's answers to a command line it does not need.
#include "app/riga_comando.h"

#include <cstdio>
#include <string_view>

#include "app/stato_uscita.h"
#include "app/versione.h"

namespace scenario {
namespace {

constexpr std::string_view uso = "Uso: crea_scenario [--help | --version]\n";

constexpr std::string_view aiuto = R"(
Senza argomenti scrive lo scenario Vordano - Seli, treno 4936, nella cartella
che contiene il programma (non in quella corrente), e sostituisce i file più
vecchi con lo stesso nome:
  Vordano_Seli_4936_note.txt           note per il macchinista
  Vordano_Seli_4936_rallentamenti.txt  modulo dell'ordine di rallentamento
  Vordano_Seli_4936_scheda_treno.txt   scheda orario del treno
  Vordano_Seli_linea.dat               geometria della linea compilata
  Vordano_Seli_4936.sim                tabella dello scenario compilata
  Vordano_Seli_4936.dat                file delle celle compilato
Mentre lavora mostra la finestra "Attendere", poi si chiude da solo. Avviato
di nuovo nella stessa cartella mentre lavora, attende che abbia finito.

Opzioni:
  -h, --help   mostra questo aiuto ed esce
  --version    mostra la versione ed esce

Stato di uscita: 0 fatto, nessun guasto; 1 guasto registrato nei dati dello
scenario; 2 riga di comando errata; 3 " Errore n. 1250" o " Errore n. 1251",
nessun file compilato; 4 un file non si è potuto leggere o scrivere.

Per compilare scenari propri: scenario --help
)";

void stampa(std::FILE* dove, std::string_view testo) {
    std::fwrite(testo.data(), 1, testo.size(), dove);
    std::fflush(dove);
}

}  // namespace

std::optional<int> rispondi_agli_argomenti(const std::vector<std::string>& argomenti) {
    if (argomenti.empty()) return std::nullopt;
    const std::string& primo = argomenti.front();
    if (argomenti.size() == 1 && (primo == "--help" || primo == "-h")) {
        stampa(stdout, std::string(uso) + std::string(aiuto));
        return uscita::successo;
    }
    if (argomenti.size() == 1 && primo == "--version") {
        stampa(stdout, "crea_scenario " + std::string(versione()) + "\n");
        return uscita::successo;
    }
    stampa(stderr, "crea_scenario: argomento non previsto: " + primo + "\n" + std::string(uso) +
                       "Per l'aiuto: crea_scenario --help\n");
    return uscita::uso_errato;
}

}  // namespace scenario
