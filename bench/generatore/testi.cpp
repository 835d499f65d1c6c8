// Writes a plan as the two source texts through the writer the decompiler
// uses: the keys, blanks and columns of the built-in texts.
#include "bench/generatore/piano_scenario.h"
#include "compiler/sorgente_scrittura.h"

namespace scenario::generatore {

std::string testo_linea(const Piano& p) {
    sorgente::Linea l;
    l.lunghezza = p.lunghezza;
    l.progressive[0] = {0, p.progressiva, 1};
    l.sfondi = {0, 1, 4000};
    l.codici = p.codici;
    l.ripetizione_inizio = p.ripetizione_inizio;
    l.ripetizione_fine = p.ripetizione_fine;
    l.curve = p.curve;
    l.pendenze = p.pendenze;
    l.montagne = p.montagne;
    l.indicatori = p.indicatori;
    l.cartelli = p.cartelli;
    return sorgente::testo_linea(l);
}

std::string testo_treno(const Piano& p) {
    sorgente::Treno t;
    t.vetture = p.vetture;
    t.massa_frenata = p.massa_frenata;
    t.sabbia = p.sabbia;
    t.ore = p.ore;
    t.minuti = p.minuti;
    t.secondi = p.secondi;
    t.aderenze = p.aderenze;
    t.velocita = p.velocita;
    t.stazioni = p.stazioni;
    t.rallentamenti = p.rallentamenti;
    t.segnali = p.segnali;
    t.abbattimenti = p.abbattimenti;
    return sorgente::testo_treno(t);
}

}  // namespace scenario::generatore
