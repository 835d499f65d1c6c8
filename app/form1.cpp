// The builder's run: names, window, the five texts, in the order fixed for it.
#include "app/form1.h"

#include "app/nomi_file.h"
#include "compiler/compilatore.h"
#include "compiler/guasti.h"
#include "documents/documenti.h"
#include "source_text/testi_sorgente.h"

namespace scenario {

FineCorsa Form1::Form_Load() {
    nome_percorso = nome_percorso_incorporato;
    numero_treno = numero_treno_incorporato;
    finestra_.mostra();
    finestra_.ridisegna();

    dati_linea();
    dati_treno();
    dati_note();
    dati_rallentamenti();
    dati_scheda();

    std::int32_t scrivi_tracciato = 1;
    const FineCorsa fine = concludi(memorizza_percorso(*this, archivio_, scrivi_tracciato));
    finestra_.distruggi();
    return fine;
}

FineCorsa Form1::concludi(Esito esito) {
    if (esito == Esito::errore_1250) return errore(std::to_string(errore_marcatore));
    if (esito == Esito::errore_1251) return errore(std::to_string(errore_codici_gara));
    if (codice_errore > 0) {
        // A broken scenario must never look like a good one.
        messaggi_.mostra(rapporto_guasto(codice_errore, posizione_errore));
        return FineCorsa::guasto_registrato;
    }
    if (!griglia_creata) {
        messaggi_.mostra(" Nessuna lunghezza del percorso: nessun file compilato.");
        return FineCorsa::guasto_registrato;
    }
    return FineCorsa::completata;
}

FineCorsa Form1::errore(std::string_view a) {
    messaggi_.mostra(testo_errore(a));
    return FineCorsa::errore_fatale;
}

void Form1::scrivi_righe(std::span<const std::string_view> righe, const std::string& nome) {
    scrivi_testo(riempi_righe(righe), nome, archivio_);
}

void Form1::dati_linea() { scrivi_righe(righe_linea(), nome_testo_linea(*this)); }
void Form1::dati_treno() { scrivi_righe(righe_treno(), nome_testo_treno(*this)); }
void Form1::dati_note() { scrivi_righe(righe_note(), nome_note(*this)); }
void Form1::dati_rallentamenti() { scrivi_righe(righe_rallentamenti(), nome_rallentamenti(*this)); }
void Form1::dati_scheda() { scrivi_righe(righe_scheda(), nome_scheda(*this)); }

}  // namespace scenario
