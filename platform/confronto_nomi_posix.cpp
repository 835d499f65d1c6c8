// Linux names: the bytes as typed.
#include "platform/confronto_nomi.h"

namespace scenario {

std::optional<std::string> nome_senza_inizio(std::string_view nome, std::string_view inizio) {
    if (!nome.starts_with(inizio)) return std::nullopt;
    return std::string(nome.substr(inizio.size()));
}

std::optional<std::string> nome_senza_fine(std::string_view nome, std::string_view fine) {
    if (!nome.ends_with(fine)) return std::nullopt;
    return std::string(nome.substr(0, nome.size() - fine.size()));
}

}  // namespace scenario
