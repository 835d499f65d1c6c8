// The table of fault numbers: one row per number drives both whether a metre
// is shown and the words of the report.
#include "compiler/guasti.h"

#include <algorithm>
#include <array>

namespace scenario {
namespace {

constexpr std::string_view prefisso = " Errore n. ";

constexpr std::array<SchedaGuasto, guasti_registrabili.size()> guasti = {{
    {Guasto::lunghezza_eccessiva, false, "lunghezza del percorso oltre 1000000 m"},
    {Guasto::progressiva_fuori_passo, false, "progressiva chilometrica non multipla di 50"},
    {Guasto::inizio_ripetizione_fuori_passo, false, "inizio della ripetizione segnali non multiplo di 50"},
    {Guasto::fine_ripetizione_fuori_passo, false, "fine della ripetizione segnali non multipla di 50"},
    {Guasto::ripetizione_senza_codici, false, "la ripetizione segnali non indica né 4 né 9 codici"},
    {Guasto::cartello_su_cella_occupata, true, "cartello su una cella già occupata"},
    {Guasto::abbattimento_su_cella_occupata, true, "abbattimento su una cella già occupata"},
    {Guasto::stazione_fuori_passo, true, "posizione della stazione non multipla di 50"},
    {Guasto::marciapiede_fuori_passo, true, "lunghezza del marciapiede non multipla di 100"},
    {Guasto::posti_esauriti, false, "posti esauriti per stazioni, cartelli o montagne"},
    {Guasto::segnale_davanti_avviso_senza_posto, true, "nessuna cella libera per l'abbattimento davanti al segnale prima dell'avviso di rallentamento"},
    {Guasto::avvicinamento_senza_posto, true, "nessuna cella libera per l'abbattimento prima dell'inizio del rallentamento"},
    {Guasto::rallentamento_senza_posto, true, "nessuna cella libera per l'abbattimento nel rallentamento o alla sua uscita"},
    {Guasto::oltre_la_griglia, true, "oggetto fuori dalla linea"},
    {Guasto::segnale_su_cella_occupata, true, "segnale su una cella già occupata"},
    {Guasto::avviso_su_cella_occupata, true, "avviso di rallentamento su una cella già occupata"},
    {Guasto::inizio_su_cella_occupata, true, "inizio del rallentamento su una cella già occupata"},
    {Guasto::fine_su_cella_occupata, true, "fine del rallentamento su una cella già occupata"},
    {Guasto::approccio_su_cella_occupata, true, "segni di avvicinamento del rallentamento su celle già occupate"},
    {Guasto::indicatore_su_cella_occupata, true, "indicatore di velocità massima su una cella già occupata"},
    {Guasto::stazioni_troppo_vicine, true, "marciapiedi di stazioni vicine a meno di 350 m"},
    {Guasto::fermata_troppo_presto, false, "punto di fermata della stazione alla cella 1 o prima"},
    {Guasto::lettura, false, "errore di lettura dei testi sorgente"},
    {Guasto::testo_linea_assente, false, "testo della linea non trovato"},
    {Guasto::generale_assente, false, "manca [generale] nel testo della linea"},
    {Guasto::curva_senza_classe, false, "curva senza classe o tracciato oltre il metro 1000000"},
}};

// Row i is the fault guasti_registrabili[i]: a fault without its row, or a
// row out of place, stops the build here.
constexpr bool ogni_guasto_ha_la_sua_riga() {
    for (std::size_t i = 0; i < guasti.size(); ++i) {
        if (guasti[i].guasto != guasti_registrabili[i] || guasti[i].significato.empty()) return false;
    }
    return std::ranges::is_sorted(guasti_registrabili, {}, [](Guasto g) { return numero(g); });
}
static_assert(ogni_guasto_ha_la_sua_riga(), "every fault of guasti_registrabili has its row, in ascending order");

}  // namespace

std::span<const SchedaGuasto> tabella_guasti() { return guasti; }

const SchedaGuasto* trova_guasto(int codice) {
    const auto it = std::ranges::lower_bound(guasti, codice, {}, [](const SchedaGuasto& r) { return numero(r.guasto); });
    return it != guasti.end() && numero(it->guasto) == codice ? &*it : nullptr;
}

const SchedaGuasto& scheda(Guasto g) { return *trova_guasto(numero(g)); }

std::string testo_errore(std::string_view a) {
    std::string testo(prefisso);
    testo += a;
    return testo;
}

}  // namespace scenario
