// The two source-text readers, the two halves of memorizza_dati: what they
// share (keyword tests, the grid test, the walk from one keyword field to the
// next, the way they stop) and the working state of each.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "compiler/archivio.h"
#include "compiler/campi.h"
#include "compiler/interi.h"
#include "compiler/modello.h"
#include "compiler/stato.h"

namespace scenario {

// Reads and deletes the line source text. Nothing when the readers stop here
// (a fault that ends memorizza_dati); otherwise the next free board slot.
std::optional<std::int32_t> leggi_testo_linea(Stato& s, Archivio& a);

// Reads and deletes the train source text; stations stay below `prossima_tabella`.
void leggi_testo_treno(Stato& s, Archivio& a, std::int32_t prossima_tabella);

// --- what both readers share -------------------------------------------------

// How a record handler leaves its reading loop.
enum class Passo {
    avanti,        // next keyword field
    fine_sezione,  // oltre_la_griglia: the section ends, the tail still runs
    stop,          // memorizza_dati returns at once
};

// Which field of the record being read a fault lies under (for the report):
// by its place among the values, or the keyword itself.
struct Campo {
    std::size_t indice;
};
inline constexpr Campo primo_valore{0};
inline constexpr Campo sulla_chiave{static_cast<std::size_t>(-1)};

// What either reader holds while it reads one source text, and the ways it
// stops: its own text is deleted on every stop, the other one too on a
// reading fault. Each stop also notes where the fault lies, for the report.
struct Lettura {
    Stato& s;
    Archivio& a;
    LettoreCampi campi;
    std::string proprio;  // name of the text being read
    std::string altro;    // name of the other source text
    Testo testo;          // which of the two this is
    bool generale = false;                   // in the line text's general section
    std::optional<std::size_t> record = {};  // the record being read (Tracce::record)

    // Records the fault (and the metre where it has one), deletes this text.
    Passo ferma(Guasto g, Campo campo = primo_valore);
    Passo ferma(Guasto g, std::int32_t posizione, Campo campo = primo_valore);
    // After a placement: a fault it recorded (or one already there) stops the
    // reader with the record's metre.
    Passo dopo_posa(std::int32_t posizione);
    // A reading fault: both source texts go.
    Passo guasto_lettura();
    // oltre_la_griglia at p: ends the main section, the tail still runs.
    Passo oltre_griglia(std::int32_t p, Campo campo = primo_valore);

    // A record begins at the keyword field starting at byte `chiave`, and ends.
    void apri_record(TipoRecord tipo, std::size_t chiave);
    void chiudi_record();

private:
    void segna_luogo(Campo campo);
};

// One keyword field put to the tests of its section in order: every test that
// matches runs, while none has stopped the reader, as a record of its own.
class Chiave {
public:
    Chiave(Lettura& l, std::string_view campo) : l_(l), campo_(campo), inizio_(l.campi.inizio_ultimo()) {}

    std::string_view campo() const { return campo_; }

    template <typename Leggi>
    void se(bool corrisponde, TipoRecord tipo, Leggi&& leggi_record) {
        if (passo_ != Passo::avanti || !corrisponde) return;
        riconosciuta_ = true;
        l_.apri_record(tipo, inizio_);
        passo_ = leggi_record();
        l_.chiudi_record();
    }

