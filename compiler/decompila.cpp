// The decompile: decode the files, recover every row, tell the route pass's
// "abbattimento" points from the train text's by compiling the candidate,
// write the texts, compile them and compare every byte.
#include "compiler/decompila.h"

#include <algorithm>

#include "compiler/archivio_memoria.h"
#include "compiler/decodifica_celle.h"
#include "compiler/decodifica_tabella.h"
#include "compiler/decodifica_tracciato.h"
#include "compiler/diagnostica.h"
#include "compiler/decompila_confronto.h"
#include "compiler/decompila_geometria.h"
#include "compiler/decompila_oggetti.h"
#include "compiler/decompila_percorso.h"
#include "compiler/decompila_serie.h"
#include "compiler/sorgente_scrittura.h"
#include "compiler/nomi_file.h"

namespace scenario::decompila {
namespace {

// The files as read, each decoded as far as its layout allows.
struct Letti {
    Decodificato<std::vector<Cella>> celle;
    Decodificato<Voci> tabella;
    std::optional<Decodificato<Tracciato>> tracciato;
};

// A broken layout or a missing file marker: not a compiled scenario at all.
std::optional<std::string> non_compilato(const Letti& l) {
    const auto motivo = [](const char* file, const auto& d) -> std::optional<std::string> {
        if (!d.difetto) return std::nullopt;
        const Controllo c = d.difetto->controllo;
        if (!di_struttura(c) && c != Controllo::celle_marcatore && c != Controllo::tabella_marcatore)
            return std::nullopt;
        return std::string(file) + ": " + messaggio_difetto(*d.difetto);
    };
    if (auto m = motivo("file delle celle", l.celle)) return m;
    if (auto m = motivo("tabella dello scenario", l.tabella)) return m;
    if (l.tracciato)
        if (auto m = motivo("geometria della linea", *l.tracciato)) return m;
    return std::nullopt;
}

// --- compiling in memory --------------------------------------------------------

struct Compilati {
    Esito esito = Esito::completato;
    std::int32_t codice_errore = 0, posizione_errore = 0;
    std::vector<std::string> errori;  // the report's faults, each whole
    std::optional<std::string> celle, tabella, tracciato;
};

std::vector<std::string> errori_di(const Stato& s, Esito esito) {
    std::vector<std::string> errori;
    for (const Diagnostica& x : diagnostica(s, esito, {nome_testo_linea(s), nome_testo_treno(s)}))
        if (x.livello == Diagnostica::Livello::errore) errori.push_back(testo_diagnostica(x));
    return errori;
}

Compilati compila(const Decompilazione& d, const std::string& linea, const std::string& treno, bool geometria) {
    Stato s;
    s.nome_percorso = d.percorso;
    s.numero_treno = d.treno;
    ArchivioMemoria a;
    a.file[nome_testo_linea(s)] = linea;
    a.file[nome_testo_treno(s)] = treno;
    std::int32_t j = geometria ? 1 : 0;
    Compilati c;
    c.esito = memorizza_percorso(s, a, j);
    c.codice_errore = s.codice_errore;
    c.posizione_errore = s.posizione_errore;
    c.errori = errori_di(s, c.esito);
    const auto preso = [&a](const std::string& nome) -> std::optional<std::string> {
        const auto it = a.file.find(nome);
        return it == a.file.end() ? std::nullopt : std::optional<std::string>(it->second);
    };
    c.celle = preso(nome_file_celle(s));
    c.tabella = preso(nome_tabella(s));
    c.tracciato = preso(nome_tracciato(s));
    return c;
}

// --- recovery ---------------------------------------------------------------------

struct Recupero {
    Linea linea;
    Treno treno;
    std::vector<std::size_t> da_180;  // cells with a point of 180: the route pass's, or a row's
    Ragioni ragioni;
};

void ragioni_del_tracciato(const Geometria& g, Ragioni& r) {
    for (const std::int32_t m : g.metri_senza_passo)
        r[{FileScenario::tracciato, m, ""}] =
            "nessuna delle dodici curvature né il rettilineo porta dai due metri prima a questo punto";
    for (const std::int32_t m : g.metri_fuori_forma)
        r[{FileScenario::tracciato, m, ""}] = m <= 1 ? "i metri 0 e 1 sono sempre (0, 0) e (0, 1)"
                                                     : "nessuna riga della linea dà questo metro così";
}

// Places that only the names or the route length decide.
void ragioni_fisse(const Letti& l, Ragioni& r) {
    const std::string codice = "il codice di gara viene dai nomi di percorso e treno (record 85 e 86)";
    r[{FileScenario::tabella, slot::percorso, "numero4"}] = codice;
    r[{FileScenario::celle, cella_marcatore, "valore2"}] = codice;
    const std::int32_t lunghezza = l.tabella.dati[slot::treno].numero2;
    const auto g = griglia_per(lunghezza);
    const std::string da = "la lunghezza del percorso nella tabella, " + std::to_string(lunghezza) + " m, dà ";
    if (!g) return;
    const auto celle = static_cast<std::int64_t>(g->numero_celle) + 1;
    r[{FileScenario::celle, std::min<std::int64_t>(celle, static_cast<std::int64_t>(l.celle.dati.size())), ""}] =
        da + std::to_string(celle) + " celle";
    if (l.tracciato) {
        const auto metri = static_cast<std::int64_t>(g->lunghezza_estesa) + 1;
        const auto nel_file = static_cast<std::int64_t>(l.tracciato->dati.elementi.size() / 2);
        r[{FileScenario::tracciato, std::min(metri, nel_file), ""}] = da + std::to_string(metri) + " metri";
    }
}

void ragioni_dei_testi(const Recupero& rec, Ragioni& r) {
    for (std::size_t k = 0; k < rec.treno.stazioni.size(); ++k) {
        if (!campo_testo(rec.treno.stazioni[k].nome))
            r[{FileScenario::tabella, static_cast<std::int64_t>(k + 1), "stringa"}] =
                "nessun campo del testo dà questo nome: tra virgolette non può contenere virgolette";
    }
    for (std::size_t k = 0; k < rec.linea.cartelli.size(); ++k) {
        if (!campo_testo(rec.linea.cartelli[k].testo))
            r[{FileScenario::tabella, static_cast<std::int64_t>(slot::ultimo_posto - k), "stringa"}] =
                "nessun campo del testo dà questo testo: tra virgolette non può contenere virgolette";
    }
}

Recupero recupera(const Letti& l) {
    Recupero rec;
    const std::vector<Cella>& celle = l.celle.dati;
    const Voci& voci = l.tabella.dati;
    recupera_linea(celle, voci, rec.linea, rec.ragioni);
    if (l.tracciato) {
        const Geometria g = curve_del_tracciato(l.tracciato->dati);
        rec.linea.curve = g.curve;
        ragioni_del_tracciato(g, rec.ragioni);
    }
    rec.linea.pendenze = cambi(celle, Serie::pendenza);
    rec.treno.velocita = cambi(celle, Serie::velocita);
    rec.treno.aderenze = cambi(celle, Serie::aderenza);
    recupera_treno(celle, voci, rec.treno, rec.ragioni);
    Abbattimenti a = abbattimenti_delle_celle(celle);
    rec.treno.abbattimenti = std::move(a.righe);
    rec.da_180 = std::move(a.da_180);
    ragioni_senza_riga(celle, voci, rec.ragioni);
    ragioni_fisse(l, rec.ragioni);
    ragioni_dei_testi(rec, rec.ragioni);
    return rec;
}

// The candidate's grid as the readers leave it, before the route pass.
std::optional<Stato> prima_del_percorso(const Decompilazione& d, const Recupero& rec) {
    Stato s;
    s.nome_percorso = d.percorso;
    s.numero_treno = d.treno;
    ArchivioMemoria a;
    a.file[nome_testo_linea(s)] = testo_linea(rec.linea);
    a.file[nome_testo_treno(s)] = testo_treno(rec.treno);
    memorizza_dati(s, a);
    if (!s.griglia_creata) return std::nullopt;
    return s;
}

// Points of 180 are the route pass's or rows of the train text: running the
// pass on the candidate tells which (decompila_percorso.h).
void abbattimenti_dei_testi(Recupero& rec, const Decompilazione& d, const std::vector<Cella>& file) {
    if (rec.da_180.empty()) return;
    const std::optional<Stato> prima = prima_del_percorso(d, rec);
    const std::vector<std::size_t> righe = prima ? righe_da_180(*prima, file, rec.da_180) : rec.da_180;
    for (const std::size_t k : righe)
        rec.treno.abbattimenti.push_back({static_cast<std::int32_t>(k * metri_cella), valore_abbattimento});
    std::ranges::sort(rec.treno.abbattimenti, {}, &Abbattimento::p);
}

// --- the proof --------------------------------------------------------------------

void confronta(const Letti& l, const FileLetti& f, const Compilati& c, const Ragioni& r, Decompilazione& d) {
    const auto manca = [&d](FileScenario file) {
        d.differenze.push_back({{file, -1, ""}, -1, "presente", "", "la compilazione dei testi non scrive file"});
    };
    if (!c.celle || !c.tabella) {
        manca(FileScenario::celle);
        manca(FileScenario::tabella);
        return;
    }
    if (*c.celle != f.celle) {
        auto v = confronta_celle(l.celle.dati, decodifica_celle(*c.celle).dati, r);
        d.differenze.insert(d.differenze.end(), v.begin(), v.end());
    }
    if (*c.tabella != f.tabella) {
        auto v = confronta_tabella(l.tabella.dati, decodifica_tabella(*c.tabella).dati, r);
        d.differenze.insert(d.differenze.end(), v.begin(), v.end());
    }
    if (l.tracciato && c.tracciato && *c.tracciato != *f.tracciato) {
        auto v = confronta_tracciato(l.tracciato->dati, decodifica_tracciato(*c.tracciato).dati, r);
        d.differenze.insert(d.differenze.end(), v.begin(), v.end());
    }
}

}  // namespace

Decompilazione decompila(const FileLetti& f) {
    Letti l{decodifica_celle(f.celle), decodifica_tabella(f.tabella), std::nullopt};
    if (f.tracciato) l.tracciato = decodifica_tracciato(*f.tracciato);
    Decompilazione d;
    if ((d.non_compilato = non_compilato(l))) return d;
    d.percorso = l.tabella.dati[slot::percorso].stringa;
    d.treno = l.tabella.dati[slot::corsa].stringa;
    d.con_geometria = l.tracciato.has_value();

    Recupero rec = recupera(l);
    abbattimenti_dei_testi(rec, d, l.celle.dati);
    d.testo_linea = testo_linea(rec.linea);
    d.testo_treno = testo_treno(rec.treno);

    const Compilati c = compila(d, d.testo_linea, d.testo_treno, d.con_geometria);
    d.esito = c.esito;
    d.codice_errore = c.codice_errore;
    d.posizione_errore = c.posizione_errore;
    d.errori = c.errori;
    confronta(l, f, c, rec.ragioni, d);
    return d;
}

}  // namespace scenario::decompila
