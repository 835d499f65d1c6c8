// What the diagnostics share: the two source texts as lines, the place of a
// byte, the words for a record, a cell and the object in it. Internal to the
// diagnostics files.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "compiler/diagnostica.h"

namespace scenario::diagnosi {

// A source text split into lines the way the reader ends them: at LF or
// CR LF (a lone CR belongs to its line). The lines are found the first time
// one is asked for: a text with nothing to report is never split.
class Fonte {
public:
    explicit Fonte(std::string_view testo) : testo_(testo) {}

    std::string_view testo() const { return testo_; }
    int righe() const { return static_cast<int>(inizi().size()); }
    // 1-based line of a byte; a byte past the end belongs to the last line.
    int riga_di(std::size_t byte) const;
    std::size_t inizio_riga(int riga) const { return inizi()[static_cast<std::size_t>(riga - 1)]; }
    // The line without its line end.
    std::string_view riga(int n) const;
    // Whether any line, taken in order, satisfies `vale`; stops at the first
    // that does, without splitting the rest of the text.
    template <typename Vale>
    bool una_riga(Vale&& vale) const;

private:
    // From byte `inizio` to the line's end, without it.
    std::string_view riga_da(std::size_t inizio) const;
    const std::vector<std::size_t>& inizi() const;

    std::string_view testo_;
    mutable std::vector<std::size_t> inizi_;  // empty until asked for; then at least line 1
};

template <typename Vale>
bool Fonte::una_riga(Vale&& vale) const {
    std::size_t inizio = 0;
    do {
        const std::string_view r = riga_da(inizio);
        if (vale(r)) return true;
        inizio = testo_.find('\n', inizio);
        if (inizio != std::string_view::npos) ++inizio;
    } while (inizio < testo_.size());
    return false;
}

// Everything a diagnostic is built from.
struct Contesto {
    const Stato& s;
    const NomiTesti& nomi;
    Fonte linea;
    Fonte treno;

    Contesto(const Stato& stato, const NomiTesti& n);
    const Fonte& fonte(Testo t) const { return t == Testo::linea ? linea : treno; }
    const std::string& nome(Testo t) const { return t == Testo::linea ? nomi.linea : nomi.treno; }
};

// Windows-1252 bytes as UTF-8, one character per byte, so that a caret counted
// in bytes still lands under its field; control characters show as U+FFFD.
std::string utf8_da_1252(std::string_view testo);

// A diagnostic placed at byte `byte` of a text: file, line, column, the line
// and the caret.
Diagnostica in_posto(const Contesto& c, Testo t, std::size_t byte);
// A diagnostic of a whole text (no line).
Diagnostica del_testo(const Contesto& c, Testo t);

// "Vordano_Seli_4936-.txt:57": where a record's keyword stands.
std::string dove(const Contesto& c, std::size_t record);

// The metres that go to cell k by the rule of point objects: nearest(p / 50 + 1) = k.
struct Metri {
    std::int64_t primo;
    std::int64_t ultimo;
};
Metri metri_della_cella(std::int64_t k);

// "il segnale di F:L", "il punto di abbattimento aggiunto dal compilatore per
// il rallentamento di F:L": what cell k holds and where it comes from.
std::string oggetto_in_cella(const Contesto& c, std::int64_t k);
// "il segnale": an object by its cell type.
std::string_view nome_del_tipo(TipoCella t);
// "la cella 188 (metri 9325-9375)".
std::string cella_e_metri(std::int64_t k);

// The value of field i of a record, if it was read as a number.
std::optional<std::int64_t> valore(const RecordLetto& r, std::size_t i);

// "'abc'": a piece of a source text quoted for a message, as UTF-8.
std::string tra_apici(std::string_view byte);

}  // namespace scenario::diagnosi
