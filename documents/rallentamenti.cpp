// The slowdown order "Modulo M. 3" as the build prints it: a blank form whose
// table of restrictions the driver fills in by hand.
#include "documents/documenti.h"

#include <array>

#include "documents/foglio.h"

namespace scenario {
namespace {

constexpr std::string_view bordo_tabella =
    " |___|____________________________|____________|__________|_________|____________|";
constexpr std::string_view riga_vuota =
    " |   |                            |            |          |         |            |";
// The form leaves room for this many restrictions, whatever the train text holds.
constexpr std::size_t righe_da_compilare = 26;

constexpr std::array<std::string_view, 12> testata{
    "",
    "                               Modulo M. 3",
    "                           ORDINE DI RALLENTAMENTO",
    " ________________________________________________________________________________",
    "  Linea  xxxxxx xxxxxxx",
    "",
    "  Si ordina al macchinista del treno xxxxx di effettuare i seguenti rallentamenti",
    "  _______________________________________________________________________________",
    " |   |                            |Inizio dopo |          |         |            |",
    " | N.|      FRA LE STAZIONI       | il cippo   | Velocita'|Lunghezza|Prescrizioni|",
    " |   |   (o nelle Stazioni di)    |chilometrico|          |   metri | specifiche |",
    bordo_tabella,
};

// The legend keeps the form's own order (A, B, D, C) and its spelling.
constexpr std::array<std::string_view, 8> legenda{
    bordo_tabella,
    "",
    "              Prescrizioni specifiche",
    " A - Da rispettare con tutto il treno (per i treni viaggiatori)",
    " B - Interessa anche la stazione di.......",
    " D - Rallentamneto N. ... e N. ...  sono contigui",
    " C - Da rispettare dalle ore ....  alle ore ..... di tutti",
    "     i giorni esclusi i seguenti:.........",
};

constexpr Foglio<46> componi() {
    Foglio<46> foglio;
    foglio.aggiungi(testata);
    foglio.ripeti(riga_vuota, righe_da_compilare);
    foglio.aggiungi(legenda);
    return foglio;
}

constexpr Foglio<46> ordine = componi();
static_assert(ordine.completo());

}  // namespace

std::span<const std::string_view> righe_rallentamenti() { return ordine.righe(); }

}  // namespace scenario
