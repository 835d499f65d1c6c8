// The compiler's vocabulary, named once: what each cell type means, which
// voci slot holds what, every fault number, the markers and the grid's
// sizes. Code finds these by name, never by number.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string_view>

namespace scenario {

// The object a track cell holds: the `tipo` byte of the cell file.
enum class TipoCella : std::uint8_t {
    vuota = 0,
    segnale = 1,
    fine_rallentamento = 2,
    inizio_rallentamento = 3,
    avviso_rallentamento = 4,     // warning board, 1200 m before the start
    approccio_rallentamento = 5,  // the four cells before the warning board
    indicatore_velocita = 6,      // maximum-speed board
    punto_fermata = 10,           // a station's stop point
    marcatore_montagna = 11,      // counts as free
    abbattimento = 12,            // with a value
    abbattimento_senza_valore = 13,
    cartello_testo = 14,  // text board: valore is the voci slot of its text
};

// A cell type by its name, as `scenario dump` and test failures show it.
constexpr std::string_view nome_tipo_cella(TipoCella t) {
    switch (t) {
        case TipoCella::vuota: return "vuota";
        case TipoCella::segnale: return "segnale";
        case TipoCella::fine_rallentamento: return "fine_rallentamento";
        case TipoCella::inizio_rallentamento: return "inizio_rallentamento";
        case TipoCella::avviso_rallentamento: return "avviso_rallentamento";
        case TipoCella::approccio_rallentamento: return "approccio_rallentamento";
        case TipoCella::indicatore_velocita: return "indicatore_velocita";
        case TipoCella::punto_fermata: return "punto_fermata";
        case TipoCella::marcatore_montagna: return "marcatore_montagna";
        case TipoCella::abbattimento: return "abbattimento";
        case TipoCella::abbattimento_senza_valore: return "abbattimento_senza_valore";
        case TipoCella::cartello_testo: return "cartello_testo";
    }
    return "sconosciuto";
}

// A placement may write only into a free cell: an empty one or a mountain marker.
constexpr bool libera(TipoCella t) { return t == TipoCella::vuota || t == TipoCella::marcatore_montagna; }

// The voci slots with a fixed meaning, and the range stations and boards share.
namespace slot {
inline constexpr std::size_t numero_voci = 87;
inline constexpr std::size_t primo_posto = 1;      // stations from here upward
inline constexpr std::size_t ultimo_posto = 80;    // board texts from here downward
inline constexpr std::size_t progressiva_tre = 81;  // the three kilometric progressives,
inline constexpr std::size_t progressiva_due = 82;  // ordered by progressive_ordina
inline constexpr std::size_t progressiva_uno = 83;
inline constexpr std::size_t treno = 84;     // braked mass, route length, cars
inline constexpr std::size_t percorso = 85;  // backgrounds, route name, marker 610, weighted code
inline constexpr std::size_t corsa = 86;     // cab-signal repetition, train number, sand, clock
}  // namespace slot

// The mountain section tables hold this many sections, from index 1.
inline constexpr std::size_t massimo_montagne = 80;

// Every fault number the compiler records. 14 and 23 are not used.
enum class Guasto : std::int32_t {
    lunghezza_eccessiva = 1,
    progressiva_fuori_passo = 2,
    inizio_ripetizione_fuori_passo = 3,
    fine_ripetizione_fuori_passo = 4,
    ripetizione_senza_codici = 5,
    cartello_su_cella_occupata = 6,
    abbattimento_su_cella_occupata = 7,
    stazione_fuori_passo = 8,
    marciapiede_fuori_passo = 9,
    posti_esauriti = 10,
    segnale_davanti_avviso_senza_posto = 11,
    avvicinamento_senza_posto = 12,
    rallentamento_senza_posto = 13,
    oltre_la_griglia = 15,
    segnale_su_cella_occupata = 16,
    avviso_su_cella_occupata = 17,
    inizio_su_cella_occupata = 18,
    fine_su_cella_occupata = 19,
    approccio_su_cella_occupata = 20,
    indicatore_su_cella_occupata = 21,
    stazioni_troppo_vicine = 22,
    fermata_troppo_presto = 24,
    lettura = 25,
    testo_linea_assente = 101,
    generale_assente = 102,
    curva_senza_classe = 103,  // also: plan geometry past metre 1000000
};

// Every fault above, in ascending order: the fault table is checked against
// this list when it is compiled, so a fault cannot lack its row.
inline constexpr std::array<Guasto, 26> guasti_registrabili = {
    Guasto::lunghezza_eccessiva,
    Guasto::progressiva_fuori_passo,
    Guasto::inizio_ripetizione_fuori_passo,
    Guasto::fine_ripetizione_fuori_passo,
    Guasto::ripetizione_senza_codici,
    Guasto::cartello_su_cella_occupata,
    Guasto::abbattimento_su_cella_occupata,
    Guasto::stazione_fuori_passo,
    Guasto::marciapiede_fuori_passo,
    Guasto::posti_esauriti,
    Guasto::segnale_davanti_avviso_senza_posto,
    Guasto::avvicinamento_senza_posto,
    Guasto::rallentamento_senza_posto,
    Guasto::oltre_la_griglia,
    Guasto::segnale_su_cella_occupata,
    Guasto::avviso_su_cella_occupata,
    Guasto::inizio_su_cella_occupata,
    Guasto::fine_su_cella_occupata,
    Guasto::approccio_su_cella_occupata,
    Guasto::indicatore_su_cella_occupata,
    Guasto::stazioni_troppo_vicine,
    Guasto::fermata_troppo_presto,
    Guasto::lettura,
    Guasto::testo_linea_assente,
    Guasto::generale_assente,
    Guasto::curva_senza_classe,
};

inline constexpr std::int32_t numero(Guasto g) { return static_cast<std::int32_t>(g); }

// The two fatal errors of the route pass: a marker or code place already in
// use. They stop the run before any compiled file; their text is fixed.
inline constexpr std::int32_t errore_marcatore = 1250;
inline constexpr std::int32_t errore_codici_gara = 1251;

// The marks the route pass stamps, and the value of its "abbattimento" points.
inline constexpr std::int16_t marcatore_tabella = 610;  // breve1 of slot::percorso
inline constexpr std::int16_t marcatore_celle = 5121;   // valore of cell 1
inline constexpr std::size_t cella_marcatore = 1;
inline constexpr std::int16_t valore_abbattimento = 180;

// The grid.
inline constexpr std::int64_t metri_cella = 50;
inline constexpr std::int32_t lunghezza_massima = 1000000;
inline constexpr std::int32_t margine_griglia = 7000;  // the grid runs this far past the route

}  // namespace scenario
