// Placeholder until the source-text readers land.
#include "compiler/compilatore.h"

namespace scenario {

void memorizza_dati(Stato&, Archivio&) {}

}  // namespace scenario
