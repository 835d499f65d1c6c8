// The position rule shared by every placement: metres to cell indices, in
// exact integer arithmetic so that negative metres round the same way.
#include "compiler/posa.h"

#include "compiler/interi.h"

namespace scenario {

std::int64_t vicino_50(std::int64_t n) { return dividi_vicino(n, 50); }

// nearest(p / 50 + 1) is not nearest(p / 50) + 1 under ties to even
// (25 m: 1.5 goes to 2, while 0.5 + 1 would give 1), so the 1 goes in first.
std::int64_t cella_di(std::int64_t p) { return dividi_vicino(p + 50, 50); }

}  // namespace scenario
