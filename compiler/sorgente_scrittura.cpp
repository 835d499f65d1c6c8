// The rows of a scenario written line by line, each in the form
// the built-in texts use for its kind.
#include "compiler/sorgente_scrittura.h"

#include "compiler/campi.h"

namespace scenario::sorgente {
namespace {

std::string s(std::int64_t v) { return std::to_string(v); }

// A number right-aligned in `larghezza` characters (the blanks after the
// comma count); a wider number stands alone.
std::string colonna(std::int64_t v, std::size_t larghezza) {
    std::string n = std::to_string(v);
    if (n.size() < larghezza) n.insert(0, larghezza - n.size(), ' ');
    return n;
}

class Righe {
public:
    Righe& operator<<(const std::string& riga) {
        testo_ += riga;
        testo_ += "\r\n";
        return *this;
    }
    std::string testo() && { return std::move(testo_); }

private:
    std::string testo_;
};

// The reader reads the field back exactly: what it would make of it.
bool torna_uguale(const std::string& campo, std::string_view t) {
    const std::string riga = campo + "\r\n";
    LettoreCampi lettore(riga);
    const auto letto = lettore.testo();
    return letto && *letto == t && lettore.alla_fine();
}

// A text that no field gives back is written as near as it gets: quoted, up
// to its first double quote.
std::string campo_o_vicino(std::string_view t) {
    if (auto c = campo_testo(t)) return *c;
    return "\"" + std::string(t.substr(0, t.find('"'))) + "\"";
}

void generale_linea(Righe& r, const Linea& l) {
    static constexpr const char* nomi[] = {"uno", "due", "tre"};
    r << "[generale]";
    r << "lunghezza percorso,    " + s(l.lunghezza);
    for (std::size_t k = 0; k < 3; ++k) {
        const Progressiva& p = l.progressive[k];
        r << std::string("progressiva chilometrica ") + nomi[k] + ",    " + s(p.posizione) + ",    " + s(p.valore) +
                 ",    " + s(p.bandiera);
    }
    for (std::size_t k = 0; k < 3; ++k) r << std::string("sfondo ") + nomi[k] + ",    " + s(l.sfondi[k]);
    r << "ripetizione segnali " + s(l.codici) + " codici,    " + s(l.ripetizione_inizio) + ",    " +
             s(l.ripetizione_fine);
}

// "indicatori_vmax,  500,  75,  80,  80,  0,  ,  ,  ,  0": without a
// right-hand board its three speeds stay empty.
std::string riga_indicatore(const Indicatore& i) {
    const auto destra = [&i](std::int32_t v) { return i.destra ? s(v) : std::string(); };
    return "indicatori_vmax,  " + s(i.p) + ",  " + s(i.vas) + ",  " + s(i.vbs) + ",  " + s(i.vcs) + ",  " +
           s(i.strisces) + ",  " + destra(i.vad) + ",  " + destra(i.vbd) + ",  " + destra(i.vcd) + ",  " +
           s(i.strisced);
}

void generale_treno(Righe& r, const Treno& t) {
    r << "[generale]";
    r << "numero vetture,    " + s(t.vetture);
    r << "percentuale massa frenata,    " + s(t.massa_frenata);
    r << "sabbia,    " + s(t.sabbia);
    r << "orologio,    " + s(t.ore) + std::string(15, ' ') + s(t.minuti) + std::string(12, ' ') + s(t.secondi) + " ";
}

std::string riga_stazione(const Stazione& t) {
    return "stazione," + colonna(t.p, 8) + "," + colonna(t.tipo, 3) + "," + colonna(t.lunghezza, 5) + "," +
           colonna(t.f4, 3) + "," + colonna(t.f5, 2) + "," + colonna(t.f6, 2) + "," + colonna(t.f7, 3) + "," +
           colonna(t.f8, 1) + "," + colonna(t.f9, 1) + "," + colonna(t.f10, 3) + "," + colonna(t.f11, 1) + "," +
           colonna(t.f12, 1) + "," + colonna(t.sosta, 5) + "," + colonna(t.ore, 4) + "," + colonna(t.minuti, 2) +
           "," + colonna(t.secondi, 2) + ", " + campo_o_vicino(t.nome);
}

std::string riga_rallentamento(const Rallentamento& r) {
    return "rallentamento," + colonna(r.x, 8) + "," + colonna(r.v, 6) + "," + colonna(r.l, 5) + "," +
           colonna(r.f_tt, 2) + "," + colonna(r.f_ta, 3) + "," + colonna(r.d_v, 3);
}

std::string riga_segnale(const Segnale& g) {
    return "segnale," + colonna(g.p, 8) + "," + colonna(g.sx, 4) + "," + colonna(g.s1, 2) + "," + colonna(g.s2, 2) +
           "," + colonna(g.s3, 3) + "," + colonna(g.rapp, 2) + "," + colonna(g.dx, 5) + "," + colonna(g.d1, 3) + "," +
           colonna(g.d2, 1) + "," + colonna(g.d3, 1) + ", " + s(g.tempo);
}

}  // namespace

std::optional<std::string> campo_testo(std::string_view t) {
    std::string semplice(t);
    if (torna_uguale(semplice, t)) return semplice;
    std::string tra_virgolette = "\"" + semplice + "\"";
    if (torna_uguale(tra_virgolette, t)) return tra_virgolette;
    return std::nullopt;
}

std::string testo_linea(const Linea& l) {
    Righe r;
    generale_linea(r, l);
    r << "[curve]";
    for (const Curva& c : l.curve)
        r << std::string("curva") + (c.sinistra ? "s" : "d") + s(c.classe) + ",  " + s(c.inizio) + ",  " + s(c.lunghezza);
    r << "[pendenze]";
    for (const Cambio& g : l.pendenze) r << "pendenza,  " + s(g.p) + ",   " + s(g.valore);
    r << "[montagne]";
    for (const Montagna& m : l.montagne) r << "montagna,   " + s(m.inizio) + ",  " + s(m.fine) + ",  " + s(m.tipo);
    r << "[cartelli]";
    for (const Indicatore& i : l.indicatori) r << riga_indicatore(i);
    r << "[indicazioni]";
    for (const Cartello& c : l.cartelli) r << "indicatore cartello,  " + s(c.p) + ",  " + campo_o_vicino(c.testo);
    r << "[fine]";
    return std::move(r).testo();
}

// "abbattimento" rows have no section of their own: the reader takes them
// anywhere in the train text, so they follow the signals they protect.
std::string testo_treno(const Treno& t) {
    Righe r;
    generale_treno(r, t);
    r << "[aderenze]";
    for (const Cambio& a : t.aderenze) r << "aderenza,   " + s(a.p) + ",    " + s(a.valore);
    r << "[vel_limite]";
    for (const Cambio& v : t.velocita) r << "velocita," + colonna(v.p, 8) + "," + colonna(v.valore, 6);
    r << "[stazioni]";
    for (const Stazione& st : t.stazioni) r << riga_stazione(st);
    r << "[rallentamenti]";
    for (const Rallentamento& x : t.rallentamenti) r << riga_rallentamento(x);
    r << "[segnali]";
    for (const Segnale& g : t.segnali) r << riga_segnale(g);
    for (const Abbattimento& a : t.abbattimenti) r << "abbattimento," + colonna(a.p, 8) + "," + colonna(a.w, 6);
    r << "[codici]";
    r << "[fine]";
    return std::move(r).testo();
}

}  // namespace scenario::sorgente
