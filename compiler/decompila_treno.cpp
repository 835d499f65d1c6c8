// The train text from the table and the cells: general lines, stations from
// their slots, slowdowns from their start and end cells, signals from their
// cells, and the "abbattimento" points no route pass makes.
#include <cstdlib>
#include <utility>

#include "compiler/decompila_oggetti.h"
#include "compiler/modello.h"

namespace scenario::decompila {
namespace {

constexpr std::int64_t soglia_avviso = 1500;  // slowdowns beyond it get a warning board
constexpr std::int64_t celle_avviso = 24;     // the board's distance from the start, in cells

bool di_tipo(const Cella& c, TipoCella t) { return c.tipo == t; }

std::int32_t n32(std::int64_t v) { return static_cast<std::int32_t>(v); }

// Floor division, so that q x d + r gives v back with 0 <= r < d for any v.
std::int64_t quoziente(std::int64_t v, std::int64_t d) { return v >= 0 ? v / d : -((-v + d - 1) / d); }

// --- stations ---------------------------------------------------------------------

struct Estensione {
    std::int64_t lunghezza;
    std::int32_t f6;
    bool coerente;  // the stored platform ends are those of this length and flag
};

// The platform length and the "+50" flag behind the stored ends, by type. The
// first station and the types 5 to 8 lose their flag; only the end shows it.
Estensione estensione(const Voce& v, std::size_t posto) {
    const std::int64_t p = v.numero3;
    switch (v.byte0) {
        case 5:
        case 6: {
            const std::int64_t l = p - v.numero1;
            return {l, 0, v.numero2 == p + 150 && v.byte4 == 0 && l % 100 == 0};
        }
        case 7:
        case 8: {
            const std::int64_t l = p - v.numero1;
            return {l, 0, v.numero2 == p + l && v.byte4 == 0 && l % 100 == 0};
        }
        default: {
            const std::int64_t l = 2 * (p - v.numero1);
            const std::int64_t oltre = v.numero2 - (p + l / 2);
            const bool segnata = oltre == 50;
            const bool flag_coerente = posto == 1 ? v.byte4 == 0 : (v.byte4 != 0) == segnata;
            const std::int32_t f6 = segnata ? (v.byte4 != 0 ? v.byte4 : 1) : 0;
            return {l, f6, (oltre == 0 || segnata) && flag_coerente && l % 100 == 0};
        }
    }
}

Stazione stazione(const Voce& v, std::size_t posto, Ragioni& r) {
    const Estensione e = estensione(v, posto);
    const auto luogo = [posto](const char* campo) {
        return Luogo{FileScenario::tabella, static_cast<std::int64_t>(posto), campo};
    };
    if (!e.coerente) {
        r[luogo("numero2")] = "nessuna lunghezza del marciapiede dà questi estremi per una stazione di tipo " +
                              std::to_string(v.byte0);
    }
    if (v.byte5 != 0 && (e.lunghezza < 600 || posto == 1))
        r[luogo("byte5")] = "il compilatore azzera questo campo sotto i 600 m di marciapiede e alla prima stazione";
    Stazione s{};
    s.p = v.numero3;
    s.tipo = v.byte0;
    s.lunghezza = n32(e.lunghezza);
    s.f4 = v.byte1;
    s.f5 = v.byte5;
    s.f6 = e.f6;
    s.f7 = v.breve1;
    s.f8 = v.breve2;
    s.f9 = v.byte2;
    s.f10 = v.breve3;
    s.f11 = v.breve4;
    s.f12 = v.breve5;
    s.sosta = v.byte3;
    s.ore = v.numero4 / 3600;  // the compile keeps (ore x 60 + minuti) x 60 + secondi
    s.minuti = v.numero4 % 3600 / 60;
    s.secondi = v.numero4 % 60;
    s.nome = v.stringa;
    return s;
}

// --- slowdowns --------------------------------------------------------------------

// The end cell of the slowdown that starts at s: the next end before another start.
std::size_t fine_di(const Celle& celle, std::size_t s) {
    for (std::size_t k = s + 1; k < celle.size(); ++k) {
        if (di_tipo(celle[k], TipoCella::fine_rallentamento)) return k;
        if (di_tipo(celle[k], TipoCella::inizio_rallentamento)) break;
    }
    return s;  // no length: the start covered the end
}

// The four approach marks 1 .. 4 counting back from the warning board.
bool con_segni(const Celle& celle, std::size_t avviso) {
    if (avviso < 4) return false;
    for (std::size_t i = 1; i <= 4; ++i) {
        const Cella& c = celle[avviso - i];
        if (!di_tipo(c, TipoCella::approccio_rallentamento) || c.valore != static_cast<std::int16_t>(i)) return false;
    }
    return true;
}

Rallentamento rallentamento(const Celle& celle, std::size_t s) {
    const Cella& inizio = celle[s];
    Rallentamento r{};
    r.x = metro_della_cella(s);
    r.v = inizio.valore;
    r.l = n32(std::int64_t{metro_della_cella(fine_di(celle, s))} - r.x);
    r.f_tt = inizio.valore3;
    r.d_v = inizio.valore2;
    r.f_ta = r.x > soglia_avviso && con_segni(celle, s - celle_avviso) ? 1 : 0;
    return r;
}

// --- signals ----------------------------------------------------------------------

// Cell c - 2k keeps the repeater mark (sx x 3 + dx) x 10 + k of the signal
// at c unless a later signal (2, 4 or 6 cells further on) wrote over it.
std::vector<std::pair<int, std::uint8_t>> ripetitori_propri(const Celle& celle, std::size_t c) {
    std::vector<std::pair<int, std::uint8_t>> propri;
    for (int k = 1; k <= 4; ++k) {
        if (c < static_cast<std::size_t>(2 * k)) break;
        bool coperto = false;
        for (int j = 1; j <= 4 - k; ++j) {
            const std::size_t dopo = c + static_cast<std::size_t>(2 * j);
            coperto = coperto || (dopo < celle.size() && di_tipo(celle[dopo], TipoCella::segnale));
        }
        if (!coperto) propri.push_back({k, celle[c - static_cast<std::size_t>(2 * k)].ripetitore});
    }
    return propri;
}

// valore4 = rapp x 10 + sx x 3 + dx. The side code sx x 3 + dx is its last
// digit, unless the signal's own repeater marks all say it is larger or
// smaller by some tens.
std::int64_t lato(const Celle& celle, std::size_t c) {
    const std::int64_t cifra = celle[c].valore4 - 10 * quoziente(celle[c].valore4, 10);
    const auto propri = ripetitori_propri(celle, c);
    const auto segna = [&propri](std::int64_t l) {
        for (const auto& [k, marca] : propri)
            if (static_cast<std::uint8_t>(l * 10 + k) != marca) return false;
        return true;
    };
    for (std::int64_t decine = 0; decine <= 26 && !propri.empty(); ++decine) {
        for (const std::int64_t l : {cifra + 10 * decine, cifra - 10 * decine})
            if (segna(l)) return l;
    }
    return cifra;
}

Segnale segnale(const Celle& celle, std::size_t k) {
    const Cella& c = celle[k];
    Segnale g{};
    g.p = metro_della_cella(k);
    const auto dividi = [](std::int16_t v, std::int32_t& decine, std::int32_t& unita) {
        decine = n32(quoziente(v, 10));
        unita = n32(v - 10 * std::int64_t{decine});
    };
    dividi(c.valore, g.s1, g.d1);
    dividi(c.valore2, g.s2, g.d2);
    dividi(c.valore3, g.s3, g.d3);
    const std::int64_t l = lato(celle, k);
    g.rapp = n32((c.valore4 - l) / 10);
    // Only a left-hand signal of kind 2 keeps a time; 1 .. 100 would become 101.
    g.sx = c.tempo != 0 ? 2 : n32(quoziente(l, 3));
    g.dx = n32(l - 3 * std::int64_t{g.sx});
    g.tempo = c.tempo == 0 || c.tempo > 100 ? c.tempo : c.tempo + 256;
    return g;
}

}  // namespace

void recupera_treno(const Celle& celle, const Voci& v, Treno& t, Ragioni& r) {
    t.vetture = v[slot::treno].numero3;
    t.massa_frenata = v[slot::treno].numero1;
    const Voce& corsa = v[slot::corsa];
    t.sabbia = corsa.breve1;
    t.ore = corsa.breve3;
    t.minuti = corsa.breve4;
    t.secondi = corsa.breve5;
    const std::size_t stazioni = posti(celle, v).stazioni;
    for (std::size_t posto = 1; posto <= stazioni; ++posto) t.stazioni.push_back(stazione(v[posto], posto, r));
    for (std::size_t k = 0; k < celle.size(); ++k) {
        const bool inizio = di_tipo(celle[k], TipoCella::inizio_rallentamento);
        const bool con_segnale = di_tipo(celle[k], TipoCella::segnale);
        if (!(inizio || con_segnale) || !oggetto_possibile(celle, k, r)) continue;
        if (inizio) t.rallentamenti.push_back(rallentamento(celle, k));
        else t.segnali.push_back(segnale(celle, k));
    }
}

Abbattimenti abbattimenti_delle_celle(const Celle& celle) {
    Abbattimenti a;
    for (std::size_t k = 0; k < celle.size(); ++k) {
        const Cella& c = celle[k];
        const auto p = static_cast<std::int32_t>(k * metri_cella);  // these go to cell nearest(p / 50)
        if (di_tipo(c, TipoCella::abbattimento_senza_valore) && k + 2 < celle.size()) a.righe.push_back({p, 0});
        // A point with a value in cell 1 would hide the file marker; past the
        // third cell from the end no row reaches.
        if (!di_tipo(c, TipoCella::abbattimento) || k == cella_marcatore || k + 2 >= celle.size()) continue;
        if (c.valore == valore_abbattimento) a.da_180.push_back(k);
        else a.righe.push_back({p, c.valore > 0 ? c.valore : std::int32_t{c.valore} + 65536});
    }
    return a;
}

}  // namespace scenario::decompila
