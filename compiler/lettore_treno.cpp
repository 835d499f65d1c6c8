// The train text reader: after "[generale]" every keyword is recognised
// wherever it stands; at the end the speed and adhesion tails and the check
// of the kilometric progressives.
#include "compiler/lettori.h"
#include "compiler/nomi_file.h"

namespace scenario {

namespace {

Passo valori(LetturaTreno& t, auto&... destinazioni) {
    return leggi(t.campi, destinazioni...) ? Passo::avanti : t.guasto_lettura();
}

// Every test that matches the keyword runs, in this order, each reading its own values.
Passo chiave_treno(LetturaTreno& t, std::string_view c) {
    Voce& treno = t.s.voci[slot::treno];
    Voce& orario = t.s.voci[slot::corsa];
    Passo p = Passo::avanti;
    const auto prossimo = [&p](bool corrisponde) { return p == Passo::avanti && corrisponde; };
    if (prossimo(contiene_ic(c, "frenata") && contiene_ic(c, "massa"))) p = valori(t, treno.numero1);
    if (prossimo(contiene_ic(c, "vetture"))) p = valori(t, treno.numero3);
    if (prossimo(contiene_ic(c, "velocit"))) p = record_progressione(t, t.velocita);
    if (prossimo(contiene_ic(c, "aderenza"))) p = record_progressione(t, t.aderenza);
    if (prossimo(contiene_ic(c, "orologio"))) p = valori(t, orario.breve3, orario.breve4, orario.breve5);
    if (prossimo(contiene_ic(c, "sabbia"))) p = valori(t, orario.breve1);
    if (prossimo(contiene_ic(c, "segnale"))) p = record_segnale(t);
    if (prossimo(contiene_ic(c, "rallentamento"))) p = record_rallentamento(t);
    if (prossimo(contiene_ic(c, "abbattimento"))) p = record_abbattimento(t);
    if (prossimo(contiene_ic(c, "stazione"))) p = record_stazione(t);
    return p;
}

Passo sezione_treno(LetturaTreno& t) {
    while (const auto chiave = prossima_chiave(t.campi, 2)) {
        const Passo p = chiave_treno(t, *chiave);
        if (p != Passo::avanti) return p;
    }
    return Passo::avanti;
}

bool progressive_a_passo(const Stato& s) {
    for (std::size_t quale = slot::progressiva_tre; quale <= slot::progressiva_uno; ++quale) {
        const Voce& v = s.voci[quale];
        if (v.numero1 % metri_cella != 0 || v.numero2 % metri_cella != 0) return false;
    }
    return true;
}

void fine_testo_treno(LetturaTreno& t) {
    t.a.elimina(nome_testo_treno(t.s));
    if (t.s.griglia_creata) {
        coda_progressione(t.s, t.velocita);
        coda_progressione(t.s, t.aderenza);
    }
    if (!progressive_a_passo(t.s)) registra(t.s, Guasto::progressiva_fuori_passo);
}

}  // namespace

void leggi_testo_treno(Stato& s, Archivio& a, std::int32_t prossima_tabella) {
    const std::optional<std::string> testo = a.leggi(nome_testo_treno(s));
    LetturaTreno t{{s, a, LettoreCampi(testo ? std::string_view(*testo) : std::string_view()), nome_testo_treno(s),
                     nome_testo_linea(s)},
                    prossima_tabella};
    // A missing or empty text is a read past its end. Without "[generale]" the
    // search stops at the end of the text, so the section below is empty.
    if (!testo || cerca_generale(t.campi) == Intestazione::testo_vuoto) {
        t.guasto_lettura();
        return;
    }
    if (sezione_treno(t) == Passo::stop) return;
    fine_testo_treno(t);
}

}  // namespace scenario
