// What looks wrong in the source texts although the reader passed it over:
// keywords and sections that match nothing, records never reached, objects
// past the line's end or off the 50 m step, values outside the ranges the
// simulator uses, rows that silently lose to another, bytes that are not
// Windows-1252. The reading rules stay as they are: these only report.
#include <algorithm>
#include <array>
#include <map>
#include <span>
#include <tuple>

#include "compiler/diagnostica_fonte.h"
#include "compiler/griglia.h"
#include "compiler/lettori.h"
#include "compiler/testo_unicode.h"

namespace scenario {
namespace {

using namespace diagnosi;

std::string in_cifre(std::int64_t n) { return std::to_string(n); }

struct Raccolta {
    const Contesto& c;
    std::vector<Diagnostica> avvisi;

    Diagnostica& a(Testo t, std::size_t byte, std::string messaggio, std::optional<std::string> suggerimento = {}) {
        Diagnostica d = in_posto(c, t, byte);
        d.livello = Diagnostica::Livello::avviso;
        d.messaggio = std::move(messaggio);
        d.suggerimento = std::move(suggerimento);
        avvisi.push_back(std::move(d));
        return avvisi.back();
    }
    void del_testo(Testo t, std::string messaggio) {
        Diagnostica d = diagnosi::del_testo(c, t);
        d.livello = Diagnostica::Livello::avviso;
        d.messaggio = std::move(messaggio);
        avvisi.push_back(std::move(d));
    }
};

// --- keywords and sections -----------------------------------------------------

constexpr std::array<std::string_view, 7> sezioni_linea = {"[generale]", "[curve]",      "[pendenze]", "[montagne]",
                                                           "[cartelli]", "[indicazioni]", "[fine]"};
constexpr std::array<std::string_view, 8> sezioni_treno = {"[generale]", "[aderenze]",  "[vel_limite]",
                                                           "[stazioni]", "[rallentamenti]", "[segnali]",
                                                           "[codici]",   "[fine]"};

// The keywords as the documented format writes them, where they are read.
enum class Dove { generale_linea, principale_linea, treno };
struct Parola {
    std::string_view testo;
    Dove dove;
};
constexpr std::array<Parola, 35> parole = {{
    {"lunghezza percorso", Dove::generale_linea},
    {"progressiva chilometrica uno", Dove::generale_linea},
    {"progressiva chilometrica due", Dove::generale_linea},
    {"progressiva chilometrica tre", Dove::generale_linea},
    {"sfondo uno", Dove::generale_linea},
    {"sfondo due", Dove::generale_linea},
    {"sfondo tre", Dove::generale_linea},
    {"ripetizione segnali 4 codici", Dove::generale_linea},
    {"ripetizione segnali 9 codici", Dove::generale_linea},
    {"pendenza", Dove::principale_linea},
    {"montagna", Dove::principale_linea},
    {"indicatori_vmax", Dove::principale_linea},
    {"indicatore cartello", Dove::principale_linea},
    {"curvas1", Dove::principale_linea},
    {"curvas2", Dove::principale_linea},
    {"curvas3", Dove::principale_linea},
    {"curvas4", Dove::principale_linea},
    {"curvas5", Dove::principale_linea},
    {"curvas6", Dove::principale_linea},
    {"curvad1", Dove::principale_linea},
    {"curvad2", Dove::principale_linea},
    {"curvad3", Dove::principale_linea},
    {"curvad4", Dove::principale_linea},
    {"curvad5", Dove::principale_linea},
    {"curvad6", Dove::principale_linea},
    {"numero vetture", Dove::treno},
    {"percentuale massa frenata", Dove::treno},
    {"sabbia", Dove::treno},
    {"orologio", Dove::treno},
    {"aderenza", Dove::treno},
    {"velocita", Dove::treno},
    {"stazione", Dove::treno},
    {"rallentamento", Dove::treno},
    {"segnale", Dove::treno},
    {"abbattimento", Dove::treno},
}};

char minuscola(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

std::string minuscole(std::string_view t) {
    std::string m(t);
    std::ranges::transform(m, m.begin(), minuscola);
    return m;
}

// The same text but for the case of its letters.
bool uguali_ic(std::string_view a, std::string_view b) { return std::ranges::equal(a, b, {}, minuscola, minuscola); }

// Edit distance with adjacent swaps counting one ("segnlae" is one from
// "segnale"), letters compared without case.
std::size_t distanza(std::string_view a, std::string_view b) {
    const std::string x = minuscole(a);
    const std::string y = minuscole(b);
    // Three rows of the table: the one before the previous serves the swaps.
    std::vector<std::size_t> due_fa(y.size() + 1), prima(y.size() + 1), ora(y.size() + 1);
    for (std::size_t j = 0; j <= y.size(); ++j) prima[j] = j;
    for (std::size_t i = 1; i <= x.size(); ++i) {
        ora[0] = i;
        for (std::size_t j = 1; j <= y.size(); ++j) {
            const std::size_t costo = x[i - 1] == y[j - 1] ? 0 : 1;
            ora[j] = std::min({prima[j] + 1, ora[j - 1] + 1, prima[j - 1] + costo});
            if (i > 1 && j > 1 && x[i - 1] == y[j - 2] && x[i - 2] == y[j - 1]) ora[j] = std::min(ora[j], due_fa[j - 2] + 1);
        }
        std::swap(due_fa, prima);
        std::swap(prima, ora);
    }
    return prima[y.size()];
}

// The nearest of a list within two edits, the first of equals.
template <typename Elenco, typename Testo_>
std::optional<std::string_view> piu_vicina(std::string_view campo, const Elenco& elenco, Testo_ testo_di) {
    std::optional<std::string_view> migliore;
    std::size_t minima = 3;
    if (campo.size() > 40) return migliore;  // no keyword is that long: spare the table
    for (const auto& voce : elenco) {
        const std::size_t d = distanza(campo, testo_di(voce));
        if (d < minima) {
            minima = d;
            migliore = testo_di(voce);
        }
    }
    return migliore;
}

// Does a field pass one of the tests the readers put keywords to, and where?
std::optional<Dove> riconosciuta(std::string_view k) {
    const auto ha = [k](std::string_view p) { return contiene_ic(k, p); };
    if ((ha("lunghezza") && ha("percorso")) || contiene(k, "progressiva") || contiene(k, "sfondo") ||
        (contiene(k, "ripetizione") && contiene(k, "segnali")))
        return Dove::generale_linea;
    if (ha("pendenza") || ha("curva") || ha("montagna") || ha("indicatori_v") || (ha("indicat") && ha("cartello")))
        return Dove::principale_linea;
    if ((ha("frenata") && ha("massa")) || ha("vetture") || ha("velocit") || ha("aderenza") || ha("orologio") ||
        ha("sabbia") || ha("segnale") || ha("rallentamento") || ha("abbattimento") || ha("stazione"))
        return Dove::treno;
    return std::nullopt;
}

std::string_view spoglia(std::string_view t) {
    while (!t.empty() && (t.front() == ' ' || t.front() == '\t')) t.remove_prefix(1);
    while (!t.empty() && (t.back() == ' ' || t.back() == '\t')) t.remove_suffix(1);
    return t;
}

// The keyword field as written: from its start to the comma or the line end.
std::string_view campo_chiave(const Fonte& f, std::size_t inizio) {
    const std::string_view riga = f.riga(f.riga_di(inizio));
    const std::size_t da = inizio - f.inizio_riga(f.riga_di(inizio));
    if (da >= riga.size()) return {};
    return spoglia(riga.substr(da, riga.find(',', da) - da));
}

bool intestazione(std::string_view campo) { return campo.size() >= 2 && campo.front() == '[' && contiene(campo, "]"); }

// Only the first field of a line is a keyword the author wrote; the rest of
// the fields the reader passes over are the values of that line.
bool primo_della_riga(const Fonte& f, std::size_t byte) {
    const std::string_view riga = f.riga(f.riga_di(byte));
    const std::size_t da = f.inizio_riga(f.riga_di(byte));
    const std::size_t primo = riga.find_first_not_of(" \t");
    return primo != std::string_view::npos && da + primo == byte;
}

std::string dove_si_legge(Dove d) {
    switch (d) {
        case Dove::generale_linea: return "nella sezione [generale] del testo della linea";
        case Dove::principale_linea: return "nel testo della linea, dopo la sezione [generale]";
        case Dove::treno: return "nel testo del treno";
    }
    return {};
}

void sezione_sconosciuta(Raccolta& r, const RecordLetto& k, std::string_view campo) {
    const auto& note = k.testo == Testo::linea ? std::span<const std::string_view>(sezioni_linea)
                                               : std::span<const std::string_view>(sezioni_treno);
    if (std::ranges::any_of(note, [campo](std::string_view s) { return uguali_ic(s, campo); })) return;
    const auto vicina = piu_vicina(campo, note, [](std::string_view s) { return s; });
    r.a(k.testo, k.chiave, "sezione sconosciuta " + tra_apici(campo),
        vicina ? std::optional<std::string>("forse '" + std::string(*vicina) + "'?") : std::nullopt);
}

void chiave_sconosciuta(Raccolta& r, const RecordLetto& k) {
    const Fonte& f = r.c.fonte(k.testo);
    if (!primo_della_riga(f, k.chiave)) return;
    const std::string_view campo = campo_chiave(f, k.chiave);
    if (campo.empty() || contiene(campo, "-")) return;  // an empty line, or a comment read as a keyword
    if (intestazione(campo)) return sezione_sconosciuta(r, k, campo);
    if (r.c.s.scrivi_tracciato == 0 && contiene_ic(campo, "curva")) return;  // curves need the geometry
    const Dove qui = k.testo == Testo::treno ? Dove::treno : (k.generale ? Dove::generale_linea : Dove::principale_linea);
    if (const auto altrove = riconosciuta(campo); altrove && *altrove != qui) {
        r.a(k.testo, k.chiave, tra_apici(campo) + " qui non viene letta: il record va " + dove_si_legge(*altrove));
        return;
    }
    const auto vicina = piu_vicina(campo, parole, [](const Parola& p) { return p.testo; });
    std::optional<std::string> consiglio;
    if (vicina && uguali_ic(*vicina, campo)) consiglio = "scrivi '" + std::string(*vicina) + "' in minuscolo";
    else if (vicina) consiglio = "forse '" + std::string(*vicina) + "'?";
    r.a(k.testo, k.chiave, "parola chiave sconosciuta " + tra_apici(campo) + ": la riga non viene letta", consiglio);
}

void sezioni_mancanti(Raccolta& r, Testo t, std::span<const std::string_view> attese) {
    if (!r.c.s.tracce.letti[static_cast<std::size_t>(t)]) return;
    // One walk through the text marks every section it finds.
    std::vector<bool> trovata(attese.size(), false);
    std::size_t da_trovare = attese.size();
    r.c.fonte(t).una_riga([&](std::string_view riga) {
        const std::string_view campo = spoglia(riga);
        if (campo.empty() || campo.front() != '[') return false;
        for (std::size_t i = 0; i < attese.size(); ++i) {
            if (trovata[i] || !uguali_ic(campo, attese[i])) continue;
            trovata[i] = true;
            --da_trovare;
        }
        return da_trovare == 0;
    });
    std::string mancanti;
    int quante = 0;
    for (std::size_t i = 0; i < attese.size(); ++i) {
        if (t == Testo::linea && attese[i] == "[generale]" && r.c.s.codice_errore == numero(Guasto::generale_assente))
            continue;  // generale_assente says it already
        if (trovata[i]) continue;
        mancanti += (quante++ > 0 ? ", " : "") + std::string(attese[i]);
    }
    if (quante == 1) r.del_testo(t, "manca la sezione " + mancanti);
    if (quante > 1) r.del_testo(t, "mancano le sezioni " + mancanti);
}

// --- records never reached ---------------------------------------------------

bool riga_di_record(std::string_view riga) {
    const std::string_view campo = spoglia(riga.substr(0, riga.find(',')));
    return !campo.empty() && !intestazione(campo) && !contiene(campo, "-");
}

// Record lines after line `dopo`: how many, and the first.
void non_letti(Raccolta& r, Testo t, int dopo, const std::string& perche) {
    const Fonte& f = r.c.fonte(t);
    int quanti = 0;
    int prima = 0;
    for (int n = dopo + 1; n <= f.righe(); ++n) {
        if (!riga_di_record(f.riga(n))) continue;
        if (quanti++ == 0) prima = n;
    }
    if (quanti == 0) return;
    r.a(t, f.inizio_riga(prima), in_cifre(quanti) + (quanti == 1 ? " record non letto " : " record non letti ") + perche);
}

void record_non_raggiunti(Raccolta& r) {
    const Stato& s = r.c.s;
    if (s.codice_errore <= 0 || !s.tracce.guasto) return;
    const Guasto g = static_cast<Guasto>(s.codice_errore);
    if (g == Guasto::progressiva_fuori_passo || g == Guasto::segnale_davanti_avviso_senza_posto ||
        g == Guasto::avvicinamento_senza_posto || g == Guasto::rallentamento_senza_posto)
        return;  // found after the reading, which went to the end
    const LuogoGuasto& l = *s.tracce.guasto;
    const Fonte& f = r.c.fonte(l.testo);
    if (s.tracce.letti[static_cast<std::size_t>(l.testo)]) {
        non_letti(r, l.testo, l.byte ? f.riga_di(*l.byte) : 0, "dopo l'errore");
    }
    const bool linea_fermata = l.testo == Testo::linea && g != Guasto::oltre_la_griglia;
    if (linea_fermata && !s.tracce.letti[static_cast<std::size_t>(Testo::treno)]) {
        non_letti(r, Testo::treno, 0, "per l'errore nel testo della linea");
    }
}

// --- the values of each record -------------------------------------------------

// Where a record's metres are: positions, and range ends as start + length.
struct Metro {
    std::size_t campo;
    std::int64_t valore;
    bool fine_di_tratto;  // an end computed from a start and a length
};

// At most two metres a record: kept in place, as this runs for every record.
struct MetriRecord {
    std::array<Metro, 2> metri{};
    std::size_t quanti = 0;

    void push_back(const Metro& m) { metri[quanti++] = m; }
    const Metro* begin() const { return metri.data(); }
    const Metro* end() const { return metri.data() + quanti; }
};

MetriRecord metri_del_record(const RecordLetto& k) {
    MetriRecord m;
    const auto v = [&k](std::size_t i) { return valore(k, i); };
    const auto posizione = [&](std::size_t i) {
        if (const auto x = v(i)) m.push_back({i, *x, false});
    };
    const auto fine = [&](std::size_t inizio, std::size_t lunghezza) {
        if (v(inizio) && v(lunghezza)) m.push_back({lunghezza, *v(inizio) + *v(lunghezza), true});
    };
    switch (k.tipo) {
        case TipoRecord::pendenza:
        case TipoRecord::indicatore:
        case TipoRecord::cartello:
        case TipoRecord::velocita:
        case TipoRecord::aderenza:
        case TipoRecord::segnale:
        case TipoRecord::abbattimento:
        case TipoRecord::stazione: posizione(0); break;
        case TipoRecord::curva: posizione(0), fine(0, 1); break;
        case TipoRecord::rallentamento: posizione(0), fine(0, 2); break;
        case TipoRecord::montagna: posizione(0), posizione(1); break;
        case TipoRecord::ripetizione: posizione(0), posizione(1); break;
        default: break;
    }
    return m;
}

void oltre_la_lunghezza(Raccolta& r, const RecordLetto& k) {
    const Stato& s = r.c.s;
    if (!s.griglia_creata) return;
    const std::int64_t lunghezza = std::int64_t{s.lunghezza_estesa} - margine_griglia;
    for (const Metro& m : metri_del_record(k)) {
        if (m.valore <= lunghezza) continue;
        r.a(k.testo, k.valori()[m.campo].inizio,
            (m.fine_di_tratto ? "finisce al metro " : "metro ") + in_cifre(m.valore) +
                ", oltre la fine della linea (lunghezza percorso " + in_cifre(lunghezza) + " m)");
        return;
    }
}

// Where a metre off the 50 m step goes, by the rule of its kind.
std::string dove_va(TipoRecord tipo, std::int64_t metro) {
    switch (tipo) {
        case TipoRecord::abbattimento:
            return "va nella cella " + in_cifre(cella_vicina(metro)) + " (metro / 50, senza +1)";
        case TipoRecord::pendenza:
        case TipoRecord::velocita:
        case TipoRecord::aderenza:
            return "il nuovo valore vale dalla cella " + in_cifre(cella_vicina(metro)) + ", cioè dal metro " +
                   in_cifre(cella_vicina(metro) * metri_cella);
        case TipoRecord::montagna: return "viene arrotondato a un multiplo di 50 m";
        default: return "va nel" + cella_e_metri(cella_di(metro));
    }
}

void fuori_passo(Raccolta& r, const RecordLetto& k) {
    // Stations, progressives and the signal repetition have faults of their
    // own; a curve is drawn metre by metre, from its metres as written.
    if (k.tipo == TipoRecord::stazione || k.tipo == TipoRecord::ripetizione || k.tipo == TipoRecord::curva) return;
    for (const Metro& m : metri_del_record(k)) {
        const auto campo = m.campo;
        const auto letto = valore(k, campo);
        if (!letto || *letto % metri_cella == 0) continue;
        const std::string cosa = m.fine_di_tratto ? "lunghezza " : "metro ";
        r.a(k.testo, k.valori()[campo].inizio, cosa + in_cifre(*letto) + " non multiplo di 50",
            m.fine_di_tratto ? std::optional<std::string>() : dove_va(k.tipo, *letto));
        return;
    }
}

// The ranges the simulator uses: speeds 5 to 250 km/h (a speed limit in
// steps of 5), gradients -40 to 40 per mille, adhesion 1 to 100 percent,
// clock times 0:00:00 to 23:59:59, signal times 0 to 255 s.
struct Intervallo {
    TipoRecord tipo;
    std::size_t campo;
    std::int64_t minimo;
    std::int64_t massimo;
    bool zero_ammesso;  // 0 means "none" (a right-hand board left empty)
    std::string_view cosa;
    std::string_view unita;
};

constexpr std::array<Intervallo, 21> intervalli = {{
    {TipoRecord::pendenza, 1, -40, 40, false, "pendenza", "per mille"},
    {TipoRecord::velocita, 1, 5, 250, false, "velocità", "km/h"},
    {TipoRecord::rallentamento, 1, 5, 250, false, "velocità del rallentamento", "km/h"},
    {TipoRecord::indicatore, 1, 5, 250, false, "velocità", "km/h"},
    {TipoRecord::indicatore, 2, 5, 250, false, "velocità", "km/h"},
    {TipoRecord::indicatore, 3, 5, 250, false, "velocità", "km/h"},
    {TipoRecord::indicatore, 5, 5, 250, true, "velocità", "km/h"},
    {TipoRecord::indicatore, 6, 5, 250, true, "velocità", "km/h"},
    {TipoRecord::indicatore, 7, 5, 250, true, "velocità", "km/h"},
    {TipoRecord::aderenza, 1, 1, 100, false, "aderenza", "%"},
    {TipoRecord::orologio, 0, 0, 23, false, "ora", "h"},
    {TipoRecord::orologio, 1, 0, 59, false, "minuti", "min"},
    {TipoRecord::orologio, 2, 0, 59, false, "secondi", "s"},
    {TipoRecord::stazione, 13, 0, 23, false, "ora", "h"},
    {TipoRecord::stazione, 14, 0, 59, false, "minuti", "min"},
    {TipoRecord::stazione, 15, 0, 59, false, "secondi", "s"},
    {TipoRecord::segnale, 10, 0, 255, false, "tempo del segnale", "s"},
    {TipoRecord::curva, 1, 1, lunghezza_massima, false, "lunghezza della curva", "m"},
    {TipoRecord::rallentamento, 2, 1, lunghezza_massima, false, "lunghezza del rallentamento", "m"},
    {TipoRecord::sabbia, 0, 0, 32767, false, "sabbia", ""},
    {TipoRecord::vetture, 0, 1, 255, false, "numero di vetture", ""},
}};

void fuori_intervallo(Raccolta& r, const RecordLetto& k) {
    for (const Intervallo& i : intervalli) {
        if (i.tipo != k.tipo) continue;
        const auto v = valore(k, i.campo);
        if (!v || (i.zero_ammesso && *v == 0) || (*v >= i.minimo && *v <= i.massimo)) continue;
        const std::string unita = i.unita.empty() ? "" : " " + std::string(i.unita);
        r.a(k.testo, k.valori()[i.campo].inizio,
            std::string(i.cosa) + " " + in_cifre(*v) + unita + " fuori dall'intervallo usato dal simulatore (" +
                in_cifre(i.minimo) + " .. " + in_cifre(i.massimo) + unita + ")");
    }
    if (k.tipo == TipoRecord::montagna) {
        if (const auto t = valore(k, 2); t && *t != 1 && *t != 2 && *t != 11 && *t != 12) {
            r.a(k.testo, k.valori()[2].inizio, "tipo di montagna " + in_cifre(*t) + ": i tipi sono 1, 2, 11 e 12");
        }
    }
    if (k.tipo == TipoRecord::velocita) {
        if (const auto v = valore(k, 1); v && *v >= 5 && *v <= 250 && *v % 5 != 0) {
            r.a(k.testo, k.valori()[1].inizio, "velocità " + in_cifre(*v) + " km/h non multipla di 5",
                "la cella tiene velocità / 5: vale come " + in_cifre(dividi_vicino(*v, 5) * 5) + " km/h");
        }
    }
}

// A text field longer than its length field can say: the file keeps its start.
void testo_tagliato(Raccolta& r, const RecordLetto& k) {
    const std::size_t campo = k.tipo == TipoRecord::cartello ? 1 : (k.tipo == TipoRecord::stazione ? 16 : 0);
    if (campo == 0 || campo >= k.valori().size() || k.valori()[campo].lunghezza_testo() <= 65535) return;
    r.a(k.testo, k.valori()[campo].inizio,
        "testo di " + in_cifre(static_cast<std::int64_t>(k.valori()[campo].lunghezza_testo())) +
            " byte: il file compilato ne tiene i primi 65535");
}

// --- rows that lose to another -----------------------------------------------------

struct Precedente {
    std::size_t record;
    std::int64_t inizio;
    std::int64_t fine;
};

void stesso_metro(Raccolta& r, const RecordLetto& k, std::size_t indice, std::map<TipoRecord, Precedente>& ultimi) {
    const bool corsa = k.tipo == TipoRecord::pendenza || k.tipo == TipoRecord::velocita || k.tipo == TipoRecord::aderenza;
    if (!corsa && k.tipo != TipoRecord::curva && k.tipo != TipoRecord::montagna) return;
    const auto inizio = valore(k, 0);
    if (!inizio) return;
    const std::int64_t fine = k.tipo == TipoRecord::curva ? *inizio + valore(k, 1).value_or(0)
                                                          : (k.tipo == TipoRecord::montagna ? valore(k, 1).value_or(*inizio) : *inizio);
    if (const auto p = ultimi.find(k.tipo); p != ultimi.end()) {
        const Precedente& prima = p->second;
        // Where the other row stands, only for a warning that names it.
        const auto di = [&r, &prima] { return " di " + dove(r.c, prima.record); };
        if (corsa && *inizio == prima.inizio) {
            r.a(k.testo, k.valori()[0].inizio, "stesso metro della riga" + di(), "il valore di quella riga non vale per nessuna cella");
        } else if (corsa && *inizio < prima.inizio) {
            r.a(k.testo, k.valori()[0].inizio, "metro minore di quello della riga" + di(), "i cambi vanno in ordine crescente di metro");
        } else if (k.tipo == TipoRecord::curva && *inizio < prima.fine) {
            r.a(k.testo, k.valori()[0].inizio, "la curva comincia prima della fine della curva" + di(),
                "ne resta solo la parte oltre il metro " + in_cifre(prima.fine));
        } else if (k.tipo == TipoRecord::montagna && *inizio < prima.fine) {
            r.a(k.testo, k.valori()[0].inizio, "la sezione di montagna si sovrappone a quella" + di(),
                "sulle celle comuni vale questa");
        }
    }
    ultimi[k.tipo] = {indice, *inizio, fine};
}

void sostituzioni(Raccolta& r) {
    const auto& t = r.c.s.tracce;
    for (const Sostituzione& x : t.sostituzioni) {
        if (x.dopo == origine_nessuna || x.dopo > t.record.size()) continue;
        const RecordLetto& k = t.record[x.dopo - 1];
        std::string prima(nome_del_tipo(x.tipo_prima));
        if (x.prima != origine_nessuna && (x.prima & ~aggiunto_dal_percorso) <= t.record.size()) {
            prima += " di " + dove(r.c, (x.prima & ~aggiunto_dal_percorso) - 1);
        }
        r.a(k.testo, k.valori().empty() ? k.chiave : k.valori().front().inizio,
            "il punto di fermata della stazione sostituisce " + prima + " nella cella " + in_cifre(x.cella));
    }
}

// --- bytes -----------------------------------------------------------------------

void byte_del_testo(Raccolta& r, Testo t) {
    const Fonte& f = r.c.fonte(t);
    const std::string_view testo = f.testo();
    // Bytes 0x01 to 0x7F only (most texts): no NUL, no UTF-8, nothing outside
    // Windows-1252. One pass over the bytes instead of the line-by-line walk.
    const auto notevole = [](char c) { return c == '\0' || static_cast<unsigned char>(c) >= 0x80; };
    if (std::none_of(testo.begin(), testo.end(), notevole)) return;
    for (int n = 1; n <= f.righe(); ++n) {
        const std::size_t da = f.inizio_riga(n);
        const std::string_view riga = f.riga(n);
        bool nul = false, utf8 = false, estraneo = false;
        for (std::size_t i = 0; i < riga.size(); ++i) {
            const auto b = static_cast<unsigned char>(riga[i]);
            if (b == 0 && !nul) {
                nul = true;
                r.a(t, da + i, "carattere NUL nel testo", "il lettore lo legge come un carattere qualsiasi");
            } else if (b >= 0x80 && !utf8 && sequenza_utf8(testo, da + i) > 1) {
                utf8 = true;
                r.a(t, da + i, "il testo sembra UTF-8: " + tra_apici(riga.substr(i, sequenza_utf8(testo, da + i))) +
                                   " sono più byte per un solo carattere",
                    "salva il file nella codifica Windows-1252");
            } else if (fuori_da_cp1252(b) && !estraneo && sequenza_utf8(testo, da + i) == 0) {
                estraneo = true;
                static constexpr char cifre[] = "0123456789ABCDEF";
                r.a(t, da + i, std::string("il byte 0x") + cifre[b >> 4] + cifre[b & 15] + " non è un carattere Windows-1252");
            }
        }
    }
}

}  // namespace

std::vector<Diagnostica> avvisi(const Stato& s, const NomiTesti& nomi) {
    const Contesto c(s, nomi);
    Raccolta r{c, {}};
    sezioni_mancanti(r, Testo::linea, sezioni_linea);
    sezioni_mancanti(r, Testo::treno, sezioni_treno);
    // The record a fault stopped at: its fault says what is wrong with it.
    const std::size_t del_guasto = s.codice_errore > 0 && s.tracce.guasto && s.tracce.guasto->record
                                       ? *s.tracce.guasto->record
                                       : s.tracce.record.size();
    std::map<TipoRecord, Precedente> ultimi;
    for (std::size_t i = 0; i < s.tracce.record.size(); ++i) {
        const RecordLetto& k = s.tracce.record[i];
        if (k.tipo == TipoRecord::nessuno) {
            chiave_sconosciuta(r, k);
            continue;
        }
        if (i == del_guasto) continue;
        oltre_la_lunghezza(r, k);
        fuori_passo(r, k);
        fuori_intervallo(r, k);
        testo_tagliato(r, k);
        stesso_metro(r, k, i, ultimi);
    }
    sostituzioni(r);
    record_non_raggiunti(r);
    byte_del_testo(r, Testo::linea);
    byte_del_testo(r, Testo::treno);
    const auto ordine = [&nomi](const Diagnostica& d) { return std::tuple(d.file != nomi.linea, d.riga, d.colonna); };
    std::ranges::stable_sort(r.avvisi, {}, ordine);
    return r.avvisi;
}

}  // namespace scenario
