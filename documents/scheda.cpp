// The timetable card: four cards of one frame, the first two carrying train
// 4936's timetable, the last two blank forms for the driver to fill in.
#include "documents/documenti.h"

#include <array>

#include "documents/foglio.h"
#include "documents/scheda_orario.h"

namespace scenario {
namespace {

// Every card's table has room for this many rows before its bottom edge.
constexpr std::size_t righe_per_scheda = 31;

constexpr std::string_view bordo_superiore =
    "  ___________________                                               ______________";
constexpr std::string_view bordo_riquadro_destro =
    "                                                                   |______________|";
constexpr std::string_view bordo_tabella =
    " |_____|_____|__________|_____|____________________________|________________|_____|";
constexpr std::string_view riga_vuota =
    " |     |     |          |     |                            |                |     |";
constexpr std::string_view nota = " Nota: il + indica 1/2 minuto";
constexpr std::string_view punti_81 =
    ".................................................................................";
constexpr std::string_view punti_72 =
    "........................................................................";

constexpr std::array<std::string_view, 4> testata_tabella{
    "  ________________________________________________________________________________",
    " | Vel.| Vel.| Progr Km |  No |   Localita' di  Servizio   |     Orario     | Rec |",
    " | Lim.|Marc.|          |  Rs |                            |                |     |",
    bordo_tabella,
};

// The identity lines of one card: its number, the train, where it runs to.
struct Intestazione {
    std::string_view scheda;
    std::string_view treno;
    std::string_view arrivo;
    std::string_view classificazione;
};

constexpr Intestazione scheda_1{
    " |                   |                    SCHEDA 1/4               |              |",
    " |   TRENO n.4936    |                   da: Vordano P.f.          |    V140 B    |",
    " |___________________|                    a: Seli S. Pietro        |     135%     |",
    " |        Reg        |              |      330T         |",
};

constexpr Intestazione scheda_2{
    " |                   |                    SCHEDA 2/4               |              |",
    " |   TRENO n.4936    |                   da: VORDANO P.F.          |    V140 B    |",
    " |___________________|                    a: SELI S. PIETRO        |     135%     |",
    scheda_1.classificazione,
};

// Cards 3 and 4 keep their placeholders: they are forms for another train.
constexpr std::string_view treno_da_compilare =
    " |   TRENO n.xxxxx   |                   da: xxxxxx                |    Vxxx C    |";
constexpr std::string_view arrivo_da_compilare =
    " |___________________|                    a: xxxxxx                |     xxx%     |";
constexpr std::string_view classificazione_da_compilare =
    " |        xxx        |              |      xxxT         |";

constexpr Intestazione scheda_3{
    " |                   |                    SCHEDA 3/4               |              |",
    treno_da_compilare,
    arrivo_da_compilare,
    classificazione_da_compilare,
};

constexpr Intestazione scheda_4{
    " |                   |                    SCHEDA 4/4               |              |",
    treno_da_compilare,
    arrivo_da_compilare,
    classificazione_da_compilare,
};

// Title box, classification and mass box, an empty line and the table head.
template <std::size_t N>
constexpr void aggiungi_testata(Foglio<N>& foglio, const Intestazione& intestazione) {
    foglio.aggiungi(bordo_superiore);
    foglio.aggiungi(intestazione.scheda);
    foglio.aggiungi(intestazione.treno);
    foglio.aggiungi(intestazione.arrivo);
    foglio.aggiungi(bordo_riquadro_destro);
    foglio.aggiungi("  ___________________                ___________________");
    foglio.aggiungi(" |  CLASSIFICAZIONE  |              |  MASSA BLOCCATA   |       ");
    foglio.aggiungi(intestazione.classificazione);
    foglio.aggiungi(" |___________________|              |___________________|");
    foglio.aggiungi("");
    foglio.aggiungi(testata_tabella);
}

// A card's table: its timetable rows, blank rows up to the card's room, and
// the bottom edge unless the last row already drew it.
template <std::size_t N>
constexpr void aggiungi_tabella(Foglio<N>& foglio, std::span<const std::string_view> orario) {
    foglio.aggiungi(orario);
    if (orario.size() <= righe_per_scheda) {
        foglio.ripeti(riga_vuota, righe_per_scheda - orario.size());
        foglio.aggiungi(bordo_tabella);
    }
}

constexpr Foglio<200> componi() {
    Foglio<200> foglio;
    foglio.ripeti("", 2);
    aggiungi_testata(foglio, scheda_1);
    aggiungi_tabella(foglio, orario_scheda_1);
    foglio.aggiungi("");
    foglio.aggiungi(nota);
    foglio.aggiungi(punti_81);
    foglio.ripeti("", 2);
    aggiungi_testata(foglio, scheda_2);
    aggiungi_tabella(foglio, orario_scheda_2);
    foglio.aggiungi("");
    foglio.aggiungi(nota);
    foglio.aggiungi(punti_72);
    foglio.aggiungi("");
    aggiungi_testata(foglio, scheda_3);
    aggiungi_tabella(foglio, {});
    foglio.ripeti("", 2);
    foglio.aggiungi(punti_72);
    foglio.aggiungi("");
    aggiungi_testata(foglio, scheda_4);
    aggiungi_tabella(foglio, {});
    foglio.aggiungi("");
    return foglio;
}

constexpr Foglio<200> scheda = componi();
static_assert(scheda.completo());

}  // namespace

std::span<const std::string_view> righe_scheda() { return scheda.righe(); }

}  // namespace scenario
