// progressive_ordina: the three kilometric progressives of their voci slots are
// put in order, the greatest position first; a flag of 1 adds 100 m.
#include <array>
#include <optional>

#include "compiler/interi.h"
#include "compiler/posa.h"

namespace scenario {
namespace {

struct Terna {
    std::int32_t numero1 = 0;
    std::int32_t numero2 = 0;
    std::int32_t numero3 = 0;
};

// The slots in order: "tre", "due", "uno".
enum Quale : std::size_t { tre = 0, due = 1, uno = 2 };
constexpr std::size_t primo_slot = slot::progressiva_tre;
static_assert(slot::progressiva_due == primo_slot + due && slot::progressiva_uno == primo_slot + uno);

using Ordine = std::array<Quale, 3>;

// The unique greatest numero1 first; the two others in descending order,
// equal ones in the fixed order of each case. Nothing when the top is tied.
std::optional<Ordine> ordine_per_posizione(const std::array<Terna, 3>& t) {
    static constexpr std::array<Ordine, 3> a_pari = {{{tre, uno, due}, {due, uno, tre}, {uno, due, tre}}};
    for (const Quale q : {tre, due, uno}) {
        const Ordine o = a_pari[q];
        if (t[q].numero1 <= t[o[1]].numero1 || t[q].numero1 <= t[o[2]].numero1) continue;
        if (t[o[2]].numero1 > t[o[1]].numero1) return Ordine{q, o[2], o[1]};
        return o;
    }
    return std::nullopt;
}

// With every position at 0 the value decides: the last of T, D, U with a
// positive numero2 picks the order.
std::optional<Ordine> ordine_per_valore(const std::array<Terna, 3>& t) {
    std::optional<Ordine> o;
    if (t[tre].numero2 > 0) o = Ordine{tre, due, uno};
    if (t[due].numero2 > 0) o = Ordine{due, tre, uno};
    if (t[uno].numero2 > 0) o = Ordine{uno, due, tre};
    return o;
}

}  // namespace

void progressive_ordina(Stato& s) {
    std::array<Terna, 3> t;
    for (std::size_t q = 0; q < 3; ++q) {
        const Voce& v = s.voci[primo_slot + q];
        t[q] = {v.numero1, v.numero2, v.numero3};
    }
    const std::int64_t somma = std::int64_t{t[tre].numero1} + t[due].numero1 + t[uno].numero1;
    const std::optional<Ordine> ordine = somma != 0 ? ordine_per_posizione(t) : ordine_per_valore(t);
    for (std::size_t k = 0; k < 3; ++k) {
        const Terna r = ordine ? t[(*ordine)[k]] : Terna{};
        Voce& v = s.voci[primo_slot + k];
        v.numero1 = r.numero1;
        v.numero2 = r.numero3 == 1 ? basso32(std::int64_t{r.numero2} + 100) : r.numero2;
        v.numero3 = r.numero3;
    }
}

}  // namespace scenario
