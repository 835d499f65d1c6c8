// The general section of the line text: route length and the grid it sizes,
// the kilometric progressives, the backgrounds and the signal repetition.
#include "compiler/lettori.h"
#include "compiler/posa.h"

namespace scenario {
namespace {

// A fresh, empty grid (and plan table when asked for) for a route of length L.
void crea_griglia(Stato& s, std::int32_t L) {
    s.lunghezza_estesa = L + margine_griglia;
    s.numero_celle = static_cast<std::int32_t>(dividi_vicino(s.lunghezza_estesa, metri_cella));
    s.celle.assign(static_cast<std::size_t>(s.numero_celle) + 1, Cella{});
    s.tracciato.clear();
    if (s.scrivi_tracciato != 0) {
        s.tracciato.assign(2 * (static_cast<std::size_t>(s.lunghezza_estesa) + 1), Elemento{});
    }
    s.griglia_creata = true;
}

// Stored before its range check, so a rejected length still shows in voci 84.
Passo lunghezza_percorso(LetturaLinea& l) {
    std::int32_t& L = l.s.voci[slot::treno].numero2;
    if (!leggi(l.campi, L)) return l.guasto_lettura();
    if (L < 0 || L > lunghezza_massima) return l.ferma(Guasto::lunghezza_eccessiva);
    crea_griglia(l.s, L);
    return Passo::avanti;
}

Passo progressiva(LetturaLinea& l, std::size_t quale) {
    Voce& v = l.s.voci[quale];
    return leggi(l.campi, v.numero1, v.numero2, v.numero3) ? Passo::avanti : l.guasto_lettura();
}

Passo sfondo(LetturaLinea& l, std::int32_t& destinazione) {
    return leggi(l.campi, destinazione) ? Passo::avanti : l.guasto_lettura();
}

// The keyword names the cab system's code count; an end of 0 means no repetition.
Passo ripetizione_segnali(LetturaLinea& l, std::string_view chiave) {
    Voce& v = l.s.voci[slot::corsa];
    if (!leggi(l.campi, v.numero1, v.numero2)) return l.guasto_lettura();
    if (v.numero1 % metri_cella != 0) return l.ferma(Guasto::inizio_ripetizione_fuori_passo);
    if (v.numero2 % metri_cella != 0) return l.ferma(Guasto::fine_ripetizione_fuori_passo);
    if (contiene(chiave, "4")) {
        v.numero3 = 4;
    } else if (contiene(chiave, "9")) {
        v.numero3 = 9;
    } else {
        return l.ferma(Guasto::ripetizione_senza_codici);
    }
    if (v.numero2 == 0) v.numero3 = 0;
    return Passo::avanti;
}

// The next section header: brackets, and not a comment.
bool intestazione_di_sezione(std::string_view campo) {
    const auto primo = campo.find_first_not_of(" \t");
    const bool commento = primo != std::string_view::npos && campo[primo] == '-';
    return contiene(campo, "[") && contiene(campo, "]") && !commento;
}

// Every test that matches the keyword runs, in this order, each reading its own values.
Passo chiave_generale(LetturaLinea& l, std::string_view c) {
    Voce& sfondi = l.s.voci[slot::percorso];
    Passo p = Passo::avanti;
    const auto prossimo = [&p](bool corrisponde) { return p == Passo::avanti && corrisponde; };
    if (prossimo(contiene_ic(c, "lunghezza") && contiene_ic(c, "percorso"))) p = lunghezza_percorso(l);
    if (prossimo(contiene(c, "tre") && contiene(c, "progressiva"))) p = progressiva(l, slot::progressiva_tre);
    if (prossimo(contiene(c, "due") && contiene(c, "progressiva"))) p = progressiva(l, slot::progressiva_due);
    if (prossimo(contiene(c, "uno") && contiene(c, "progressiva"))) p = progressiva(l, slot::progressiva_uno);
    if (prossimo(contiene(c, "sfondo") && contiene(c, "uno"))) p = sfondo(l, sfondi.numero1);
    if (prossimo(contiene(c, "sfondo") && contiene(c, "due"))) p = sfondo(l, sfondi.numero3);
    if (prossimo(contiene(c, "sfondo") && contiene(c, "tre"))) p = sfondo(l, sfondi.numero2);
    if (prossimo(contiene(c, "segnali") && contiene(c, "ripetizione"))) p = ripetizione_segnali(l, c);
    return p;
}

}  // namespace

Passo sezione_generale(LetturaLinea& l) {
    while (const auto chiave = prossima_chiave(l.campi, 10)) {
        const Passo p = chiave_generale(l, *chiave);
        if (p != Passo::avanti || intestazione_di_sezione(*chiave)) return p;
    }
    return Passo::avanti;
}

}  // namespace scenario
