// Prints a decoded compiled file: one row per cell that holds anything, the
// 87 records with named fields, or the plan's coordinates per metre. Every
// check runs before the first byte goes out, so a damaged file prints nothing.
#include "platform/percorso_utf8.h"
#include "tool/comando_dump.h"

#include <algorithm>
#include <charconv>
#include <cstdio>
#include <iostream>
#include <nlohmann/json.hpp>

#include "app/stato_uscita.h"
#include "tool/comando_compile.h"
#include "tool/file_compilati.h"
#include "tool/significato_celle.h"
#include "tool/significato_tabella.h"
#include "tool/testo_1252.h"

namespace scenario {
namespace {

namespace fs = std::filesystem;
using json = nlohmann::ordered_json;
// A Linux file name is bytes, not always UTF-8 (an old Latin-1 name): its
// stray bytes become U+FFFD in the JSON, never an exception.
constexpr auto nome_non_utf8 = json::error_handler_t::replace;

std::string n(std::int64_t x) { return std::to_string(x); }

std::string riempi(std::string t, std::size_t larghezza) {
    if (t.size() < larghezza) t.insert(0, larghezza - t.size(), ' ');
    return t;
}

bool cella_vuota(const Cella& c) {
    return tipo_di(c) == 0 && c.valore == 0 && c.valore2 == 0 && c.valore3 == 0 && c.valore4 == 0 && c.tempo == 0 &&
           c.ripetitore == 0 && c.montagna == 0 && c.velocita_cella == 0 && c.pendenza_cella == 0 &&
           c.aderenza_cella == 0;
}

bool nel_tratto(const OpzioniDump& o, std::int64_t metro) { return metro >= o.da && metro <= o.a; }

// A cell is shown when any metre it covers lies in the range.
bool cella_nel_tratto(const OpzioniDump& o, std::size_t k) {
    const std::int64_t m = metro_cella(k);
    return m + metri_cella / 2 > o.da && m - metri_cella / 2 <= o.a;
}

// ----- cell file

json cella_json(const VistaCelle& v, std::size_t k) {
    const Cella& c = v.celle[k];
    const std::int64_t m = metro_cella(k);
    json j = {{"indice", k},
              {"metro", m},
              {"da_metro", m - metri_cella / 2},
              {"a_metro", m + metri_cella / 2},
              {"tipo", tipo_di(c)},
              {"oggetto", nome_tipo(tipo_di(c))},
              {"valore", c.valore},
              {"valore2", c.valore2},
              {"valore3", c.valore3},
              {"valore4", c.valore4},
              {"tempo", c.tempo},
              {"ripetitore", c.ripetitore},
              {"montagna", c.montagna},
              {"velocita_cella", c.velocita_cella},
              {"pendenza_cella", c.pendenza_cella},
              {"aderenza_cella", c.aderenza_cella}};
    j["velocita_kmh"] = c.velocita_cella * 5;
    const auto g = pendenza_permille(c);
    j["pendenza_permille"] = g ? json(*g) : json(nullptr);
    j["aderenza_percento"] = c.aderenza_cella;
    j["significato"] = significato_oggetto(v, k);
    j["ripetitore_significato"] = significato_ripetitore(v, k);
    return j;
}

std::string cella_testo(const VistaCelle& v, std::size_t k) {
    const Cella& c = v.celle[k];
    const std::int64_t m = metro_cella(k);
    const auto vel = velocita_kmh(c);
    const auto g = pendenza_permille(c);
    std::string riga = riempi(n(static_cast<std::int64_t>(k)), 6) + riempi(n(m - 25), 9) + " .." +
                       riempi(n(m + 25), 8) + riempi(vel ? n(*vel) : "-", 6) +
                       riempi(g ? (*g > 0 ? "+" : "") + n(*g) : "-", 6) +
                       riempi(c.aderenza_cella ? n(c.aderenza_cella) : "-", 6) +
                       riempi(c.ripetitore ? n(c.ripetitore) : "-", 6) +
                       riempi(c.montagna ? n(c.montagna) : "-", 6) + "  ";
    std::string testo = descrivi_oggetto(v, k);
    if (k == cella_marcatore) {
        testo = "marcatore " + n(c.valore) + ", codice di gara semplice " + n(c.valore2) +
                (testo.empty() ? "" : "; " + testo);
    }
    const std::string rip = descrivi_ripetitore(v, k);
    if (!rip.empty()) testo += (testo.empty() ? "" : "; ") + rip;
    while (!riga.empty() && riga.back() == ' ' && testo.empty()) riga.pop_back();
    return riga + testo + "\n";
}

std::string stampa_celle(const OpzioniDump& o, const std::vector<Cella>& celle, const TabellaAccanto* t) {
    const VistaCelle v{celle, t ? &t->voci : nullptr};
    std::string out;
    if (o.json) {
        json testa = {{"formato", "celle"},
                      {"file", utf8_del_nome(o.file)},
                      {"tabella", t ? json(utf8_del_nome(t->percorso)) : json(nullptr)},
                      {"numero_celle", celle.size() - 1},
                      {"marcatore", celle[cella_marcatore].valore},
                      {"codice_gara", celle[cella_marcatore].valore2}};
        out = testa.dump(-1, ' ', false, nome_non_utf8);
        out.pop_back();
        out += ",\"celle\":[";
        bool primo = true;
        for (std::size_t k = 0; k < celle.size(); ++k) {
            if (cella_vuota(celle[k]) || !cella_nel_tratto(o, k)) continue;
            out += (primo ? "\n" : ",\n") + cella_json(v, k).dump();
            primo = false;
        }
        return out + "\n]}\n";
    }
    out = "File delle celle " + utf8_del_nome(o.file) + ": " + n(static_cast<std::int64_t>(celle.size())) +
          " celle (0 .. " + n(static_cast<std::int64_t>(celle.size()) - 1) +
          "), una ogni 50 m; la cella k sta al metro 50 x (k - 1).\n";
    out += t ? "Tabella accanto: " + utf8_del_nome(t->percorso) + " (lunghezza e codice di gara confrontati).\n"
             : "Nessuna tabella accanto.\n";
    out += " cella     metri da .. a   km/h  pend.  ader.  rip. mont.  oggetto\n";
    for (std::size_t k = 0; k < celle.size(); ++k)
        if (!cella_vuota(celle[k]) && cella_nel_tratto(o, k)) out += cella_testo(v, k);
    return out;
}

// ----- scenario table

json voce_json(const Voci& voci, std::size_t s) {
    const Voce& v = voci[s];
    return {{"slot", s},
            {"uso", nome_uso(uso_voce(voci, s))},
            {"byte0", v.byte0},
            {"numero1", v.numero1},
            {"numero2", v.numero2},
            {"numero3", v.numero3},
            {"byte1", v.byte1},
            {"stringa", utf8_da_1252(v.stringa)},
            {"breve1", v.breve1},
            {"breve2", v.breve2},
            {"breve3", v.breve3},
            {"breve4", v.breve4},
            {"breve5", v.breve5},
            {"byte2", v.byte2},
            {"byte3", v.byte3},
            {"byte4", v.byte4},
            {"byte5", v.byte5},
            {"numero4", v.numero4},
            {"significato", significato_voce(voci, s)}};
}

bool voce_nel_tratto(const OpzioniDump& o, const Voci& voci, std::size_t s) {
    return uso_voce(voci, s) != UsoVoce::stazione || nel_tratto(o, voci[s].numero3);
}

std::string stampa_tabella(const OpzioniDump& o, const Voci& voci) {
    if (o.json) {
        json j = {{"formato", "tabella"}, {"file", utf8_del_nome(o.file)}, {"voci", json::array()}};
        for (std::size_t s = 0; s < voci.size(); ++s)
            if (voce_nel_tratto(o, voci, s)) j["voci"].push_back(voce_json(voci, s));
        return j.dump(1, ' ', false, nome_non_utf8) + "\n";
    }
    std::string out = "Tabella dello scenario " + utf8_del_nome(o.file) + ": 87 record (0 .. 86).\n";
    for (std::size_t s = 0; s < voci.size(); ++s) {
        if (uso_voce(voci, s) == UsoVoce::vuota || !voce_nel_tratto(o, voci, s)) continue;
        out += riempi(n(static_cast<std::int64_t>(s)), 3) + "  " + descrivi_voce(voci, s) + "\n";
    }
    return out;
}

// ----- line geometry

std::string numero(const Elemento& e) {
    if (e.tag == Elemento::Tag::intero) return n(e.intero);
    if (e.tag == Elemento::Tag::vuoto) return "-";
    char testo[64];
    const auto r = std::to_chars(testo, testo + sizeof testo, e.doppio);
    return std::string(testo, r.ptr);
}

json elemento_json(const Elemento& e) {
    if (e.tag == Elemento::Tag::vuoto) return nullptr;
    if (e.tag == Elemento::Tag::intero) return e.intero;
    return e.doppio;
}

std::string stampa_tracciato(const OpzioniDump& o, const Tracciato& t) {
    const std::int64_t metri = std::int64_t{t.lunghezza_estesa} + 1;
    // Clamped to the file first, so that no sum below can overflow whatever the command line says.
    const std::int64_t passo = std::clamp<std::int64_t>(o.ogni.value_or(1), 1, metri);
    const std::int64_t inizio = (std::clamp<std::int64_t>(o.da, 0, metri) + passo - 1) / passo * passo;
    const std::int64_t fine = std::min<std::int64_t>(o.a, metri - 1);
    std::string out;
    if (o.json) {
        json testa = {
            {"formato", "tracciato"}, {"file", utf8_del_nome(o.file)}, {"lunghezza_estesa", t.lunghezza_estesa}};
        out = testa.dump(-1, ' ', false, nome_non_utf8);
        out.pop_back();
        out += ",\"metri\":[";
    } else {
        out = "Geometria della linea " + utf8_del_nome(o.file) + ": metri 0 .. " + n(metri - 1) + ", " + n(2 * metri) +
              " elementi (x = coordinata 0, y = coordinata 1; \"-\" non assegnato).\n" +
              "   metro                       x                       y\n";
    }
    for (std::int64_t m = inizio; m <= fine; m += passo) {
        const Elemento& x = t.elementi[static_cast<std::size_t>(m)];
        const Elemento& y = t.elementi[static_cast<std::size_t>(m + metri)];
        if (o.json) {
            out += (m == inizio ? "\n" : ",\n") +
                   json{{"metro", m}, {"x", elemento_json(x)}, {"y", elemento_json(y)},
                        {"tag_x", static_cast<int>(x.tag)}, {"tag_y", static_cast<int>(y.tag)}}
                       .dump();
        } else {
            out += riempi(n(m), 8) + riempi(numero(x), 24) + riempi(numero(y), 24) + "\n";
        }
    }
    return o.json ? out + "\n]}\n" : out;
}

// ----- the command

const TabellaAccanto* unica(const std::vector<TabellaAccanto>& t) { return t.empty() ? nullptr : &t.front(); }

std::string stampa(const OpzioniDump& o, Formato f, std::string& nota) {
    switch (f) {
        case Formato::celle: {
            const std::vector<Cella> celle = carica_celle(o.file);
            const auto tabelle = tabelle_accanto(o.file, f, nota);
            if (const auto* t = unica(tabelle)) confronta_celle(o.file, celle, *t);
            return stampa_celle(o, celle, unica(tabelle));
        }
        case Formato::tabella: return stampa_tabella(o, carica_tabella(o.file));
        case Formato::tracciato: {
            const Tracciato t = carica_tracciato(o.file);
            confronta_tracciato(o.file, t, tabelle_accanto(o.file, f, nota));
            return stampa_tracciato(o, t);
        }
    }
    return {};
}

void verifica_opzioni(const OpzioniDump& o, Formato f) {
    if (o.da > o.a) throw UsoErrato{"--from deve essere al più --to"};
    if (o.ogni && f != Formato::tracciato) throw UsoErrato{"--every vale solo per la geometria (_linea.dat)"};
    if (o.ogni && *o.ogni < 1) throw UsoErrato{"--every vuole un numero di metri da 1 in su"};
}

}  // namespace

int esegui_dump(const OpzioniDump& o) {
    const auto f = formato_da_nome(utf8_del_nome(o.file));
    if (!f) {
        throw UsoErrato{"non riconosco " + utf8_del_nome(o.file) +
                        ": il nome deve finire in _linea.dat (geometria), .sim (tabella) o .dat (celle)"};
    }
    verifica_opzioni(o, *f);
    std::string nota;
    try {
        const std::string testo = stampa(o, *f, nota);
        std::cerr << nota;
        std::cout << testo;
        return uscita::successo;
    } catch (const FileInutilizzabile& e) {
        std::cerr << "scenario dump: " << e.messaggio << '\n';
        return e.stato;
    }
}

}  // namespace scenario
