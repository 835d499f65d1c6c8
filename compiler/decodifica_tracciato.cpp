// Decodes the line geometry element by element, then checks the shape that
// every compiled plan has: two coordinates per metre and the fixed start.
#include "compiler/decodifica_tracciato.h"

#include <cmath>

#include "compiler/codifica.h"
#include "compiler/lettura_binaria.h"

namespace scenario {
namespace {

using Risultato = Decodificato<Tracciato>;

Risultato difettoso(Controllo c, std::uint64_t posizione, std::string dettaglio) {
    return {{}, Difetto{c, posizione, std::move(dettaglio)}};
}

std::string elemento(std::size_t k) { return "l'elemento " + std::to_string(k); }

// One element at the cursor into e; the failed check when it breaks the layout.
std::optional<Difetto> leggi_elemento(LettoreByte& b, std::size_t k, Elemento& e) {
    const std::size_t inizio = b.posizione();
    if (!b.restano(2)) return Difetto{Controllo::tracciato_valore, inizio, elemento(k) + " è tagliato nel tag"};
    const std::uint16_t tag = b.u16();
    e.tag = static_cast<Elemento::Tag>(tag);
    switch (e.tag) {
        case Elemento::Tag::vuoto: return std::nullopt;
        case Elemento::Tag::intero:
            if (!b.restano(2)) break;
            e.intero = b.i16();
            return std::nullopt;
        case Elemento::Tag::doppio:
            if (!b.restano(8)) break;
            e.doppio = b.f64();
            return std::nullopt;
        default:
            return Difetto{Controllo::tracciato_tag, inizio,
                           elemento(k) + " ha il tag " + std::to_string(tag) + " invece di 0, 2 o 5"};
    }
    return Difetto{Controllo::tracciato_valore, inizio,
                   elemento(k) + " (tag " + std::to_string(tag) + ") è tagliato: il file finisce al byte " +
                       std::to_string(b.dimensione())};
}

bool punto_fisso(const Elemento& e, std::int16_t valore) {
    return e.tag == Elemento::Tag::intero && e.intero == valore;
}

// Metres 0 and 1 are (0, 0) and (0, 1) in a plan that was drawn; a plan that
// was never drawn (the reader stopped in the general section) assigns nothing.
std::optional<std::size_t> fuori_forma(const std::vector<Elemento>& el) {
    const std::size_t meta = el.size() / 2;
    if (el[0].tag == Elemento::Tag::vuoto) {
        for (std::size_t k = 0; k < el.size(); ++k)
            if (el[k].tag != Elemento::Tag::vuoto) return k;
        return std::nullopt;
    }
    const std::pair<std::size_t, std::int16_t> fissi[] = {{0, 0}, {1, 0}, {meta, 0}, {meta + 1, 1}};
    for (const auto& [k, valore] : fissi)
        if (!punto_fisso(el[k], valore)) return k;
    return std::nullopt;
}

std::uint64_t posizione_di(const std::vector<Elemento>& el, std::size_t k) {
    std::uint64_t p = 0;
    for (std::size_t i = 0; i < k; ++i) p += byte_elemento(el[i]);
    return p;
}

// The first value that is not a finite number, with its byte offset.
std::optional<Difetto> non_finito(const std::vector<Elemento>& el) {
    std::uint64_t p = 0;
    for (std::size_t k = 0; k < el.size(); p += byte_elemento(el[k]), ++k) {
        if (el[k].tag == Elemento::Tag::doppio && !std::isfinite(el[k].doppio))
            return Difetto{Controllo::tracciato_valore_finito, p, elemento(k) + " non è un numero finito"};
    }
    return std::nullopt;
}

// The counts first (the layout), then the checks of meaning, which keep the values.
Risultato verifica_forma(Risultato r, std::size_t dimensione) {
    const std::vector<Elemento>& el = r.dati.elementi;
    if (el.size() % 2 != 0) {
        return difettoso(Controllo::tracciato_coppie, dimensione,
                         "il file ha " + std::to_string(el.size()) + " elementi, un numero dispari");
    }
    const std::size_t minimi = 2 * (static_cast<std::size_t>(griglia_per(0)->lunghezza_estesa) + 1);
    if (el.size() < minimi) {
        return difettoso(Controllo::tracciato_griglia_minima, dimensione,
                         "il file ha " + std::to_string(el.size() / 2) + " metri, meno dei " +
                             std::to_string(minimi / 2) + " di un percorso di 0 m");
    }
    r.dati.lunghezza_estesa = static_cast<std::int32_t>(el.size() / 2 - 1);
    if (auto d = non_finito(el)) {
        r.difetto = std::move(d);
    } else if (const auto k = fuori_forma(el)) {
        const std::size_t metri = el.size() / 2;
        r.difetto = Difetto{Controllo::tracciato_punti_fissi, posizione_di(el, *k),
                            "la coordinata " + std::to_string(*k / metri) + " del metro " + std::to_string(*k % metri) +
                                (el[0].tag == Elemento::Tag::vuoto ? " è assegnata, ma il metro 0 non lo è"
                                                                   : " non è il suo punto fisso (0, 0), (0, 1)")};
    }
    return r;
}

}  // namespace

Risultato decodifica_tracciato(std::string_view dati) {
    Risultato r;
    r.dati.elementi.reserve(dati.size() / 4);
    LettoreByte b(dati);
    while (!b.alla_fine()) {
        Elemento e;
        if (auto d = leggi_elemento(b, r.dati.elementi.size(), e)) return {{}, std::move(d)};
        r.dati.elementi.push_back(e);
    }
    return verifica_forma(std::move(r), dati.size());
}

}  // namespace scenario
