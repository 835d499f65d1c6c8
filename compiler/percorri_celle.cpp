// percorri_celle: the walk of the route pass over the grid, then the file
// markers and the competition codes.
#include "compiler/percorso.h"

#include "compiler/codici_gara.h"
#include "compiler/griglia.h"
#include "compiler/interi.h"

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

}  // namespace scenario
