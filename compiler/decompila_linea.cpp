// The line text from the table's header slots and the cells: route length,
// kilometric progressives, backgrounds, signal repetition, speed boards and
// text boards (mountains are in decompila_montagne.cpp).
#include <algorithm>
#include <array>
#include <map>

#include "compiler/decompila_oggetti.h"
#include "compiler/interi.h"
#include "compiler/modello.h"
#include "compiler/posa.h"

namespace scenario::decompila {
namespace {

bool di_tipo(const Cella& c, TipoCella t) { return c.tipo == t; }

Luogo voce(std::size_t slot, std::string campo) {
    return {FileScenario::tabella, static_cast<std::int64_t>(slot), std::move(campo)};
}

// --- the kilometric progressives ----------------------------------------------

using Terna = std::array<std::int32_t, 3>;  // numero1 .. numero3 of a slot

Terna terna(const Voce& v) { return {v.numero1, v.numero2, v.numero3}; }

// What a row must say for progressive_ordina to store t: a flag of 1 adds 100.
Progressiva riga_per(const Terna& t) {
    return {t[0], t[2] == 1 ? basso32(std::int64_t{t[1]} - 100) : t[1], t[2]};
}

// The stored slots 81 .. 83 after the compile orders rows uno, due, tre.
std::array<Terna, 3> ordinate(const std::array<Progressiva, 3>& righe) {
    Stato s;
    const std::size_t slot_di[] = {slot::progressiva_uno, slot::progressiva_due, slot::progressiva_tre};
    for (std::size_t k = 0; k < 3; ++k) {
        Voce& v = s.voci[slot_di[k]];
        v.numero1 = righe[k].posizione;
        v.numero2 = righe[k].valore;
        v.numero3 = righe[k].bandiera;
    }
    progressive_ordina(s);
    return {terna(s.voci[slot::progressiva_tre]), terna(s.voci[slot::progressiva_due]),
            terna(s.voci[slot::progressiva_uno])};
}

// The compile puts the greatest position first: the rows are the stored
// slots in some order. Tried in order, the first that gives them back wins,
// so the built-in "uno" stays "uno".
void progressive(const Voci& v, Linea& l, Ragioni& r) {
    const std::array<Terna, 3> salvate = {terna(v[slot::progressiva_tre]), terna(v[slot::progressiva_due]),
                                          terna(v[slot::progressiva_uno])};
    std::array<std::size_t, 3> ordine = {0, 1, 2};
    do {
        const std::array<Progressiva, 3> righe = {riga_per(salvate[ordine[0]]), riga_per(salvate[ordine[1]]),
                                                  riga_per(salvate[ordine[2]])};
        if (ordinate(righe) == salvate) {
            l.progressive = righe;
            return;
        }
    } while (std::next_permutation(ordine.begin(), ordine.end()));
    l.progressive = {riga_per(salvate[0]), riga_per(salvate[1]), riga_per(salvate[2])};
    for (std::size_t s = slot::progressiva_tre; s <= slot::progressiva_uno; ++s)
        r[voce(s, "")] = "nessun ordine delle tre progressive dà questi valori dopo l'ordinamento del compilatore";
}

// The code count comes from the key's digit; an end of 0 leaves a count of 0.
void ripetizione(const Voce& corsa, Linea& l, Ragioni& r) {
    l.ripetizione_inizio = corsa.numero1;
    l.ripetizione_fine = corsa.numero2;
    l.codici = corsa.numero3 == 9 ? 9 : 4;
    const bool coerente = corsa.numero2 == 0 ? corsa.numero3 == 0 : (corsa.numero3 == 4 || corsa.numero3 == 9);
    if (!coerente)
        r[voce(slot::corsa, "numero3")] = "i codici della ripetizione segnali sono 4 o 9, e 0 solo quando la fine è 0";
}

void generale(const Voci& v, Linea& l, Ragioni& r) {
    l.lunghezza = v[slot::treno].numero2;
    progressive(v, l, r);
    const Voce& percorso = v[slot::percorso];
    l.sfondi = {percorso.numero1, percorso.numero3, percorso.numero2};
    ripetizione(v[slot::corsa], l, r);
}

// --- boards -----------------------------------------------------------------------

// Coded speed V = nearest(destra / 5 + sinistra x 20): the left speed a
// multiple of 5, the right one what is left, 0 to 495 km/h.
std::pair<std::int32_t, std::int32_t> velocita(std::int16_t codice) {
    const std::int64_t q = codice >= 0 ? codice / 100 : -((-std::int64_t{codice} + 99) / 100);
    return {static_cast<std::int32_t>(5 * q), static_cast<std::int32_t>(5 * (codice - 100 * q))};
}

Indicatore indicatore(const Cella& c, std::size_t k) {
    Indicatore i{};
    i.p = metro_della_cella(k);
    std::tie(i.vas, i.vad) = velocita(c.valore);
    std::tie(i.vbs, i.vbd) = velocita(c.valore2);
    std::tie(i.vcs, i.vcd) = velocita(c.valore3);
    const std::int64_t strisce = c.valore4;
    i.strisces = static_cast<std::int32_t>(strisce >= 0 ? strisce / 10 : -((-strisce + 9) / 10));
    i.strisced = static_cast<std::int32_t>(strisce - 10 * std::int64_t{i.strisces});
    i.destra = i.vad != 0 || i.vbd != 0 || i.vcd != 0;
    return i;
}

// A board text whose cell a stop point covered still took its slot: it goes
// on another stop point's cell (the station covers it again), else on the
// last free cell, where the difference shows.
class PostiCartelli {
public:
    explicit PostiCartelli(const Celle& celle) : celle_(celle) {
        for (std::size_t k = 0; k < celle.size(); ++k)
            if (di_tipo(celle[k], TipoCella::punto_fermata) && k >= 1) fermate_.push_back(k);
    }

