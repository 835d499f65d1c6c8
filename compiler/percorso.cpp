// memorizza_percorso: reset, read both source texts, walk the grid, stamp the
// markers and codes, write the compiled files.
#include "compiler/percorso.h"

#include <vector>

#include "compiler/codici_gara.h"
#include "compiler/codifica.h"
#include "compiler/interi.h"
#include "compiler/nomi_file.h"
#include "compiler/posa.h"

namespace scenario {
namespace {

// Cells 1 .. numero_celle - 2, the bound fixed before the first step.
void cammina(Stato& s) {
    const std::int64_t ultima = std::int64_t{s.numero_celle} - 2;
    for (std::int64_t i = 1; i <= ultima && nella_griglia(s, i); ++i) {
        const TipoCella tipo = cella(s, i)->tipo;
        if (tipo == TipoCella::avviso_rallentamento) abbattimenti_avviso(s, static_cast<std::int32_t>(i));
        else if (tipo == TipoCella::inizio_rallentamento) abbattimenti_rallentamento(s, static_cast<std::int32_t>(i));
    }
}

// The markers: a place already in use means the data reached where only the
// markers may go; the run then stops before any file is written.
Esito timbra(Stato& s) {
    Cella* prima = cella(s, cella_marcatore);
    if (prima == nullptr) return Esito::completato;
    Voce& tabella = s.voci[slot::percorso];
    if (tabella.breve1 != 0 || prima->valore != 0) return Esito::errore_1250;
    tabella.breve1 = marcatore_tabella;
    prima->valore = marcatore_celle;
    if (tabella.numero4 != 0 || prima->valore2 != 0) return Esito::errore_1251;
    tabella.numero4 = codice_gara_st(s);
    prima->valore2 = basso16(codice_gara_og(s));
    return Esito::completato;
}

}  // namespace

Esito percorri_celle(Stato& s) {
    cammina(s);
    return timbra(s);
}

// One change: the simulator must never find a table beside cells of another compile.
void scrivi_compilati(const Stato& s, Archivio& a) {
    std::vector<FileNuovo> file;
    if (s.scrivi_tracciato != 0) file.push_back({nome_tracciato(s), codifica_tracciato(s)});
    file.push_back({nome_tabella(s), codifica_voci(s)});
    file.push_back({nome_file_celle(s), codifica_celle(s)});
    a.scrivi_insieme(file);
}

// Without a grid (the line text was missing, unusable or had no length)
// there is nothing to stamp: no file is written, older ones stay, and the
// fault the readers recorded tells why.
Esito memorizza_percorso(Stato& s, Archivio& a, std::int32_t& j) {
    s.scrivi_tracciato = j;
    s.codice_errore = 0;
    s.voci.fill(Voce{});
    memorizza_dati(s, a);
    if (!s.griglia_creata) return Esito::completato;
    const Esito esito = percorri_celle(s);
    if (esito == Esito::completato) scrivi_compilati(s, a);
    return esito;
}

}  // namespace scenario
