// The builder's run: names, window, the five texts, in the order fixed for it.
#include "app/form1.h"

#include "app/nomi_file.h"
#include "compiler/compilatore.h"
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
    const Esito esito = memorizza_percorso(*this, archivio_, scrivi_tracciato);
    // Every file of the run in place for good before the person is told.
    archivio_.sincronizza();
    const FineCorsa fine = concludi(esito);
    finestra_.distruggi();
    return fine;
}

// A broken scenario must never look like a good one: every fault, and the
// fatal error's fixed text first, reaches the person.
FineCorsa Form1::concludi(Esito esito) {
    const Conclusione c = scenario::concludi(*this, esito, {nome_testo_linea(*this), nome_testo_treno(*this)});
    if (!c.rapporto_finestra.empty()) messaggi_.mostra(c.rapporto_finestra);
    return c.fine;
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
