// The table of fault numbers: one row per number drives both whether a metre
// is shown and the words of the report.
#include "compiler/guasti.h"

#include <algorithm>
#include <array>

namespace scenario {
namespace {

constexpr std::string_view prefisso = " Errore n. ";

constexpr std::array<Guasto, 26> guasti = {{
    {1, false, "lunghezza del percorso oltre 1000000 m"},
    {2, false, "progressiva chilometrica non multipla di 50"},
    {3, false, "inizio della ripetizione segnali non multiplo di 50"},
    {4, false, "fine della ripetizione segnali non multipla di 50"},
    {5, false, "la ripetizione segnali non indica ne' 4 ne' 9 codici"},
    {6, true, "cartello su una cella gia' occupata"},
    {7, true, "abbattimento su una cella gia' occupata"},
    {8, true, "posizione della stazione non multipla di 50"},
    {9, true, "lunghezza del marciapiede non multipla di 100"},
    {10, false, "posti esauriti per stazioni, cartelli o montagne"},
    {11, true, "nessuna cella libera per l'abbattimento davanti al segnale prima dell'avviso di rallentamento"},
    {12, true, "nessuna cella libera per l'abbattimento prima dell'inizio del rallentamento"},
    {13, true, "nessuna cella libera per l'abbattimento nel rallentamento o alla sua uscita"},
    {15, true, "oggetto oltre la fine della linea"},
    {16, true, "segnale su una cella gia' occupata"},
    {17, true, "avviso di rallentamento su una cella gia' occupata"},
    {18, true, "inizio del rallentamento su una cella gia' occupata"},
    {19, true, "fine del rallentamento su una cella gia' occupata"},
    {20, true, "segni di avvicinamento del rallentamento su celle gia' occupate"},
    {21, true, "indicatore di velocita' massima su una cella gia' occupata"},
    {22, true, "marciapiedi di stazioni vicine a meno di 350 m"},
    {24, false, "punto di fermata della stazione alla cella 1 o prima"},
    {25, false, "errore di lettura dei testi sorgente"},
    {101, false, "testo della linea non trovato"},
    {102, false, "manca [generale] nel testo della linea"},
    {103, false, "curva senza classe o tracciato oltre il metro 1000000"},
}};

static_assert(std::ranges::is_sorted(guasti, {}, &Guasto::codice), "trova_guasto searches a sorted table");

}  // namespace

std::span<const Guasto> tabella_guasti() { return guasti; }

const Guasto* trova_guasto(int codice) {
    const auto it = std::ranges::lower_bound(guasti, codice, {}, &Guasto::codice);
    return it != guasti.end() && it->codice == codice ? &*it : nullptr;
}

std::string rapporto_guasto(int codice, int posizione) {
    std::string testo = testo_errore(std::to_string(codice));
    const Guasto* g = trova_guasto(codice);
    if (g == nullptr) return testo;
    if (g->ha_posizione) testo += " al metro " + std::to_string(posizione);
    testo += ": ";
    testo += g->significato;
    return testo;
}

std::string testo_errore(std::string_view a) {
    std::string testo(prefisso);
    testo += a;
    return testo;
}

}  // namespace scenario
