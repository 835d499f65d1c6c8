// What the line reader and the train reader share: keyword tests, the grid
// test, reading several values in a row, and the walk from one keyword field
// to the next.
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

// How a record handler leaves its reading loop.
enum class Passo {
    avanti,        // next keyword field
    fine_sezione,  // fault 15: the section ends, the tail still runs
    stop,          // memorizza_dati returns at once
};

// What either reader holds while it reads one source text, and the ways it
// stops: its own text is deleted on every stop, the other one too on a
// reading fault.
struct Lettura {
    Stato& s;
    Archivio& a;
    LettoreCampi campi;
    std::string proprio;  // name of the text being read
    std::string altro;    // name of the other source text

    // Records the fault (and the metre where it has one), deletes this text.
    Passo ferma(Guasto g);
    Passo ferma(Guasto g, std::int32_t posizione);
    // After a placement: a fault it recorded (or one already there) stops the
    // reader with the record's metre.
    Passo dopo_posa(std::int32_t posizione);
    // A reading fault: both source texts go.
    Passo guasto_lettura();
    // Fault 15 at p: ends the main section, the tail still runs.
    Passo oltre_griglia(std::int32_t p);
};

// Substring tests: ASCII letters folded, or compared as read.
bool contiene_ic(std::string_view campo, std::string_view parola);
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

}  // namespace scenario
