// memorizza_dati: the names go into the header slots, then the line text is
// read and, unless it stopped the readers, the train text after it.
#include "compiler/compilatore.h"
#include "compiler/lettori.h"

namespace scenario {

void memorizza_dati(Stato& s, Archivio& a) {
    s.voci[slot::percorso].stringa = s.nome_percorso;
    s.voci[slot::corsa].stringa = s.numero_treno;
    if (const auto prossima_tabella = leggi_testo_linea(s, a)) leggi_testo_treno(s, a, *prossima_tabella);
}

}  // namespace scenario
