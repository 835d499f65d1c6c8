// The line text reader's working state, shared by the files that handle its
// sections and records.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "compiler/archivio.h"
#include "compiler/campi.h"
#include "compiler/lettori_comune.h"
#include "compiler/stato.h"

namespace scenario {

struct LetturaLinea : Lettura {
    std::int64_t cursore_pendenza = 0;
    std::int32_t pendenza_precedente = 0;
    std::int64_t cursore_tracciato = 2;  // next metre of the plan geometry
    std::int32_t prossima_tabella = slot::ultimo_posto;  // voci slot of the next board text
};

// The general section: route length and grid, progressives, backgrounds,
// signal repetition.
Passo sezione_generale(LetturaLinea& l);
Passo chiave_generale(LetturaLinea& l, std::string_view chiave);

// The main section's records.
Passo record_pendenza(LetturaLinea& l);
// The gradient in force, from the cursor to three cells before the grid's end.
void coda_pendenze(LetturaLinea& l);
Passo record_curva(LetturaLinea& l, std::string_view chiave);
Passo record_montagna(LetturaLinea& l);
Passo record_indicatore(LetturaLinea& l);
Passo record_cartello(LetturaLinea& l);

// Plan geometry: straight on to metre `fino` (inclusive). False when the
// cursor passes the geometry limit on the way (only curves ask for that test).
bool rettilineo(LetturaLinea& l, std::int64_t fino, bool con_limite);
// Arc of curvature k on to metre `fino`; false past the geometry limit.
bool arco(LetturaLinea& l, std::int64_t fino, double k);
// Metres 0 and 1 as the two fixed 16-bit points.
void punti_iniziali(Stato& s);

}  // namespace scenario
