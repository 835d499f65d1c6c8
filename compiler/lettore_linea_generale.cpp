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
    s.tracce.origine.assign(s.celle.size(), origine_nessuna);
    s.tracciato.cancella();
    if (s.scrivi_tracciato != 0) s.tracciato.crea(s.lunghezza_estesa);
    s.griglia_creata = true;
}

// Stored before its range check, so a rejected length still shows in slot::treno.
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
    if (v.numero2 % metri_cella != 0) return l.ferma(Guasto::fine_ripetizione_fuori_passo, Campo{1});
    if (contiene(chiave, "4")) {
        v.numero3 = 4;
    } else if (contiene(chiave, "9")) {
        v.numero3 = 9;
    } else {
        return l.ferma(Guasto::ripetizione_senza_codici, sulla_chiave);
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
    Chiave k(l, c);
    k.se(contiene_ic(c, "lunghezza") && contiene_ic(c, "percorso"), TipoRecord::lunghezza,
         [&] { return lunghezza_percorso(l); });
    k.se(contiene(c, "tre") && contiene(c, "progressiva"), TipoRecord::progressiva_tre,
         [&] { return progressiva(l, slot::progressiva_tre); });
    k.se(contiene(c, "due") && contiene(c, "progressiva"), TipoRecord::progressiva_due,
         [&] { return progressiva(l, slot::progressiva_due); });
    k.se(contiene(c, "uno") && contiene(c, "progressiva"), TipoRecord::progressiva_uno,
         [&] { return progressiva(l, slot::progressiva_uno); });
    k.se(contiene(c, "sfondo") && contiene(c, "uno"), TipoRecord::sfondo_uno, [&] { return sfondo(l, sfondi.numero1); });
    k.se(contiene(c, "sfondo") && contiene(c, "due"), TipoRecord::sfondo_due, [&] { return sfondo(l, sfondi.numero3); });
    k.se(contiene(c, "sfondo") && contiene(c, "tre"), TipoRecord::sfondo_tre, [&] { return sfondo(l, sfondi.numero2); });
    k.se(contiene(c, "segnali") && contiene(c, "ripetizione"), TipoRecord::ripetizione,
         [&] { return ripetizione_segnali(l, c); });
    return k.passo();
}

}  // namespace

Passo sezione_generale(LetturaLinea& l) {
    l.generale = true;
    Passo p = Passo::avanti;
    while (const auto chiave = prossima_chiave(l.campi, 10)) {
        p = chiave_generale(l, *chiave);
        if (p != Passo::avanti || intestazione_di_sezione(*chiave)) break;
    }
    l.generale = false;
    return p;
}

}  // namespace scenario
