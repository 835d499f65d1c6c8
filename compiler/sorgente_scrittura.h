// Writes rows as the two source texts, in the forms of the
// built-in ones: the same keys and sections, the same blanks after each
// comma, the train text's numbers right-aligned in its columns, CR LF.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "compiler/sorgente_righe.h"

namespace scenario::sorgente {

std::string testo_linea(const Linea& l);
std::string testo_treno(const Treno& t);

// How a station name or board text must stand in a text so that the reader
// gives back exactly `t`: as it is, or between double quotes (blanks at
// either end, a comma, a line end). Nothing when no field gives it back (it
// needs quotes and holds a double quote, or starts with one).
std::optional<std::string> campo_testo(std::string_view t);

}  // namespace scenario::sorgente
