// What the cells of a cell file mean, in the words a route author uses: the
// object by name, a signal's settings split back into their parts, a board's
// speeds in km/h, stations and board texts looked up in the scenario table.
// Shared by `scenario dump` and the titles of `scenario plot`.
#pragma once

#include <cstdint>
#include <nlohmann/json.hpp>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "compiler/decodifica.h"

namespace scenario {

// A decoded cell file, with the table that sits beside it when there is one.
struct VistaCelle {
    const std::vector<Cella>& celle;
    const Voci* voci = nullptr;
};

std::uint8_t tipo_di(const Cella& c);

// The stable name of a cell type, as in the model: "segnale", "indicatore_velocita", ...
std::string_view nome_tipo(std::uint8_t tipo);
// The same in words: "segnale", "cartello indicatore", ...
std::string_view parole_tipo(std::uint8_t tipo);

// Cell k stands for metre 50 (k - 1), the place of every point object put into
// it, and covers 25 m either side.
std::int64_t metro_cella(std::size_t k);

struct LatoSegnale {
    int tipo = 0;  // sx or dx; 0: no signal on that side
    int impostazioni[3] = {0, 0, 0};
};
struct PartiSegnale {
    LatoSegnale sinistro, destro;
    int rapp = 0;
    int tempo = 0;
};
// valore = s1 x 10 + d1, valore2 = s2 x 10 + d2, valore3 = s3 x 10 + d3,
// valore4 = rapp x 10 + sx x 3 + dx: each part read back as one digit.
PartiSegnale parti_segnale(const Cella& c);

struct LatoIndicatore {
    int a = 0, b = 0, c = 0;  // km/h for speed ranks A, B and C
    int strisce = 0;
};
struct PartiIndicatore {
    LatoIndicatore sinistro, destro;
    bool ha_destro = false;
};
// Each value is vd / 5 + vs x 20 of two speeds in 5 km/h steps, so the
// hundreds give the left board's speed and the rest the right one's.
PartiIndicatore parti_indicatore(const Cella& c);

// The name of a station slot or the text of a board slot, as UTF-8.
std::optional<std::string> testo_slot(const Voci* voci, std::int64_t slot);

// "segnale: sinistro tipo 2 (4, 1, 0), nessuno a destra, rapp 0, tempo 0"; empty for an empty cell.
std::string descrivi_oggetto(const VistaCelle& v, std::size_t k);
// The repeater byte in words ("ripetitore 1 del segnale della cella 18"); empty when 0.
std::string descrivi_ripetitore(const VistaCelle& v, std::size_t k);

// The same for JSON: an object whose keys depend on the cell type.
nlohmann::ordered_json significato_oggetto(const VistaCelle& v, std::size_t k);
// What the repeater byte marks, or null.
nlohmann::ordered_json significato_ripetitore(const VistaCelle& v, std::size_t k);

// km/h of the speed limit byte, per mille of the gradient byte; nothing when unassigned (0).
std::optional<int> velocita_kmh(const Cella& c);
std::optional<int> pendenza_permille(const Cella& c);

}  // namespace scenario
