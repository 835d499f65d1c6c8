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
    Chiave k(t, c);
    k.se(contiene_ic(c, "frenata") && contiene_ic(c, "massa"), TipoRecord::massa_frenata,
         [&] { return valori(t, treno.numero1); });
    k.se(contiene_ic(c, "vetture"), TipoRecord::vetture, [&] { return valori(t, treno.numero3); });
    k.se(contiene_ic(c, "velocit"), TipoRecord::velocita, [&] { return record_progressione(t, t.velocita); });
    k.se(contiene_ic(c, "aderenza"), TipoRecord::aderenza, [&] { return record_progressione(t, t.aderenza); });
    k.se(contiene_ic(c, "orologio"), TipoRecord::orologio,
         [&] { return valori(t, orario.breve3, orario.breve4, orario.breve5); });
    k.se(contiene_ic(c, "sabbia"), TipoRecord::sabbia, [&] { return valori(t, orario.breve1); });
    k.se(contiene_ic(c, "segnale"), TipoRecord::segnale, [&] { return record_segnale(t); });
    k.se(contiene_ic(c, "rallentamento"), TipoRecord::rallentamento, [&] { return record_rallentamento(t); });
    k.se(contiene_ic(c, "abbattimento"), TipoRecord::abbattimento, [&] { return record_abbattimento(t); });
    k.se(contiene_ic(c, "stazione"), TipoRecord::stazione, [&] { return record_stazione(t); });
    return k.passo();
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

// For the report: the first progressive row of the line text whose position
// or value, as read, is off the 50 m step.
LuogoGuasto luogo_progressiva(const Stato& s) {
    LuogoGuasto luogo;
    for (std::size_t r = 0; r < s.tracce.record.size(); ++r) {
        const RecordLetto& record = s.tracce.record[r];
        const bool progressiva = record.tipo == TipoRecord::progressiva_tre ||
                                 record.tipo == TipoRecord::progressiva_due || record.tipo == TipoRecord::progressiva_uno;
        for (std::size_t i = 0; progressiva && i < 2 && i < record.valori().size(); ++i) {
            if (record.valori()[i].numero().value_or(0) % metri_cella == 0) continue;
            luogo.record = r;
            luogo.byte = record.valori()[i].inizio;
            return luogo;
        }
    }
    return luogo;
}

void fine_testo_treno(LetturaTreno& t) {
    t.a.elimina(nome_testo_treno(t.s));
    if (t.s.griglia_creata) {
        coda_progressione(t.s, t.velocita);
        coda_progressione(t.s, t.aderenza);
    }
    if (!progressive_a_passo(t.s)) {
        registra(t.s, Guasto::progressiva_fuori_passo);
        t.s.tracce.guasto = luogo_progressiva(t.s);
    }
}

}  // namespace

void leggi_testo_treno(Stato& s, Archivio& a, std::int32_t prossima_tabella) {
    // Kept once, in the traces the diagnostics quote; the reader works on that copy.
    std::optional<std::string> testo = a.leggi(nome_testo_treno(s));
    std::string& tenuto = s.tracce.testi[static_cast<std::size_t>(Testo::treno)];
    if (testo) {
        tenuto = std::move(*testo);
        s.tracce.letti[static_cast<std::size_t>(Testo::treno)] = true;
    }
    LetturaTreno t{{s, a, LettoreCampi(testo ? std::string_view(tenuto) : std::string_view()), nome_testo_treno(s),
                     nome_testo_linea(s), Testo::treno},
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
