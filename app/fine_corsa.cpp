// The end-of-run rule.
#include "app/fine_corsa.h"

#include "app/stato_uscita.h"
#include "compiler/guasti.h"

namespace scenario {
namespace {

FineCorsa fine_di(const Stato& s, Esito esito, const std::vector<Diagnostica>& d, bool avvisi_come_errori) {
    if (esito != Esito::completato) return FineCorsa::errore_fatale;
    if (s.codice_errore > 0 || !s.griglia_creata || ha_errori(d)) return FineCorsa::guasto_registrato;
    if (avvisi_come_errori && ha_avvisi(d)) return FineCorsa::guasto_registrato;
    return FineCorsa::completata;
}

std::string rapporto(Esito esito, const std::vector<Diagnostica>& d, Resa resa) {
    std::string testo;
    if (esito == Esito::errore_1250) testo = testo_errore(std::to_string(errore_marcatore));
    if (esito == Esito::errore_1251) testo = testo_errore(std::to_string(errore_codici_gara));
    for (const Diagnostica& x : d) testo += (testo.empty() ? "" : "\n") + testo_diagnostica(x, resa);
    return testo;
}

}  // namespace

int stato_uscita(FineCorsa fine) {
    switch (fine) {
        case FineCorsa::completata: return uscita::successo;
        case FineCorsa::guasto_registrato: return uscita::guasto_registrato;
        case FineCorsa::errore_fatale: return uscita::errore_fatale;
    }
    return uscita::guasto_registrato;
}

Conclusione concludi(const Stato& s, Esito esito, const NomiTesti& nomi, bool avvisi_come_errori) {
    Conclusione c;
    c.diagnostica = diagnostica(s, esito, nomi);
    c.fine = fine_di(s, esito, c.diagnostica, avvisi_come_errori);
    c.rapporto = rapporto(esito, c.diagnostica, Resa::terminale);
    c.rapporto_finestra = rapporto(esito, c.diagnostica, Resa::finestra);
    return c;
}

}  // namespace scenario
