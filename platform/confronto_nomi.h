// File names compared as the system compares them: on Windows letter case
// aside (its file system finds "A_LINEA.TXT" for "a_linea.txt"), on Linux
// byte for byte.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace scenario {

// `nome` without `inizio` at its start (without `fine` at its end), when it
// starts (ends) so; nothing otherwise. All texts UTF-8.
std::optional<std::string> nome_senza_inizio(std::string_view nome, std::string_view inizio);
std::optional<std::string> nome_senza_fine(std::string_view nome, std::string_view fine);

}  // namespace scenario
