// Plans a scenario on a map of the compiler's cells: stations first (their
// stop points are written whatever a cell holds), then slowdowns in clear
// stretches of their own (the route pass needs room before, inside and after
// them), then boards, signals and "abbattimento" points on the cells left free.
#include <algorithm>
#include <initializer_list>
#include <optional>
#include <string>
#include <vector>

#include "bench/generatore/caso.h"
#include "bench/generatore/piano_scenario.h"

namespace scenario::generatore {
namespace {

constexpr std::int64_t metri_cella = 50;
constexpr int posti_in_tabella = 78;  // stations and text boards share voci slots 1 .. 80

// nearest(n / 50) for the non-negative metres the plan uses, ties to even.
std::int64_t vicino_50(std::int64_t n) {
    std::int64_t q = n / metri_cella;
    const std::int64_t r = n % metri_cella;
    if (2 * r > metri_cella || (2 * r == metri_cella && q % 2 != 0)) ++q;
    return q;
}

// Point objects stand on whole cells: metre 50 (c - 1) is cell c.
std::int64_t cella_del_metro(std::int64_t p) { return p / metri_cella + 1; }
std::int32_t metro_della_cella(std::int64_t c) { return static_cast<std::int32_t>((c - 1) * metri_cella); }

std::int32_t a_passo(std::int64_t metri) { return static_cast<std::int32_t>(metri / metri_cella * metri_cella); }

enum class Zona : std::uint8_t { nessuna, stazione, rallentamento };

// What the compiler will find on each cell, and the stretches kept for a
// station or a slowdown.
class Mappa {
public:
    Mappa(std::int64_t ultima, std::int64_t ultima_usabile)
        : occupata_(static_cast<std::size_t>(ultima) + 1), zona_(static_cast<std::size_t>(ultima) + 1),
          ultima_usabile_(ultima_usabile) {}

    std::int64_t ultima_usabile() const { return ultima_usabile_; }
    bool dentro(std::int64_t c) const { return c >= prima_usabile && c <= ultima_usabile_; }
    bool libera(std::int64_t c) const { return dentro(c) && !occupata_[indice(c)]; }
    // Free, and outside every slowdown's stretch.
    bool disponibile(std::int64_t c) const { return libera(c) && zona_[indice(c)] != Zona::rallentamento; }
    // Every cell of [da, a] usable, free, and in no stretch of a kind in `escluse`.
    bool sgombra(std::int64_t da, std::int64_t a, std::initializer_list<Zona> escluse) const {
        for (std::int64_t c = da; c <= a; ++c) {
            if (!libera(c)) return false;
            for (Zona z : escluse)
                if (zona_[indice(c)] == z) return false;
        }
        return true;
    }
    void occupa(std::int64_t c) { occupata_[indice(c)] = true; }
    void segna(std::int64_t da, std::int64_t a, Zona z) {
        for (std::int64_t c = std::max(da, prima_usabile); c <= std::min(a, ultima_usabile_); ++c) zona_[indice(c)] = z;
    }

