// The scenario notes the driver reads before the run: Italian prose about the
// train, the line and its hard stretches, in Windows-1252 bytes.
#include "documents/documenti.h"

#include <array>

namespace scenario {
namespace {

// Accented letters are single Windows-1252 bytes (0xE8, 0xF2). The trailing
// blanks of four lines belong to the text as the author wrote it.
constexpr std::array<std::string_view, 25> righe{
    "Il treno 4936 \xE8 un regionale Vordano-Seli che, al contrario dei Regionali",
    "che ogni ora vanno da Vordano a Seli, effettua solo tre fermate: Castelmoro, ",
    "Acquafredda e Porto Vecchio e termina a Seli S. Pietro e non a Seli Centrale.",
    "",
    "A Ponte Selino il treno passa sul binario deviato perch\xE8 qui inizia il doppio",
    "binario fino a Seli.",
    "",
    "Il treno viene effettuato regolarmente con Ale 506/426 TAF perci\xF2 lo ho",
    "impostato con le caratteristiche di questo convoglio : 4 vetture e un peso ",
    "frenato molto elevato.",
    "",
    "La linea \xE8 caratterizzata da forti pendenze.",
    "Occorre prestare attenzione da Rocca di Sale in poi: ci sono salite e",
    "discese molto ripide.",
    "",
    "Tra Ponte Selino e Seli S. Pietro ci sono 14 stazioni: due hanno i segnali ",
    "(San Cataldo e Seli Smistamento), le altre sono fermate e tre di esse sono",
    "in galleria (San Marco, Piazza Dante e Porta Nuova). Il treno ferma",
    "solamente in una di queste, a Porto Vecchio, e qui bisogna prestare molta",
    "attenzione perch\xE8 appunto non ha segnalazione , i segnali che si incontrano ",
    "sono quelli del Blocco Conta Assi.",
    "",
    "Aspetto critiche sia positive che negative.",
    "Marco Ferretti",
    "marco.ferretti@example.it",
};

}  // namespace

std::span<const std::string_view> righe_note() { return righe; }

}  // namespace scenario
