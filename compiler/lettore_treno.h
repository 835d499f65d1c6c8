// The train text reader's working state, shared by the files that handle its
// records.
#pragma once

#include <cstdint>

#include "compiler/archivio.h"
#include "compiler/campi.h"
#include "compiler/lettori_comune.h"
#include "compiler/stato.h"

namespace scenario {

struct LetturaTreno : Lettura {
    std::int32_t prossima_tabella;  // next free board slot: slots above it hold board texts
    std::int64_t cursore_velocita = 0;
    std::int32_t velocita_precedente = 0;
    std::int64_t cursore_aderenza = 0;
    std::int32_t aderenza_precedente = 0;
    std::int32_t stazione = slot::primo_posto;  // voci slot of the next station
    std::int64_t fine_stazione_precedente = 0;  // exact platform end of the station before
};

Passo record_velocita(LetturaTreno& t);
Passo record_aderenza(LetturaTreno& t);
Passo record_segnale(LetturaTreno& t);
Passo record_rallentamento(LetturaTreno& t);
Passo record_abbattimento(LetturaTreno& t);
Passo record_stazione(LetturaTreno& t);

// The speed and adhesion in force, on to three cells before the grid's end.
void code_velocita_aderenza(LetturaTreno& t);

}  // namespace scenario
