// The line text reader: finds the general section, then reads the main
// section record by record and finishes with the gradient and geometry tails.
#include <optional>
#include <string>
#include <utility>

#include "compiler/lettori.h"
#include "compiler/nomi_file.h"
#include "compiler/posa.h"

namespace scenario {

namespace {

std::size_t righe(std::string_view testo) {
    std::size_t n = 1;
    for (auto i = testo.find('\n'); i != std::string_view::npos; i = testo.find('\n', i + 1)) ++n;
    return n;
}

// Every test that matches the keyword runs, in this order, each reading its own values.
Passo chiave_principale(LetturaLinea& l, std::string_view c) {
    Chiave k(l, c);
    k.se(contiene_ic(c, "pendenza"), TipoRecord::pendenza, [&] { return record_progressione(l, l.pendenza); });
    k.se(l.s.scrivi_tracciato != 0 && contiene_ic(c, "curva"), TipoRecord::curva, [&] { return record_curva(l, c); });
    k.se(contiene_ic(c, "montagna"), TipoRecord::montagna, [&] { return record_montagna(l); });
    k.se(contiene_ic(c, "indicatori_v"), TipoRecord::indicatore, [&] { return record_indicatore(l); });
    k.se(contiene_ic(c, "indicat") && contiene_ic(c, "cartello"), TipoRecord::cartello,
         [&] { return record_cartello(l); });
    return k.passo();
}

Passo sezione_principale(LetturaLinea& l) {
    while (const auto chiave = prossima_chiave(l.campi, 2)) {
        const Passo p = chiave_principale(l, *chiave);
        if (p != Passo::avanti) return p;
    }
    return Passo::avanti;
}

void tra_le_sezioni(LetturaLinea& l) {
    progressive_ordina(l.s);
    l.s.numero_montagne = 0;
    punti_iniziali(l.s);
}

// The text is consumed; the grid gets its last gradients and the plan runs
// straight on to two metres before its end.
void coda_linea(LetturaLinea& l) {
    l.a.elimina(nome_testo_linea(l.s));
    if (!l.s.griglia_creata) return;
    coda_progressione(l.s, l.pendenza);
    if (l.s.tracciato.esiste()) rettilineo(l.s, std::int64_t{l.s.lunghezza_estesa} - 2, false);
}

// Up to the start of the general section; false when the reader stops there.
bool apri_generale(LetturaLinea& l) {
    switch (cerca_generale(l.campi)) {
        case Intestazione::testo_vuoto: l.guasto_lettura(); return false;
        case Intestazione::assente: l.ferma(Guasto::generale_assente); return false;
        case Intestazione::trovata: return true;
    }
    return false;
}

}  // namespace

std::optional<std::int32_t> leggi_testo_linea(Stato& s, Archivio& a) {
    const std::string nome = nome_testo_linea(s);
    if (!a.esiste(nome)) {
        registra(s, Guasto::testo_linea_assente);
        return std::nullopt;
    }
    // The text is kept once, in the traces the diagnostics quote; the reader
    // works on that copy.
    std::optional<std::string> testo = a.leggi(nome);
    std::string& tenuto = s.tracce.testi[static_cast<std::size_t>(Testo::linea)];
    if (testo) {
        tenuto = std::move(*testo);
        s.tracce.letti[static_cast<std::size_t>(Testo::linea)] = true;
        // A curve, one to a line, makes at most two runs of the plan: the
        // straight up to it and its arc.
        s.tracciato.riserva(2 * righe(tenuto) + 1);
    }
    LetturaLinea l{{s, a, LettoreCampi(testo ? std::string_view(tenuto) : std::string_view()), nome_testo_linea(s),
                     nome_testo_treno(s), Testo::linea}};
    if (!testo) {
        l.guasto_lettura();
        return std::nullopt;
    }
    if (!apri_generale(l) || sezione_generale(l) == Passo::stop) return std::nullopt;
    tra_le_sezioni(l);
    if (sezione_principale(l) == Passo::stop) return std::nullopt;
    coda_linea(l);
    return l.prossima_tabella;
}

}  // namespace scenario
