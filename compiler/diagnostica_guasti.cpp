// The faults of a compile for the author: the recorded fault at the field
// that caused it, the fatal error at what holds cell 1, a line text without
// a route length; each with what to do about it.
#include <algorithm>

#include "compiler/diagnostica_fonte.h"
#include "compiler/griglia.h"
#include "compiler/guasti.h"
#include "compiler/posa.h"

namespace scenario {
namespace {

using namespace diagnosi;

std::string in_cifre(std::int64_t n) { return std::to_string(n); }

// The two multiples of `passo` around v: "per esempio 9350 o 9400".
std::string multipli_vicini(std::int64_t v, std::int64_t passo) {
    std::int64_t sotto = v / passo * passo;
    if (sotto > v) sotto -= passo;
    return "per esempio " + in_cifre(sotto) + " o " + in_cifre(sotto + passo);
}

const RecordLetto* record_del_guasto(const Contesto& c) {
    const auto& g = c.s.tracce.guasto;
    if (!g || !g->record || *g->record >= c.s.tracce.record.size()) return nullptr;
    return &c.s.tracce.record[*g->record];
}

// --- taken cells ---------------------------------------------------------

// The cell a refused record wanted, from its values and the rule of its kind.
std::optional<std::int64_t> cella_voluta(const Contesto& c, Guasto g, const RecordLetto& r) {
    const auto p = valore(r, 0);
    if (!p) return std::nullopt;
    switch (g) {
        case Guasto::cartello_su_cella_occupata:
        case Guasto::segnale_su_cella_occupata:
        case Guasto::indicatore_su_cella_occupata:
        case Guasto::inizio_su_cella_occupata: return cella_di(*p);
        case Guasto::abbattimento_su_cella_occupata: return cella_vicina(*p);
        case Guasto::avviso_su_cella_occupata: return cella_di(*p - anticipo_avviso);
        case Guasto::fine_su_cella_occupata: return cella_di(*p + valore(r, 2).value_or(0));
        case Guasto::approccio_su_cella_occupata:
            for (std::int64_t i = 0; i < 4; ++i) {
                const std::int64_t k = cella_vicina(*p - anticipo_avviso) - i;
                if (occupata(c.s, k)) return k;
            }
            return std::nullopt;
        default: return std::nullopt;
    }
}

std::optional<std::string> suggerimento_cella_presa(const Contesto& c, Guasto g, const RecordLetto& r) {
    const auto k = cella_voluta(c, g, r);
    if (!k) return std::nullopt;
    std::string testo = cella_e_metri(*k) + " contiene già " + oggetto_in_cella(c, *k);
    const std::int64_t p = valore(r, 0).value_or(0);
    if (g == Guasto::abbattimento_su_cella_occupata) {
        testo += "; un abbattimento al metro " + in_cifre(p) + " va nella cella " + in_cifre(*k) + " (metro / 50, senza +1)";
    } else if (p % metri_cella != 0 && (g == Guasto::segnale_su_cella_occupata || g == Guasto::cartello_su_cella_occupata ||
                                        g == Guasto::indicatore_su_cella_occupata)) {
        testo += "; il metro " + in_cifre(p) + " non è multiplo di 50 e cade nella cella " + in_cifre(*k);
    }
    return testo;
}

// --- a reading fault -------------------------------------------------------

// The text of the field that failed: up to the next comma or line end.
std::string_view campo_a(std::string_view testo, std::size_t inizio) {
    if (inizio >= testo.size()) return {};
    const std::size_t fine = testo.find_first_of(",\r\n", inizio);
    std::string_view campo = testo.substr(inizio, fine == std::string_view::npos ? std::string_view::npos : fine - inizio);
    while (!campo.empty() && (campo.back() == ' ' || campo.back() == '\t')) campo.remove_suffix(1);
    return campo;
}

std::string suggerimento_lettura(const Contesto& c, const LuogoGuasto& l) {
    const std::string_view testo = c.fonte(l.testo).testo();
    if (l.testo_assente) return "file non trovato o illeggibile";
    if (testo.empty()) return "file vuoto";
    switch (l.inciampo.motivo) {
        case Inciampo::Motivo::fine_del_testo: return "fine del file a metà del record";
        case Inciampo::Motivo::non_numero: return "numero atteso, trovato " + tra_apici(campo_a(testo, l.inciampo.inizio));
        case Inciampo::Motivo::fuori_intervallo:
            if (l.inciampo.valore > l.inciampo.massimo) return "valore oltre " + in_cifre(l.inciampo.massimo);
            return "valore sotto " + in_cifre(l.inciampo.minimo);
        case Inciampo::Motivo::nessuno: break;
    }
    return "errore di lettura";
}

// --- a record off the grid -------------------------------------------------

std::string suggerimento_fuori(const Contesto& c, const RecordLetto* r) {
    if (!c.s.griglia_creata) return "manca la riga 'lunghezza percorso' prima di questo record";
    const std::int64_t lunghezza = std::int64_t{c.s.lunghezza_estesa} - margine_griglia;
    if (c.s.posizione_errore < 0) return "prima dell'inizio della linea";
    std::string testo = "oltre la fine (lunghezza " + in_cifre(lunghezza) + " m)";
    if (r != nullptr && r->tipo == TipoRecord::stazione) testo += "; il marciapiede di una stazione deve restare nella linea";
    return testo;
}

// --- stations --------------------------------------------------------------

// The station slot a station record went to: stations fill slots 1, 2, ... in
// the order of their records.
std::size_t posto_stazione(const Contesto& c, std::size_t record) {
    std::size_t posto = 0;
    for (std::size_t i = 0; i <= record; ++i) posto += c.s.tracce.record[i].tipo == TipoRecord::stazione ? 1 : 0;
    return posto;
}

std::string suggerimento_stazioni_vicine(const Contesto& c, std::size_t record) {
    const std::size_t posto = posto_stazione(c, record);
    if (posto < 2 || posto >= slot::numero_voci) return "servono almeno 350 m tra due marciapiedi";
    const Voce& questa = c.s.voci[posto];
    const Voce& prima = c.s.voci[posto - 1];
    std::string testo = "il marciapiede inizia al metro " + in_cifre(questa.numero1) +
                        ", meno di 350 m dopo la fine del marciapiede precedente (metro " + in_cifre(prima.numero2) + ")";
    for (std::size_t i = record; i-- > 0;) {
        if (c.s.tracce.record[i].tipo == TipoRecord::stazione) return testo + ", stazione di " + dove(c, i);
    }
    return testo;
}

std::string suggerimento_posti(const RecordLetto* r) {
    if (r != nullptr && r->tipo == TipoRecord::montagna) return "al più 80 sezioni di montagna";
    if (r != nullptr && r->tipo == TipoRecord::cartello) return "al più 80 cartelli";
    return "stazioni e cartelli si dividono 80 posti: le stazioni dal posto 1 in su, i cartelli dall'80 in giù";
}

// --- the route pass --------------------------------------------------------

std::string elenco_celle(const Contesto& c, const std::vector<std::int64_t>& celle) {
    std::string testo;
    for (std::size_t i = 0; i < celle.size(); ++i) {
        if (i > 0) testo += i + 1 == celle.size() ? " e " : ", ";
        testo += "la cella " + in_cifre(celle[i]) + " contiene " + oggetto_in_cella(c, celle[i]);
    }
    return testo;
}

std::string suggerimento_percorso(const Contesto& c, Guasto g, const LuogoGuasto& l) {
    std::vector<std::int64_t> celle = l.celle;
    std::string testo;
    if (g == Guasto::segnale_davanti_avviso_senza_posto && celle.size() == 3) {
        testo = "il segnale protegge " + oggetto_in_cella(c, celle[2]) + ", ma ";
        celle.pop_back();
    }
    std::erase_if(celle, [&c](std::int64_t k) { return !occupata(c.s, k); });
    if (celle.empty()) return testo + "le celle vicine sono occupate";
    return testo + elenco_celle(c, celle) + ": lascia libera una di queste celle";
}

// --- one recorded fault ----------------------------------------------------

std::optional<std::string> suggerimento(const Contesto& c, Guasto g, const LuogoGuasto& l) {
    const RecordLetto* r = record_del_guasto(c);
    const auto p = r != nullptr ? valore(*r, 0) : std::nullopt;
    switch (g) {
        case Guasto::lunghezza_eccessiva:
            return p && *p < 0 ? "la lunghezza non può essere negativa" : "la lunghezza massima è 1000000 m";
        case Guasto::progressiva_fuori_passo:
        case Guasto::inizio_ripetizione_fuori_passo:
        case Guasto::fine_ripetizione_fuori_passo:
        case Guasto::stazione_fuori_passo:
            if (!l.byte || r == nullptr) return "posizioni e valori vanno a multipli di 50 m";
            for (const CampoLetto& campo : r->valori())
                if (campo.inizio == *l.byte && campo.numero()) return multipli_vicini(*campo.numero(), metri_cella);
            return std::nullopt;
        case Guasto::marciapiede_fuori_passo:
            if (const auto lung = r != nullptr ? valore(*r, 2) : std::nullopt) return multipli_vicini(*lung, 100);
            return std::nullopt;
        case Guasto::ripetizione_senza_codici:
            return "la parola chiave deve contenere 4 o 9, per esempio 'ripetizione segnali 4 codici'";
        case Guasto::cartello_su_cella_occupata:
        case Guasto::abbattimento_su_cella_occupata:
        case Guasto::segnale_su_cella_occupata:
        case Guasto::avviso_su_cella_occupata:
        case Guasto::inizio_su_cella_occupata:
        case Guasto::fine_su_cella_occupata:
        case Guasto::approccio_su_cella_occupata:
        case Guasto::indicatore_su_cella_occupata:
            return r != nullptr ? suggerimento_cella_presa(c, g, *r) : std::nullopt;
        case Guasto::posti_esauriti: return suggerimento_posti(r);
        case Guasto::segnale_davanti_avviso_senza_posto:
        case Guasto::avvicinamento_senza_posto:
        case Guasto::rallentamento_senza_posto: return suggerimento_percorso(c, g, l);
        case Guasto::oltre_la_griglia: return suggerimento_fuori(c, r);
        case Guasto::stazioni_troppo_vicine:
            if (r == nullptr) return std::nullopt;
            return suggerimento_stazioni_vicine(c, *l.record);
        case Guasto::fermata_troppo_presto:
            return "il punto di fermata cadrebbe alla cella 1 o prima: sposta la stazione più avanti";
        case Guasto::lettura: return suggerimento_lettura(c, l);
        case Guasto::testo_linea_assente: return "nessun file con questo nome";
        case Guasto::generale_assente: return "il testo deve cominciare con la riga [generale]";
        case Guasto::curva_senza_classe:
            if (l.byte && r != nullptr && *l.byte == r->chiave) {
                return "la parola chiave deve contenere la classe, da 1 a 6, per esempio 'curvas3'";
            }
            return "il tracciato supererebbe il metro 1000000";
    }
    return std::nullopt;
}

Diagnostica guasto_registrato(const Contesto& c) {
    const auto& s = c.s;
    const SchedaGuasto* scheda = trova_guasto(s.codice_errore);
    const LuogoGuasto luogo = s.tracce.guasto.value_or(LuogoGuasto{});
    const RecordLetto* r = record_del_guasto(c);
    std::optional<std::size_t> byte = luogo.byte;
    if (!byte && r != nullptr) byte = r->valori().empty() ? r->chiave : r->valori().front().inizio;
    const bool in_testo = byte && *byte <= c.fonte(luogo.testo).testo().size() && !c.fonte(luogo.testo).testo().empty();
    Diagnostica d = in_testo ? in_posto(c, luogo.testo, *byte) : del_testo(c, luogo.testo);
    d.codice = s.codice_errore;
    if (scheda == nullptr) {
        d.messaggio = "guasto sconosciuto";
        return d;
    }
    d.messaggio = std::string(scheda->significato);
    if (scheda->ha_posizione) d.metro = s.posizione_errore;
    d.suggerimento = suggerimento(c, scheda->guasto, luogo);
    if (!s.griglia_creata) {
        d.suggerimento = d.suggerimento ? *d.suggerimento + "; nessun file compilato" : "nessun file compilato";
    }
    return d;
}

// The fatal errors: what already holds cell 1's marker or code place.
Diagnostica errore_fatale(const Contesto& c, Esito esito) {
    const std::int32_t codice = esito == Esito::errore_1250 ? errore_marcatore : errore_codici_gara;
    const std::uint32_t o = origine_cella(c.s, cella_marcatore) & ~aggiunto_dal_percorso;
    const bool nota = o != origine_nessuna && o <= c.s.tracce.record.size();
    Diagnostica d;
    if (nota) {
        const RecordLetto& r = c.s.tracce.record[o - 1];
        d = in_posto(c, r.testo, r.valori().empty() ? r.chiave : r.valori().front().inizio);
    }
    d.codice = codice;
    d.messaggio = esito == Esito::errore_1250 ? "il posto del marcatore del file è già in uso"
                                              : "il posto del codice di gara è già in uso";
    d.suggerimento = "la cella 1 è riservata al marcatore; contiene " + oggetto_in_cella(c, cella_marcatore) +
                     ": sposta l'oggetto oltre il metro 25; nessun file compilato";
    return d;
}

Diagnostica senza_lunghezza(const Contesto& c) {
    Diagnostica d = del_testo(c, Testo::linea);
    d.messaggio = "manca la riga 'lunghezza percorso': nessuna griglia di celle";
    d.suggerimento = "nessun file compilato; aggiungi 'lunghezza percorso, N' nella sezione [generale] (o i due "
                     "testi sono scambiati?)";
    return d;
}

}  // namespace

std::vector<Diagnostica> diagnostica(const Stato& s, Esito esito, const NomiTesti& nomi) {
    const Contesto c(s, nomi);
    std::vector<Diagnostica> d;
    if (s.codice_errore > 0) d.push_back(guasto_registrato(c));
    if (esito != Esito::completato) d.push_back(errore_fatale(c, esito));
    if (s.codice_errore <= 0 && esito == Esito::completato && !s.griglia_creata) d.push_back(senza_lunghezza(c));
    for (Diagnostica& a : avvisi(s, nomi)) d.push_back(std::move(a));
    return d;
}

bool ha_errori(const std::vector<Diagnostica>& d) {
    return std::ranges::any_of(d, [](const Diagnostica& x) { return x.livello == Diagnostica::Livello::errore; });
}

bool ha_avvisi(const std::vector<Diagnostica>& d) {
    return std::ranges::any_of(d, [](const Diagnostica& x) { return x.livello == Diagnostica::Livello::avviso; });
}

}  // namespace scenario
