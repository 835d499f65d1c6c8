// The names of the decoders' checks and the message a failed one gives.
#include "compiler/decodifica.h"

#include "compiler/interi.h"

namespace scenario {

std::string_view nome_controllo(Controllo c) {
    switch (c) {
        case Controllo::celle_record_interi: return "record di cella interi";
        case Controllo::celle_griglia_minima: return "griglia minima";
        case Controllo::celle_tipo: return "tipo di cella";
        case Controllo::celle_marcatore: return "marcatore 5121";
        case Controllo::tabella_record_interi: return "record della tabella interi";
        case Controllo::tabella_testo: return "lunghezza del testo";
        case Controllo::tabella_numero_record: return "87 record";
        case Controllo::tabella_marcatore: return "marcatore 610";
        case Controllo::tabella_codice_gara: return "codice di gara ponderato";
        case Controllo::tracciato_tag: return "tag dell'elemento";
        case Controllo::tracciato_valore: return "valore dell'elemento";
        case Controllo::tracciato_valore_finito: return "numero finito";
        case Controllo::tracciato_coppie: return "due coordinate per metro";
        case Controllo::tracciato_griglia_minima: return "metri minimi";
        case Controllo::tracciato_punti_fissi: return "punti fissi";
        case Controllo::insieme_celle: return "celle della lunghezza del percorso";
        case Controllo::insieme_tracciato: return "metri della lunghezza del percorso";
        case Controllo::insieme_codice_gara: return "codice di gara semplice";
    }
    return "?";
}

bool di_struttura(Controllo c) {
    switch (c) {
        case Controllo::celle_record_interi:
        case Controllo::celle_griglia_minima:
        case Controllo::tabella_record_interi:
        case Controllo::tabella_testo:
        case Controllo::tabella_numero_record:
        case Controllo::tracciato_tag:
        case Controllo::tracciato_valore:
        case Controllo::tracciato_coppie:
        case Controllo::tracciato_griglia_minima: return true;
        case Controllo::celle_tipo:
        case Controllo::celle_marcatore:
        case Controllo::tabella_marcatore:
        case Controllo::tabella_codice_gara:
        case Controllo::tracciato_valore_finito:
        case Controllo::tracciato_punti_fissi:
        case Controllo::insieme_celle:
        case Controllo::insieme_tracciato:
        case Controllo::insieme_codice_gara: return false;
    }
    return true;
}

std::string messaggio_difetto(const Difetto& d) {
    return "controllo \"" + std::string(nome_controllo(d.controllo)) + "\" non superato al byte " +
           std::to_string(d.posizione) + ": " + d.dettaglio;
}

std::optional<Griglia> griglia_per(std::int32_t lunghezza) {
    if (lunghezza < 0 || lunghezza > lunghezza_massima) return std::nullopt;
    const std::int32_t estesa = lunghezza + margine_griglia;
    return Griglia{estesa, static_cast<std::int32_t>(dividi_vicino(estesa, metri_cella))};
}

}  // namespace scenario
