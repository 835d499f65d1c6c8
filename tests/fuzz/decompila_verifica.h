// The rules the decompiler keeps whatever files it is given: files that are
// not a compiled scenario give a reason and nothing else; otherwise its
// claim is true: the texts it wrote, compiled again, give exactly the bytes
// it read when it lists no difference, and other bytes when it lists some.
#pragma once

#include <string>
#include <string_view>

#include "compiler/decompila.h"

namespace scenario::fuzz {

// The first broken rule in words, or an empty text. Files the compiler
// wrote (`dal_compilatore`) must also be taken for a compiled scenario.
std::string decompila_e_verifica(const decompila::FileLetti& f, bool dal_compilatore = false);

// The decoder-side input: the cell file, "@@@@\n", the table, and after a
// second "@@@@\n" the geometry when there is one.
decompila::FileLetti dividi_compilati(std::string_view dati);

}  // namespace scenario::fuzz