    // Cells 0 and 1 carry the file marker and must stay empty; 2 is kept as a margin.
    static constexpr std::int64_t prima_usabile = 3;

private:
    static std::size_t indice(std::int64_t c) { return static_cast<std::size_t>(c); }
    std::vector<bool> occupata_;
    std::vector<Zona> zona_;
    std::int64_t ultima_usabile_;
};

// n strictly rising metres on the 50 m step, the first at 0, spread over [0, fino].
std::vector<std::int32_t> metri_crescenti(Caso& caso, int n, std::int64_t fino) {
    std::vector<std::int32_t> metri;
    const std::int64_t passi = fino / metri_cella;
    n = static_cast<int>(std::min<std::int64_t>(n, passi + 1));
    for (int k = 0; k < n; ++k) {
        const std::int64_t da = k == 0 ? 0 : std::max<std::int64_t>(passi * k / n, metri.back() / metri_cella + 1);
        const std::int64_t a = std::max(da, passi * (k + 1) / n - 1);
        metri.push_back(static_cast<std::int32_t>((k == 0 ? 0 : caso.tra(da, a)) * metri_cella));
    }
    return metri;
}

// A value of [minimo, massimo] on `passo`, other than `prima`.
std::int32_t diverso(Caso& caso, std::int32_t prima, std::int32_t minimo, std::int32_t massimo, std::int32_t passo) {
    std::int32_t v = prima;
    while (v == prima) v = static_cast<std::int32_t>(caso.tra(minimo / passo, massimo / passo) * passo);
    return v;
}

void pianifica_generale(Piano& piano, Caso& caso) {
    const std::int64_t L = piano.lunghezza;
    piano.progressiva = a_passo(L + caso.tra(0, 60000));
    piano.codici = caso.moneta(50) ? 4 : 9;
    if (caso.moneta(70)) {
        piano.ripetizione_inizio = a_passo(caso.tra(0, L / 2));
        piano.ripetizione_fine = a_passo(caso.tra(piano.ripetizione_inizio + 50, L));
    }
    piano.vetture = static_cast<std::int32_t>(caso.tra(1, 12));
    piano.massa_frenata = static_cast<std::int32_t>(caso.tra(60, 180));
    piano.sabbia = static_cast<std::int32_t>(caso.tra(0, 900));
    piano.ore = static_cast<std::int32_t>(caso.tra(5, 20));
    piano.minuti = static_cast<std::int32_t>(caso.tra(0, 59));
    piano.secondi = static_cast<std::int32_t>(caso.tra(0, 59));
}

// Curves in slots of equal width, each ending inside its slot; now and then
// one runs to its slot's end, where the next may begin.
void pianifica_curve(Piano& piano, Caso& caso, int n) {
    const std::int64_t spazio = std::int64_t{piano.lunghezza} - 150;
    n = static_cast<int>(std::min<std::int64_t>(n, spazio / 2));
    if (n <= 0) return;
    const std::int64_t larghezza = spazio / n;
    for (int k = 0; k < n; ++k) {
        const std::int64_t slot = 50 + k * larghezza;
        const std::int64_t inizio = caso.moneta(20) ? slot : slot + caso.tra(0, larghezza / 3);
        const std::int64_t fine_slot = slot + larghezza;
        const std::int64_t lunghezza = caso.moneta(15) ? fine_slot - inizio : caso.tra(1, fine_slot - inizio);
        const int combinazione = static_cast<int>((k + caso.tra(0, 11)) % 12);  // every side and class in turn
        piano.curve.push_back({combinazione % 2 == 0, combinazione / 2 + 1, static_cast<std::int32_t>(inizio),
                               static_cast<std::int32_t>(lunghezza)});
    }
}

void pianifica_cambi(Piano& piano, Caso& caso, const Misura& m) {
    std::int32_t g = 0;
    for (std::int32_t p : metri_crescenti(caso, std::max(m.pendenze, 1), piano.lunghezza)) {
        g = piano.pendenze.empty() ? static_cast<std::int32_t>(caso.tra(-5, 5)) : diverso(caso, g, -20, 20, 1);
        piano.pendenze.push_back({p, g});
    }
    std::int32_t v = 0;
    for (std::int32_t p : metri_crescenti(caso, std::max(m.velocita, 1), piano.lunghezza)) {
        v = diverso(caso, v, 30, 160, 5);
        piano.velocita.push_back({p, v});
    }
    std::int32_t a = 0;
    for (std::int32_t p : metri_crescenti(caso, std::max(m.aderenze, 1), piano.lunghezza)) {
        a = piano.aderenze.empty() ? 100 : diverso(caso, a, 55, 100, 1);
        piano.aderenze.push_back({p, a});
    }
}

// Sections in slots of their own; now and then one starts 150 m or less after
// the one before, which the compiler turns into a section of type 3.
void pianifica_montagne(Piano& piano, Caso& caso, int n) {
    const std::int64_t spazio = std::int64_t{piano.lunghezza} - 500;
    n = static_cast<int>(std::min<std::int64_t>({n, 80, spazio / 300}));
    if (n <= 0) return;
    static const std::vector<std::int32_t> tipi = {1, 2, 11, 12};
    std::int64_t fine_prima = -1000;
    for (int k = 0; k < n; ++k) {
        const std::int64_t slot = 100 + spazio * k / n;
        const std::int64_t fine_slot = 100 + spazio * (k + 1) / n;
        std::int64_t inizio = slot + caso.tra(0, (fine_slot - slot) / 4);
        if (caso.moneta(20) && fine_prima + 150 >= slot) inizio = std::max(slot, fine_prima + caso.tra(0, 3) * 50);
        inizio = inizio / metri_cella * metri_cella;
        const std::int64_t fine = caso.tra(inizio / metri_cella + 2, fine_slot / metri_cella) * metri_cella;
        if (fine <= inizio) continue;
        piano.montagne.push_back({static_cast<std::int32_t>(inizio), static_cast<std::int32_t>(fine), caso.uno_di(tipi)});
        fine_prima = fine;
    }
}

struct Estremi {
    std::int64_t inizio, fine;
};

// The platform as the train reader computes it.
Estremi estensione(const Stazione& s) {
    switch (s.tipo) {
        case 5:
        case 6: return {s.p - s.lunghezza, s.p + 150};
        case 7:
        case 8: return {s.p - s.lunghezza, s.p + s.lunghezza};
        default: return {s.p - s.lunghezza / 2, s.p + s.lunghezza / 2 + (s.f6 != 0 ? 50 : 0)};
    }
}

std::string nome_stazione(Caso& caso, int k) {
    static const std::vector<std::string> parole = {"MONTE", "BORGO", "PIANO", "SAN MARCO", "VALLE",
                                                    "PONTE", "CASE",  "S. ROCCO", "FORNO", "LAGO"};
    return caso.uno_di(parole) + " " + std::to_string(k + 1);
}

// A station of the given kind at p, its fields as the built-in ones use them.
Stazione stazione(Caso& caso, int k, std::int32_t p, std::int32_t tipo, bool ultima) {
    Stazione s{};
    s.p = p;
    s.tipo = tipo;
    s.lunghezza = k == 0 ? 300 : static_cast<std::int32_t>(caso.tra(2, 8) * 100);
    const bool con_segnali = tipo < 25;
    s.f5 = caso.moneta(30) ? 1 : 0;
    s.f6 = ultima || caso.moneta(10) ? 1 : 0;
    s.f7 = s.f8 = (tipo == 8 || tipo == 12) ? 1 : 0;
    s.f10 = con_segnali ? (ultima ? 2 : 4) : 0;
    s.f11 = s.f12 = con_segnali ? 1 : 0;
    s.sosta = k == 0 ? 1 : (caso.moneta(20) ? 60 : 0);
    s.nome = nome_stazione(caso, k);
    return s;
}

// Stations along the whole line, the departure at 0, platforms at least 350 m
// apart; the stop point's cell is taken before anything else is placed.
void pianifica_stazioni(Piano& piano, Caso& caso, Mappa& mappa, int n) {
    static const std::vector<std::int32_t> tipi = {5, 6, 7, 8, 12, 22, 3, 26, 27};
    if (n <= 0) return;
    const std::int64_t passo = piano.lunghezza / n;
    std::int64_t fine_prima = 0;
    std::int32_t orario = (piano.ore * 60 + piano.minuti) * 60 + piano.secondi + 15;
    for (int k = 0; k < n; ++k) {
        const bool ultima = k == n - 1 && k > 0;
        const std::int64_t p = k == 0 ? 0 : a_passo(std::max<std::int64_t>(0, k * passo + caso.tra(-passo / 8, passo / 8)));
        const std::int32_t tipo = k == 0 ? 8 : (ultima ? 12 : caso.uno_di(tipi));
        Stazione s = stazione(caso, k, static_cast<std::int32_t>(p), tipo, ultima);
        const Estremi e = estensione(s);
        if (k > 0 && e.inizio - 350 < fine_prima) continue;
        const std::int64_t fermata = vicino_50(e.fine - 50);
        const std::int64_t da = std::max<std::int64_t>(vicino_50(std::max<std::int64_t>(e.inizio, 0)) - 1, Mappa::prima_usabile);
        const std::int64_t a = std::max(fermata, vicino_50(e.fine)) + 1;
        if (tipo < 25 && (fermata <= 1 || !mappa.libera(fermata))) continue;
        if (a > mappa.ultima_usabile() || !mappa.sgombra(da, a, {Zona::stazione})) continue;
        if (tipo < 25) mappa.occupa(fermata);
        mappa.segna(da, a, Zona::stazione);
        if (caso.moneta(70)) {
            orario += static_cast<std::int32_t>(caso.tra(2, 9) * 60 + (caso.moneta(30) ? 30 : 0));
            s.ore = orario / 3600;
            s.minuti = orario / 60 % 60;
            s.secondi = orario % 60;
        }
        piano.stazioni.push_back(std::move(s));
        fine_prima = e.fine;
    }
}

// The cells a slowdown takes and the stretch it keeps clear: 20 cells before
// its warning board's approach marks (signals there are protected), and
// 14 after its end (the exit point looks 12 ahead).
struct CelleRallentamento {
    std::int64_t avviso, inizio, fine;  // avviso is 0 without a warning board
    std::int64_t da, a;
};

CelleRallentamento celle_rallentamento(const Rallentamento& r) {
    CelleRallentamento c{};
    c.inizio = cella_del_metro(r.x);
    c.fine = cella_del_metro(std::int64_t{r.x} + r.l);
    c.avviso = r.x > 1500 ? cella_del_metro(r.x - 1200) : 0;
    c.da = c.avviso != 0 ? c.avviso - 24 : std::max(c.inizio - 21, Mappa::prima_usabile);
    c.a = c.fine + 14;
    return c;
}

void aggiungi_indicatore(Piano& piano, Caso& caso, Mappa& mappa, std::int64_t cella);
void aggiungi_segnale(Piano& piano, Caso& caso, Mappa& mappa, std::int64_t cella);

// Objects beside a slowdown that leave the route pass no free cell: fault 11
// (a signal before the warning board hemmed in by boards), 12 (an approach
// window full of boards) or 13 (a point inside the slow section with no room).
bool impedisci_percorso(Piano& piano, Caso& caso, Mappa& mappa, const Rallentamento& r, const CelleRallentamento& c) {
    const int scelta = static_cast<int>(caso.tra(0, 2));
    if (scelta == 0 && c.avviso != 0) {
        aggiungi_segnale(piano, caso, mappa, c.avviso - 8);
        for (std::int64_t k : {c.avviso - 9, c.avviso - 10}) aggiungi_indicatore(piano, caso, mappa, k);
        return true;
    }
    if (scelta == 1 && c.inizio > 8) {
        for (std::int64_t k = 5; k <= 7; ++k) aggiungi_indicatore(piano, caso, mappa, c.inizio - k);
        return true;
    }
    if (scelta == 2 && r.v < 110 && c.fine - c.inizio > 10) {
        for (std::int64_t k = 7; k <= 9; ++k) aggiungi_indicatore(piano, caso, mappa, c.inizio + k);
        return true;
    }
    return false;
}

// Signals the route pass protects: one among the 20 cells behind the warning
// board, one within 12 cells past the end.
void segnali_vicini(Piano& piano, Caso& caso, Mappa& mappa, const CelleRallentamento& c) {
    if (c.avviso != 0 && caso.moneta(35)) aggiungi_segnale(piano, caso, mappa, c.avviso - caso.tra(5, 20));
    if (caso.moneta(35)) aggiungi_segnale(piano, caso, mappa, c.fine + caso.tra(2, 12));
}

// A slowdown of any speed band, with and without warning board, approach
// marks and second value, at the first x whose clear stretch starts at `da`
// or later, ends by `limite` and meets no stop point and no other slowdown.
// A station's stretch may hold a slowdown. Beyond 1500 m the stretch starts
// 2400 m before x.
std::optional<Rallentamento> prova_rallentamento(Caso& caso, const Mappa& mappa, std::int64_t da, std::int64_t limite) {
    Rallentamento r{};
    r.l = static_cast<std::int32_t>(caso.tra(2, 30) * metri_cella);
    r.v = caso.moneta(50) ? static_cast<std::int32_t>(caso.tra(6, 21) * 5) : static_cast<std::int32_t>(caso.tra(22, 32) * 5);
    r.f_tt = caso.moneta(20) ? 1 : 0;
    r.f_ta = caso.moneta(70) ? 1 : 0;
    r.d_v = caso.moneta(30) ? static_cast<std::int32_t>(caso.tra(1, 9)) : 0;
    const bool senza_avviso = da < 1000 && caso.moneta(50);
    std::int64_t x = senza_avviso ? std::max<std::int64_t>(da + 1100, 300) : std::max<std::int64_t>(da + 2450, 1550);
    for (x = (x + metri_cella - 1) / metri_cella * metri_cella; !senza_avviso || x <= 1500; x += metri_cella) {
        r.x = static_cast<std::int32_t>(x);
        const CelleRallentamento c = celle_rallentamento(r);
        if ((c.a - 1) * metri_cella > limite) break;
        if (c.da >= Mappa::prima_usabile && mappa.sgombra(c.da, c.a, {Zona::rallentamento})) return r;
    }
    return std::nullopt;
}

// An "abbattimento" row on cell c if it is free: the route pass's 180, another value, or none.
void abbattimento_su(Piano& piano, Caso& caso, Mappa& mappa, std::int64_t c) {
    if (!mappa.libera(c)) return;
    mappa.occupa(c);
    const int scelta = static_cast<int>(caso.tra(0, 9));
    const std::int32_t w = scelta < 5 ? 180 : scelta < 7 ? 0 : static_cast<std::int32_t>(caso.tra(1, 300));
    piano.abbattimenti.push_back({static_cast<std::int32_t>(c * metri_cella), w});
}

// Rows on cells the route pass looks at for this slowdown: the first cell of
// an approach window, the 8th inside a slow section, the one before a
// signal that a warning board protects.
void abbattimenti_nel_percorso(Piano& piano, Caso& caso, Mappa& mappa, const Rallentamento& r,
                               const CelleRallentamento& c) {
    std::vector<std::int64_t> celle = {c.inizio - 5, c.inizio - 6, c.inizio - 11, c.inizio - 18};
    if (r.v < 110 && c.fine - c.inizio > 9) celle.push_back(c.inizio + 8);
    if (c.avviso != 0) {
        for (std::int64_t k = c.avviso - 20; k < c.avviso; ++k)
            if (std::ranges::any_of(piano.segnali, [k](const Segnale& g) { return g.p == metro_della_cella(k); }))
                celle.push_back(k - 1);
    }
    for (std::int64_t k : celle)
        if (caso.moneta(40)) abbattimento_su(piano, caso, mappa, k);
}

void metti_rallentamento(Piano& piano, Caso& caso, Mappa& mappa, const Rallentamento& r, const Opzioni& o) {
    const bool guasti = o.guasti_percorso;
    const CelleRallentamento c = celle_rallentamento(r);
    mappa.segna(c.da, c.a, Zona::rallentamento);
    for (std::int64_t cella : {c.avviso, c.inizio, c.fine})
        if (cella != 0) mappa.occupa(cella);
    if (c.avviso != 0 && r.f_ta != 0)
        for (std::int64_t i = 1; i <= 4; ++i) mappa.occupa(c.avviso - i);
    piano.rallentamenti.push_back(r);
    if (guasti && caso.moneta(40) && impedisci_percorso(piano, caso, mappa, r, c)) ++piano.guasti_percorso;
    else segnali_vicini(piano, caso, mappa, c);
    if (o.abbattimenti_nel_percorso) abbattimenti_nel_percorso(piano, caso, mappa, r, c);
}

// n slowdowns along the line, one to each n-th of it where there is room: a
// sweep that places each at the first fitting place past its even share.
void pianifica_rallentamenti(Piano& piano, Caso& caso, Mappa& mappa, int n, const Opzioni& o) {
    const std::int64_t fine = std::int64_t{piano.lunghezza} - 100;
    if (n <= 0 || fine <= 0) return;
    std::int64_t cursore = 0;
    for (int k = 0; k < n; ++k) {
        const std::int64_t quota = fine * k / n;
        const std::int64_t da = std::max(cursore, quota + caso.tra(0, fine / n / 4));
        const std::int64_t limite = std::min(fine, fine * (k + 2) / n);
        if (auto r = prova_rallentamento(caso, mappa, da, limite)) {
            metti_rallentamento(piano, caso, mappa, *r, o);
            cursore = celle_rallentamento(*r).a * metri_cella;
        }
    }
}

void aggiungi_indicatore(Piano& piano, Caso& caso, Mappa& mappa, std::int64_t cella) {
    if (!mappa.libera(cella)) return;
    mappa.occupa(cella);
    Indicatore i{};
    i.p = metro_della_cella(cella);
    i.vas = static_cast<std::int32_t>(caso.tra(6, 24) * 5);
    i.vbs = static_cast<std::int32_t>(caso.tra(i.vas / 5, 28) * 5);
    i.vcs = static_cast<std::int32_t>(caso.tra(i.vbs / 5, 30) * 5);
    i.strisces = caso.moneta(15) ? static_cast<std::int32_t>(caso.tra(1, 3)) : 0;
    i.destra = caso.moneta(40);
    if (i.destra) {
        i.vad = i.vas;
        i.vbd = i.vbs;
        i.vcd = caso.moneta(80) ? i.vcs : static_cast<std::int32_t>(caso.tra(i.vbs / 5, 30) * 5);
        i.strisced = caso.moneta(15) ? static_cast<std::int32_t>(caso.tra(1, 3)) : 0;
    }
    piano.indicatori.push_back(i);
}

void aggiungi_segnale(Piano& piano, Caso& caso, Mappa& mappa, std::int64_t cella) {
    if (!mappa.libera(cella)) return;
    mappa.occupa(cella);
    static const std::vector<std::int32_t> tempi = {0, 0, 0, 0, 50, 150, 255};
    Segnale s{};
    s.p = metro_della_cella(cella);
    s.sx = caso.moneta(75) ? 2 : 1;
    s.s1 = static_cast<std::int32_t>(caso.tra(2, 5));
    s.s2 = caso.uno_di(std::vector<std::int32_t>{0, 1, 4});
    s.s3 = caso.moneta(20) ? 1 : 0;
    s.rapp = caso.moneta(5) ? 1 : 0;
    s.dx = caso.moneta(40) ? static_cast<std::int32_t>(caso.tra(1, 2)) : 0;
    if (s.dx != 0) {
        s.d1 = caso.uno_di(std::vector<std::int32_t>{2, 4});
        s.d2 = caso.moneta(30) ? 1 : 0;
    }
    s.tempo = caso.uno_di(tempi);
    piano.segnali.push_back(s);
}

// n objects spread evenly over the cells still free outside the slowdowns'
// stretches, each a little off its even place.
template <typename Aggiungi>
void sparsi(Caso& caso, const Mappa& mappa, int n, Aggiungi aggiungi) {
    std::vector<std::int64_t> libere;
    for (std::int64_t c = Mappa::prima_usabile + 1; c <= mappa.ultima_usabile(); ++c)
        if (mappa.disponibile(c)) libere.push_back(c);
    const auto quante = static_cast<std::int64_t>(libere.size());
    if (n <= 0 || quante == 0) return;
    n = static_cast<int>(std::min<std::int64_t>(n, quante));
    for (int k = 0; k < n; ++k) {
        const std::int64_t da = quante * k / n;
        const std::int64_t a = quante * (k + 1) / n - 1;
        aggiungi(libere[static_cast<std::size_t>(caso.tra(da, a))]);
    }
}

void pianifica_oggetti(Piano& piano, Caso& caso, Mappa& mappa, const Misura& m) {
    sparsi(caso, mappa, m.indicatori, [&](std::int64_t c) { aggiungi_indicatore(piano, caso, mappa, c); });
    const int cartelli = std::min(m.cartelli, posti_in_tabella - static_cast<int>(piano.stazioni.size()));
    sparsi(caso, mappa, cartelli, [&](std::int64_t c) {
        mappa.occupa(c);
        piano.cartelli.push_back({metro_della_cella(c), "KM " + std::to_string(c * metri_cella / 1000) + " CARTELLO " +
                                                            std::to_string(piano.cartelli.size() + 1)});
    });
    const int restanti = std::max(0, m.segnali - static_cast<int>(piano.segnali.size()));
    sparsi(caso, mappa, restanti, [&](std::int64_t c) { aggiungi_segnale(piano, caso, mappa, c); });
    // An "abbattimento" record goes to cell nearest(p / 50), without the 1 of point objects.
    sparsi(caso, mappa, m.abbattimenti, [&](std::int64_t c) {
        mappa.occupa(c);
        const std::int32_t w = caso.moneta(50) ? 0 : static_cast<std::int32_t>(caso.tra(1, 300));
        piano.abbattimenti.push_back({static_cast<std::int32_t>(c * metri_cella), w});
    });
}

// Rows of one kind go out in rising order of position, as authors write them.
void ordina(Piano& piano) {
    const auto per_p = [](const auto& x, const auto& y) { return x.p < y.p; };
    std::sort(piano.indicatori.begin(), piano.indicatori.end(), per_p);
    std::sort(piano.cartelli.begin(), piano.cartelli.end(), per_p);
    std::sort(piano.segnali.begin(), piano.segnali.end(), per_p);
    std::sort(piano.abbattimenti.begin(), piano.abbattimenti.end(), per_p);
    std::sort(piano.rallentamenti.begin(), piano.rallentamenti.end(),
              [](const Rallentamento& x, const Rallentamento& y) { return x.x < y.x; });
}

}  // namespace

Piano pianifica(const Misura& misura, const Opzioni& opzioni) {
    Caso caso(opzioni.seme);
    Piano piano;
    piano.lunghezza = a_passo(std::clamp<std::int32_t>(misura.lunghezza, 3000, 1000000));
    const std::int64_t celle = vicino_50(std::int64_t{piano.lunghezza} + 7000);
    Mappa mappa(celle, cella_del_metro(piano.lunghezza));
    pianifica_generale(piano, caso);
    pianifica_curve(piano, caso, misura.curve);
    pianifica_cambi(piano, caso, misura);
    pianifica_montagne(piano, caso, misura.montagne);
    const int stazioni = std::min(misura.stazioni, posti_in_tabella - std::min(misura.cartelli, posti_in_tabella));
    pianifica_stazioni(piano, caso, mappa, stazioni);
    pianifica_rallentamenti(piano, caso, mappa, misura.rallentamenti, opzioni);
    pianifica_oggetti(piano, caso, mappa, misura);
    ordina(piano);
    return piano;
}

}  // namespace scenario::generatore