    std::size_t prossimo() {
        if (!fermate_.empty()) {
            const std::size_t k = fermate_.back();
            fermate_.pop_back();
            return k;
        }
        while (ultima_ > 2 && !di_tipo(celle_[ultima_], TipoCella::vuota)) --ultima_;
        return ultima_ > 2 ? ultima_-- : ultima_;
    }

private:
    const Celle& celle_;
    std::vector<std::size_t> fermate_;
    std::size_t ultima_ = celle_.size() >= 2 ? celle_.size() - 2 : 0;
};

void cartelli(const Celle& celle, const Voci& v, Linea& l, Ragioni& r) {
    std::map<std::size_t, std::size_t> cella_del_posto;
    for (std::size_t k = 0; k < celle.size(); ++k) {
        if (!di_tipo(celle[k], TipoCella::cartello_testo)) continue;
        const std::int16_t posto = celle[k].valore;
        if (!oggetto_possibile(celle, k, r)) continue;
        if (posto < 1 || posto > static_cast<std::int16_t>(slot::ultimo_posto) ||
            !cella_del_posto.emplace(static_cast<std::size_t>(posto), k).second)
            r[{FileScenario::celle, static_cast<std::int64_t>(k), ""}] =
                "i cartelli prendono i posti dall'80 in giù, uno ciascuno";
    }
    const std::size_t primo = posti(celle, v).primo_cartello;
    PostiCartelli liberi(celle);
    for (std::size_t posto = slot::ultimo_posto; posto >= primo; --posto) {
        const auto it = cella_del_posto.find(posto);
        const std::size_t k = it != cella_del_posto.end() ? it->second : liberi.prossimo();
        l.cartelli.push_back({metro_della_cella(k), v[posto].stringa});
    }
}

}  // namespace

Posti posti(const Celle& celle, const Voci& v) {
    Posti p;
    for (const Cella& c : celle) {
        if (!di_tipo(c, TipoCella::cartello_testo) || c.valore < 1) continue;
        p.primo_cartello = std::min(p.primo_cartello, static_cast<std::size_t>(c.valore));
    }
    const auto vuota = [](const Voce& x) {
        return x.byte0 == 0 && x.numero1 == 0 && x.numero2 == 0 && x.numero3 == 0 && x.byte1 == 0 && x.stringa.empty() &&
               x.breve1 == 0 && x.breve2 == 0 && x.breve3 == 0 && x.breve4 == 0 && x.breve5 == 0 && x.byte2 == 0 &&
               x.byte3 == 0 && x.byte4 == 0 && x.byte5 == 0 && x.numero4 == 0;
    };
    while (p.stazioni + 1 < p.primo_cartello && !vuota(v[p.stazioni + 1])) ++p.stazioni;
    return p;
}

bool oggetto_possibile(const Celle& celle, std::size_t k, Ragioni& r) {
    if (k >= 2 && k + 1 < celle.size()) return true;
    r[{FileScenario::celle, static_cast<std::int64_t>(k), ""}] =
        k == 0   ? "nessuna riga mette un oggetto nella cella 0: starebbe prima del metro 0"
        : k == 1 ? "la cella 1 tiene il marcatore del file: un oggetto lì ferma la compilazione (errore 1250)"
                 : "nessuna riga mette un oggetto nell'ultima cella: è oltre il controllo della griglia";
    return false;
}

void recupera_linea(const Celle& celle, const Voci& v, Linea& l, Ragioni& r) {
    generale(v, l, r);
    recupera_montagne(celle, l, r);
    for (std::size_t k = 0; k < celle.size(); ++k) {
        if (di_tipo(celle[k], TipoCella::indicatore_velocita) && oggetto_possibile(celle, k, r))
            l.indicatori.push_back(indicatore(celle[k], k));
    }
    cartelli(celle, v, l, r);
}

}  // namespace scenario::decompila
