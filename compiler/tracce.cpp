// The records' values, block by block.
#include "compiler/tracce.h"

#include <algorithm>

namespace scenario {

std::span<const CampoLetto> ValoriLetti::conserva(const std::vector<CampoLetto>& letti) {
    if (letti.empty()) return {};
    // A block is never grown past the room it was made with, so what it
    // already holds never moves.
    if (blocchi_.empty() || blocchi_.back().capacity() - blocchi_.back().size() < letti.size()) {
        blocchi_.emplace_back().reserve(std::max(per_blocco, letti.size()));
    }
    std::vector<CampoLetto>& blocco = blocchi_.back();
    const std::size_t inizio = blocco.size();
    blocco.insert(blocco.end(), letti.begin(), letti.end());
    return {blocco.data() + inizio, letti.size()};
}

}  // namespace scenario
