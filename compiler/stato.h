// The compiler's part of the run record: the track cell grid, the 87 general
// records, the plan geometry, the mountain tables and the fault fields.
// Every compiler operation works on one Stato; nothing else holds state.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "compiler/geometria.h"
#include "compiler/modello.h"
#include "compiler/tracce.h"

namespace scenario {

// One track cell: 50 m of line.
struct Cella {
    TipoCella tipo = TipoCella::vuota;
    std::int16_t valore = 0;
    std::int16_t valore2 = 0;
    std::int16_t valore3 = 0;
    std::int16_t valore4 = 0;
    std::uint8_t tempo = 0;
    std::uint8_t ripetitore = 0;
    std::uint8_t montagna = 0;
    std::uint8_t velocita_cella = 0;
    std::uint8_t pendenza_cella = 0;
    std::uint8_t aderenza_cella = 0;
};

// One general record of the scenario table (stations, boards, header data).
struct Voce {
    std::uint8_t byte0 = 0;
    std::int32_t numero1 = 0;
    std::int32_t numero2 = 0;
    std::int32_t numero3 = 0;
    std::uint8_t byte1 = 0;
    std::string stringa;  // Windows-1252 bytes
    std::int16_t breve1 = 0;
    std::int16_t breve2 = 0;
    std::int16_t breve3 = 0;
    std::int16_t breve4 = 0;
    std::int16_t breve5 = 0;
    std::uint8_t byte2 = 0;
    std::uint8_t byte3 = 0;
    std::uint8_t byte4 = 0;
    std::uint8_t byte5 = 0;
    std::int32_t numero4 = 0;
};

struct Stato {
    std::string nome_percorso;  // route name, Windows-1252 bytes
    std::string numero_treno;   // train number, a text

    std::int32_t scrivi_tracciato = 0;
    std::int32_t lunghezza_estesa = 0;
    std::int32_t numero_celle = 0;
    bool griglia_creata = false;  // the readers have sized celle

    std::vector<Cella> celle;  // indices 0 .. numero_celle
    std::array<Voce, slot::numero_voci> voci{};
    Geometria tracciato;  // plan coordinates, one pair per metre, when asked for

    std::array<std::int32_t, massimo_montagne + 1> inizio_montagne{};
    std::array<std::int32_t, massimo_montagne + 1> fine_montagne{};
    std::int32_t numero_montagne = 0;

    std::string riga;  // the field being parsed; the competition codes leave their key here

    std::int32_t codice_errore = 0;
    std::int32_t posizione_errore = 0;

    Tracce tracce;  // for the report only: the compile never reads it
};

// Records a fault: its number replaces any number already recorded.
inline void registra(Stato& s, Guasto g) { s.codice_errore = numero(g); }
inline void registra(Stato& s, Guasto g, std::int32_t posizione) {
    registra(s, g);
    s.posizione_errore = posizione;
}

}  // namespace scenario