    // How the reader goes on; a field that matched nothing is noted too.
    Passo passo();

private:
    Lettura& l_;
    std::string_view campo_;
    std::size_t inizio_;
    bool riconosciuta_ = false;
    Passo passo_ = Passo::avanti;
};

// The reader could not read the other source text: keep it for the report,
// which counts the records nobody read.
void conserva_non_letto(Stato& s, Archivio& a, Testo testo, const std::string& nome);

// Substring tests: ASCII letters folded, or compared as read. Every keyword
// field meets several of them, and most end at the length check.
constexpr char minuscola_ascii(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; }
inline bool contiene_ic(std::string_view campo, std::string_view parola) {
    if (parola.empty()) return !campo.empty();
    for (std::size_t i = 0; i + parola.size() <= campo.size(); ++i) {
        std::size_t j = 0;
        while (j < parola.size() && minuscola_ascii(campo[i + j]) == minuscola_ascii(parola[j])) ++j;
        if (j == parola.size()) return true;
    }
    return false;
}
inline bool contiene(std::string_view campo, std::string_view parola) {
    return campo.find(parola) != std::string_view::npos;
}

// A record at metre p lies outside the grid: no grid yet, a negative metre, or
// (p + margine) / 50 beyond numero_celle. Records keep two cells clear of
// the grid's end; a station, whose platform reaches past it, sixteen.
inline constexpr std::int64_t margine_record = 2 * metri_cella;
inline constexpr std::int64_t margine_stazione = 16 * metri_cella;
bool fuori_griglia(const Stato& s, std::int64_t p, std::int64_t margine);

// Reads up to the field holding "[generale]"; the field that ends the text is
// never examined, so a "[generale]" there counts as absent.
enum class Intestazione { trovata, assente, testo_vuoto };
Intestazione cerca_generale(LettoreCampi& campi);

// The next keyword field with up to `commenti` comment fields (holding "-")
// passed over; nothing when the section ends here.
std::optional<std::string> prossima_chiave(LettoreCampi& campi, int commenti);

// Reads each value in turn into its target by the target's width, storing
// each as soon as it is read; false at the first reading fault.
inline bool leggi_uno(LettoreCampi& c, std::int32_t& v) {
    const auto n = c.intero32();
    if (n) v = *n;
    return n.has_value();
}
inline bool leggi_uno(LettoreCampi& c, std::int16_t& v) {
    const auto n = c.intero16();
    if (n) v = *n;
    return n.has_value();
}
inline bool leggi_uno(LettoreCampi& c, std::uint8_t& v) {
    const auto n = c.byte8();
    if (n) v = *n;
    return n.has_value();
}
inline bool leggi_uno(LettoreCampi& c, std::string& v) {
    auto t = c.testo();
    if (t) v = std::move(*t);
    return t.has_value();
}
template <typename... T>
bool leggi(LettoreCampi& c, T&... valori) {
    return (leggi_uno(c, valori) && ...);
}

// A value that holds from one record's cell up to the next record's: the
// gradient, the speed limit, the adhesion. Each cell gets it as one byte.
struct Progressione {
    std::uint8_t Cella::*campo;                 // the cell byte it fills
    std::uint8_t (*in_cella)(std::int32_t);     // the value as that byte
    bool ferma_a_fine_griglia = false;          // records stop at the grid's last cell
    std::int64_t cursore = 0;                   // next cell still to write
    std::int32_t precedente = 0;                // the value in force
};

// A record "metre p, value v": the value in force runs up to cell nearest(p / 50)
// (at least one cell whenever that cell is above 0, even when the cursor is
// already past it); then v is in force.
Passo record_progressione(Lettura& l, Progressione& p);

// At the end of a text: the value in force on to three cells before the grid's end.
void coda_progressione(Stato& s, Progressione& p);

// --- the line text -----------------------------------------------------------

std::uint8_t pendenza_in_cella(std::int32_t g);

struct LetturaLinea : Lettura {
    Progressione pendenza{&Cella::pendenza_cella, &pendenza_in_cella};
    std::int32_t prossima_tabella = slot::ultimo_posto;  // voci slot of the next board text
};

// The general section: route length and grid, progressives, backgrounds,
// signal repetition.
Passo sezione_generale(LetturaLinea& l);

// The main section's records.
Passo record_curva(LetturaLinea& l, std::string_view chiave);
Passo record_montagna(LetturaLinea& l);
Passo record_indicatore(LetturaLinea& l);
Passo record_cartello(LetturaLinea& l);

// Plan geometry: straight on to metre `fino` (inclusive) from the next metre
// to compute (the geometry cursor). False when the cursor passes the geometry
// limit on the way (only curves ask for that test).
bool rettilineo(Stato& s, std::int64_t fino, bool con_limite);
// Metres 0 and 1 as the two fixed 16-bit points.
void punti_iniziali(Stato& s);

// --- the train text ----------------------------------------------------------

std::uint8_t velocita_in_cella(std::int32_t v);
std::uint8_t aderenza_in_cella(std::int32_t a);

struct LetturaTreno : Lettura {
    std::int32_t prossima_tabella;  // next free board slot: slots above it hold board texts
    Progressione velocita{&Cella::velocita_cella, &velocita_in_cella, true};
    Progressione aderenza{&Cella::aderenza_cella, &aderenza_in_cella};
    std::int32_t stazione = slot::primo_posto;  // voci slot of the next station
    std::int64_t fine_stazione_precedente = 0;  // exact platform end of the station before
};

Passo record_segnale(LetturaTreno& t);
Passo record_rallentamento(LetturaTreno& t);
Passo record_abbattimento(LetturaTreno& t);
Passo record_stazione(LetturaTreno& t);

}  // namespace scenario
