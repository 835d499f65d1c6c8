// What the readers saw, kept beside the run record for the report: each
// text as read, each record with where its fields start, which record put
// the object in each cell, and where the recorded fault lies. The compile
// writes these as it goes and never reads them: no decision and no output
// byte depends on them.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <deque>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "compiler/campi.h"
#include "compiler/modello.h"

namespace scenario {

enum class Testo : std::uint8_t { linea = 0, treno = 1 };
constexpr Testo altro_testo(Testo t) { return t == Testo::linea ? Testo::treno : Testo::linea; }

// What a keyword field was taken for; nessuno: it matched no test.
enum class TipoRecord : std::uint8_t {
    nessuno,
    lunghezza,
    progressiva_tre,
    progressiva_due,
    progressiva_uno,
    sfondo_uno,
    sfondo_due,
    sfondo_tre,
    ripetizione,
    pendenza,
    curva,
    montagna,
    indicatore,
    cartello,
    massa_frenata,
    vetture,
    velocita,
    aderenza,
    orologio,
    sabbia,
    segnale,
    rallentamento,
    abbattimento,
    stazione,
};

// One keyword field the reader examined and, when it matched a test, the
// values that test read (a keyword matching two tests gives two records).
// The values live in the traces' ValoriLetti. A long line keeps tens of
// thousands of records, so their span is kept as its two halves, the count
// in the room beside the flags: 24 bytes instead of 32.
struct RecordLetto {
    Testo testo = Testo::linea;
    TipoRecord tipo = TipoRecord::nessuno;
    bool generale = false;               // examined in the line text's general section
    std::uint32_t quanti_valori = 0;
    std::size_t chiave = 0;              // where the keyword field starts
    const CampoLetto* primo_valore = nullptr;

    std::span<const CampoLetto> valori() const { return {primo_valore, quanti_valori}; }
    // A record has a few dozen fields at most.
    void poni_valori(std::span<const CampoLetto> v) {
        primo_valore = v.data();
        quanti_valori = static_cast<std::uint32_t>(v.size());
    }
};

// The values of every record, kept together in large blocks that never move
// once written: a record's span stays valid while later records are added,
// and a long text costs a few allocations instead of one per record.
class ValoriLetti {
public:
    std::span<const CampoLetto> conserva(const std::vector<CampoLetto>& letti);

private:
    static constexpr std::size_t per_blocco = 4096;
    std::vector<std::vector<CampoLetto>> blocchi_;
};

// Where a recorded fault lies: a record of a text (the caret goes under one of
// its fields) or a whole text; the route pass adds the cells it looked at.
struct LuogoGuasto {
    Testo testo = Testo::linea;
    std::optional<std::size_t> record;  // index into Tracce::record
    std::optional<std::size_t> byte;    // where the caret goes; none: the whole text
    Inciampo inciampo;                  // for a reading fault: why the read failed
    bool testo_assente = false;         // for a reading fault: the text could not be had
    std::vector<std::int64_t> celle;    // route pass: the cells it found taken
};

// A cell's object replaced without a fault (a station's stop point is
// written whatever the cell held).
struct Sostituzione {
    std::int64_t cella = 0;
    TipoCella tipo_prima = TipoCella::vuota;  // what was there
    std::uint32_t prima = 0;                  // and its origin
    std::uint32_t dopo = 0;                   // origin of what replaced it
};

// Origin of a cell's object: 1 + the index of the record that placed it; 0
// for none. The route pass's own points carry the flag below with the record
// of the slowdown they serve.
inline constexpr std::uint32_t origine_nessuna = 0;
inline constexpr std::uint32_t aggiunto_dal_percorso = 0x80000000u;
constexpr std::uint32_t origine_di(std::size_t record) { return static_cast<std::uint32_t>(record + 1); }

struct Tracce {
    std::array<std::string, 2> testi;        // each source text as read (or found, if never read)
    std::array<bool, 2> letti{false, false}; // the reader got to it
    std::deque<RecordLetto> record;          // in reading order; never moved as it grows
    // What the records' spans show; a copy of the traces shares it, so the
    // copy's spans stay valid whichever of the two goes first.
    std::shared_ptr<ValoriLetti> valori = std::make_shared<ValoriLetti>();
    std::vector<std::uint32_t> origine;      // per cell, once the grid exists
    std::uint32_t origine_corrente = origine_nessuna;  // what a placement now writes
    std::optional<LuogoGuasto> guasto;       // where the last recorded fault lies
    std::vector<Sostituzione> sostituzioni;
};

}  // namespace scenario
