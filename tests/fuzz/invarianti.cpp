// The outcome rules of one compile. The fault numbers and file layouts are
// written out here again, so that a slip in the compiler's own tables cannot hide.
#include "tests/fuzz/invarianti.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <vector>

#include "compiler/diagnostica.h"
#include "compiler/guasti.h"
#include "compiler/nomi_file.h"
#include "compiler/testo_unicode.h"
#include "tests/fuzz/decodifica_verifica.h"
#include "tests/fuzz/decompila_verifica.h"
#include "tests/fuzz/formati.h"

namespace scenario::fuzz {
namespace {

constexpr std::array<std::int32_t, 26> guasti_noti = {1,  2,  3,  4,  5,  6,  7,  8,  9,  10, 11,  12,  13,
                                                      15, 16, 17, 18, 19, 20, 21, 22, 24, 25, 101, 102, 103};
// The faults that stop the readers before the train text is opened: only
// after one of them may the train text still be in the folder.
constexpr std::array<std::int32_t, 10> guasti_prima_del_treno = {1, 3, 4, 5, 6, 10, 21, 101, 102, 103};
constexpr std::int32_t margine_griglia = 7000;
constexpr std::int32_t lunghezza_massima = 1000000;

bool tra(std::int32_t codice, const auto& elenco) { return std::ranges::find(elenco, codice) != elenco.end(); }

std::string verifica_esito(const Compilazione& c) {
    switch (c.esito) {
        case Esito::completato:
        case Esito::errore_1250:
        case Esito::errore_1251: return {};
    }
    return "an outcome outside Esito: " + std::to_string(static_cast<int>(c.esito));
}

std::string verifica_codice(const Compilazione& c) {
    const Stato& s = c.s;
    if (s.codice_errore == 0) return {};
    if (!tra(s.codice_errore, guasti_noti)) return "unknown fault number " + std::to_string(s.codice_errore);
    if (trova_guasto(s.codice_errore) == nullptr) return "fault " + std::to_string(s.codice_errore) + " has no report";
    return {};
}

// The line text is consumed on every path but its absence (101); the train
// text on every path that opened it.
std::string verifica_testi(const Compilazione& c) {
    const Stato& s = c.s;
    if (!c.ingresso.linea && s.codice_errore != 101) {
        return "no line text, yet fault " + std::to_string(s.codice_errore);
    }
    if (c.ingresso.linea && s.codice_errore == 101) return "fault 101 with a line text present";
    if (c.archivio.file.contains(nome_testo_linea(s))) return "the line text is still in the folder";
    if (c.archivio.file.contains(nome_testo_treno(s)) && !tra(s.codice_errore, guasti_prima_del_treno)) {
        return "the train text is still in the folder after fault " + std::to_string(s.codice_errore);
    }
    return {};
}

// The grid is sized from the route length alone, and the plan table with it.
std::string verifica_griglia(const Compilazione& c) {
    const Stato& s = c.s;
    if (!s.griglia_creata) return {};
    const std::int32_t L = s.lunghezza_estesa;
    if (L < margine_griglia || L > margine_griglia + lunghezza_massima) return "lunghezza_estesa " + std::to_string(L);
    if (s.numero_celle != static_cast<std::int32_t>(std::nearbyint(L / 50.0))) {
        return "numero_celle " + std::to_string(s.numero_celle) + " for lunghezza_estesa " + std::to_string(L);
    }
    if (s.codice_errore == 0 && std::int64_t{s.voci[84].numero2} + margine_griglia != L) {
        return "grid not sized from the route length";
    }
    const std::int64_t tracciato = c.ingresso.geometria != 0 ? 2 * (std::int64_t{L} + 1) : 0;
    if (s.celle.size() != static_cast<std::size_t>(s.numero_celle) + 1 || s.tracciato.elementi() != tracciato) {
        return "cell grid or plan table of the wrong size";
    }
    return {};
}

std::vector<std::string> file_attesi(const Compilazione& c) {
    if (c.esito != Esito::completato || !c.s.griglia_creata) return {};
    std::vector<std::string> nomi;
    if (c.ingresso.geometria != 0) nomi.push_back(nome_tracciato(c.s));
    nomi.push_back(nome_tabella(c.s));
    nomi.push_back(nome_file_celle(c.s));
    return nomi;
}

// Files, or none: a fatal error, a fault number or (a line text without a
// route length) the missing grid, which the callers report, says why.
std::string verifica_scritti(const Compilazione& c) {
    const std::vector<std::string> attesi = file_attesi(c);
    if (c.archivio.scritti != attesi) {
        return std::to_string(c.archivio.scritti.size()) + " files written where " + std::to_string(attesi.size()) +
               " were due";
    }
    return {};
}

std::string verifica_formati(const Compilazione& c) {
    const auto& f = c.archivio.file;
    const Stato& s = c.s;
    std::string e;
    if (f.contains(nome_file_celle(s))) e = verifica_file_celle(f.at(nome_file_celle(s)), s.numero_celle);
    if (e.empty() && f.contains(nome_tabella(s))) e = verifica_file_tabella(f.at(nome_tabella(s)));
    if (e.empty() && f.contains(nome_tracciato(s))) {
        e = verifica_file_tracciato(f.at(nome_tracciato(s)), s.lunghezza_estesa, s.codice_errore == 0);
    }
    return e;
}

// What the compiler writes, its decoders read back whole, alone and together.
std::string verifica_decodifica(const Compilazione& c) { return verifica_compilati(c.archivio.file, c.s); }

bool utf8(std::string_view t) {
    for (std::size_t i = 0; i < t.size();) {
        const std::size_t n = sequenza_utf8(t, i);
        if (n == 0) return false;
        i += n;
    }
    return true;
}

// The report of the compile: an error exactly when the compile failed, every
// text readable UTF-8, every place inside its text.
std::string verifica_diagnostica(const Compilazione& c) {
    const NomiTesti nomi{nome_testo_linea(c.s), nome_testo_treno(c.s)};
    const std::vector<Diagnostica> d = diagnostica(c.s, c.esito, nomi);
    const bool fallita = c.esito != Esito::completato || c.s.codice_errore > 0 || !c.s.griglia_creata;
    if (ha_errori(d) != fallita) return fallita ? "a failed compile without an error in its report" : "an error in the report of a sound compile";
    for (const Diagnostica& x : d) {
        if (!utf8(x.messaggio) || !utf8(x.suggerimento.value_or("")) || !utf8(x.sorgente) || !utf8(testo_diagnostica(x))) {
            return "a diagnostic that is not UTF-8: " + x.messaggio;
        }
        if (x.riga < 0 || x.colonna < 0 || (x.riga == 0 && x.colonna != 0)) return "a diagnostic placed nowhere";
        if (x.riga > 0 && x.file != nomi.linea && x.file != nomi.treno) return "a diagnostic in an unknown file";
    }
    return {};
}

// What the compiler writes is a compiled scenario, and the decompiler's
// claim about it holds.
std::string verifica_decompilazione(const Compilazione& c) {
    const auto& f = c.archivio.file;
    if (!f.contains(nome_file_celle(c.s)) || !f.contains(nome_tabella(c.s))) return {};
    decompila::FileLetti letti{f.at(nome_file_celle(c.s)), f.at(nome_tabella(c.s)), std::nullopt};
    if (f.contains(nome_tracciato(c.s))) letti.tracciato = f.at(nome_tracciato(c.s));
    const std::string e = decompila_e_verifica(letti, true);
    return e.empty() ? e : "decompile: " + e;
}

}  // namespace

std::string verifica_compilazione(const Compilazione& c) {
    for (auto* regola : {&verifica_esito, &verifica_codice, &verifica_testi, &verifica_griglia, &verifica_scritti,
                         &verifica_formati, &verifica_decodifica, &verifica_diagnostica, &verifica_decompilazione}) {
        if (std::string e = regola(c); !e.empty()) return e;
    }
    return {};
}

}  // namespace scenario::fuzz
