// What the builder and its X11 module agree on: the module's file name and
// the two entry points it exports (C names, so dlsym finds them plainly).
#pragma once

#include <cstddef>
#include <memory>

#include "platform/finestra.h"

#define SCENARIO_ESPORTA __attribute__((visibility("default")))

namespace scenario::modulo_x11 {

inline constexpr const char* nome_file = "crea_scenario_x11.so";
inline constexpr const char* nome_crea_finestra = "scenario_x11_crea_finestra";
inline constexpr const char* nome_mostra_messaggio = "scenario_x11_mostra_messaggio";

using CreaFinestra = void (*)(std::unique_ptr<Finestra>*);
using MostraMessaggio = bool (*)(const char*, std::size_t);

}  // namespace scenario::modulo_x11
