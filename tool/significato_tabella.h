// What the 87 records of a scenario table mean: stations with their
// platforms and times, board texts, and the header records of route and train.
// Shared by `scenario dump` and `scenario plot`.
#pragma once

#include <cstdint>
#include <nlohmann/json.hpp>
#include <string>
#include <string_view>

#include "compiler/decodifica.h"

namespace scenario {

enum class UsoVoce { vuota, stazione, cartello, progressiva, treno, percorso, corsa };

// Slots 1 .. 80 hold stations (any number set) or board texts (a text alone);
// 81 .. 86 are the header records.
UsoVoce uso_voce(const Voci& voci, std::size_t slot);
std::string_view nome_uso(UsoVoce u);

// How much a station's name matters on a crowded drawing: 4 the first and
// the last station, 3 a scheduled stop, 2 a station with signals, 1 a halt.
int rilievo_stazione(const Voci& voci, std::size_t slot);

// Seconds of the day as hh:mm:ss.
std::string orario(std::int64_t secondi);

// One line in words for a record that is not empty.
std::string descrivi_voce(const Voci& voci, std::size_t slot);
// The same for JSON, with stable keys per use.
nlohmann::ordered_json significato_voce(const Voci& voci, std::size_t slot);

}  // namespace scenario
