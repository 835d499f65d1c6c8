// Linux file names are bytes, UTF-8 by convention: passed through as they are.
#include "platform/percorso_utf8.h"

namespace scenario {

std::filesystem::path percorso_da_utf8(std::string_view testo) { return std::filesystem::path(testo); }

std::string utf8_di_percorso(const std::filesystem::path& percorso) { return percorso.native(); }

}  // namespace scenario
