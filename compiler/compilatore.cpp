// The compiler's two entry points: memorizza_percorso, the whole compile,
// and memorizza_dati, the two readers in turn; and the output of the files.
#include "compiler/compilatore.h"

#include <vector>

#include "compiler/codifica.h"
#include "compiler/lettori.h"
#include "compiler/percorso.h"

namespace scenario {

// The names go into the header slots, then the line text is read and, unless
// it stopped the readers, the train text after it.
void memorizza_dati(Stato& s, Archivio& a) {
    s.tracce = Tracce{};
    s.voci[slot::percorso].stringa = s.nome_percorso;
    s.voci[slot::corsa].stringa = s.numero_treno;
    if (const auto prossima_tabella = leggi_testo_linea(s, a)) {
        leggi_testo_treno(s, a, *prossima_tabella);
    } else if (!s.tracce.letti[static_cast<std::size_t>(Testo::treno)] &&
               s.tracce.testi[static_cast<std::size_t>(Testo::treno)].empty()) {
        // The train text stays where it is; the report counts what nobody read.
        conserva_non_letto(s, a, Testo::treno, nome_testo_treno(s));
    }
}

// One change: the simulator must never find a table beside cells of another
// compile. Each file is encoded as the archive writes it, never held whole.
void scrivi_compilati(const Stato& s, Archivio& a) {
    std::vector<FileNuovo> file;
    if (s.scrivi_tracciato != 0) {
        file.push_back({nome_tracciato(s), {}, [&s](Destinazione& d) { codifica_tracciato(s, d); }});
    }
    file.push_back({nome_tabella(s), {}, [&s](Destinazione& d) { codifica_voci(s, d); }});
    file.push_back({nome_file_celle(s), {}, [&s](Destinazione& d) { codifica_celle(s, d); }});
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
