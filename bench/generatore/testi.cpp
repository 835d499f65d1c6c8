// Writes a plan as the two source texts, row by row in the forms of the
// built-in texts: the same keys, the same blanks after each comma, numbers
// right-aligned in the columns of the train text.
#include <string>

#include "bench/generatore/piano_scenario.h"

namespace scenario::generatore {
namespace {

// A number right-aligned in `larghezza` characters (the blanks after a comma
// count); a wider number stands alone.
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

std::string s(std::int64_t v) { return std::to_string(v); }

void generale_linea(Righe& r, const Piano& p) {
    r << "[generale]";
    r << "lunghezza percorso,    " + s(p.lunghezza);
    r << "progressiva chilometrica uno,    0,    " + s(p.progressiva) + ",    1";
    r << "progressiva chilometrica due,    0,    0,    0";
    r << "progressiva chilometrica tre,    0,    0,    0";
    r << "sfondo uno,    0";
    r << "sfondo due,    1";
    r << "sfondo tre,    4000";
    r << "ripetizione segnali " + s(p.codici) + " codici,    " + s(p.ripetizione_inizio) + ",    " +
             s(p.ripetizione_fine);
}

// "indicatori_vmax,  500,  75,  80,  80,  0,  ,  ,  ,  0": a right-hand board's
// fields stay empty where there is none.
std::string riga_indicatore(const Indicatore& i) {
    const auto destra = [&i](std::int32_t v) { return i.destra ? s(v) : std::string(); };
    return "indicatori_vmax,  " + s(i.p) + ",  " + s(i.vas) + ",  " + s(i.vbs) + ",  " + s(i.vcs) + ",  " +
           s(i.strisces) + ",  " + destra(i.vad) + ",  " + destra(i.vbd) + ",  " + destra(i.vcd) + ",  " +
           s(i.strisced);
}

std::string riga_stazione(const Stazione& t) {
    return "stazione," + colonna(t.p, 8) + "," + colonna(t.tipo, 3) + "," + colonna(t.lunghezza, 5) + "," +
           colonna(t.f4, 3) + "," + colonna(t.f5, 2) + "," + colonna(t.f6, 2) + "," + colonna(t.f7, 3) + "," +
           colonna(t.f8, 1) + "," + colonna(t.f9, 1) + "," + colonna(t.f10, 3) + "," + colonna(t.f11, 1) + "," +
           colonna(t.f12, 1) + "," + colonna(t.sosta, 5) + "," + colonna(t.ore, 4) + "," + colonna(t.minuti, 2) +
           "," + colonna(t.secondi, 2) + ", " + t.nome;
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

std::string testo_linea(const Piano& p) {
    Righe r;
    generale_linea(r, p);
    r << "[curve]";
    for (const Curva& c : p.curve)
        r << std::string("curva") + (c.sinistra ? "s" : "d") + s(c.classe) + ",  " + s(c.inizio) + ",  " + s(c.lunghezza);
    r << "[pendenze]";
    for (const Pendenza& g : p.pendenze) r << "pendenza,  " + s(g.p) + ",   " + s(g.g);
    r << "[montagne]";
    for (const Montagna& m : p.montagne) r << "montagna,   " + s(m.inizio) + ",  " + s(m.fine) + ",  " + s(m.tipo);
    r << "[cartelli]";
    for (const Indicatore& i : p.indicatori) r << riga_indicatore(i);
    r << "[indicazioni]";
    for (const Cartello& c : p.cartelli) r << "cartello indicatore,  " + s(c.p) + ",  " + c.testo;
    r << "[fine]";
    return std::move(r).testo();
}

std::string testo_treno(const Piano& p) {
    Righe r;
    r << "[generale]";
    r << "numero vetture,    " + s(p.vetture);
    r << "percentuale massa frenata,    " + s(p.massa_frenata);
    r << "sabbia,    " + s(p.sabbia);
    r << "orologio,    " + s(p.ore) + std::string(15, ' ') + s(p.minuti) + std::string(12, ' ') + s(p.secondi) + " ";
    r << "[aderenze]";
    for (const Cambio& a : p.aderenze) r << "aderenza,   " + s(a.p) + ",    " + s(a.valore);
    r << "[vel_limite]";
    for (const Cambio& v : p.velocita) r << "velocita," + colonna(v.p, 8) + "," + colonna(v.valore, 6);
    r << "[stazioni]";
    for (const Stazione& t : p.stazioni) r << riga_stazione(t);
    r << "[rallentamenti]";
    for (const Rallentamento& x : p.rallentamenti) r << riga_rallentamento(x);
    r << "[segnali]";
    for (const Segnale& g : p.segnali) r << riga_segnale(g);
    if (!p.abbattimenti.empty()) {
        r << "[abbattimenti]";
        for (const Abbattimento& a : p.abbattimenti) r << "abbattimento," + colonna(a.p, 8) + "," + colonna(a.w, 6);
    }
    r << "[codici]";
    r << "[fine]";
    return std::move(r).testo();
}

}  // namespace scenario::generatore
