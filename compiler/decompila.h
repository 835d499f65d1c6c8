// Compiled files back to source texts: a line text and a train text in the
// forms of the built-in ones, such that compiling them gives the same bytes.
// The result carries its own proof: the texts are compiled in memory and
// every byte compared with the files read.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "compiler/compilatore.h"
#include "compiler/decompila_differenze.h"

namespace scenario::decompila {

// The bytes of one compiled scenario: cell file and scenario table, and the
// line geometry when there is one.
struct FileLetti {
    std::string_view celle;
    std::string_view tabella;
    std::optional<std::string_view> tracciato;
};

struct Decompilazione {
    // Set when the files are not a compiled scenario (their layout is broken,
    // or a file marker is missing): why, in Italian. Nothing else is then set.
    std::optional<std::string> non_compilato;

    std::string percorso;  // route name and train number, as the table holds them
    std::string treno;
    std::string testo_linea;  // Windows-1252, CR LF
    std::string testo_treno;
    bool con_geometria = false;  // the texts compile with the line geometry

    // What compiling the texts records, and its report as `scenario compile`
    // gives it (FILE:LINE:COL: errore N ..., the line, the caret, the hint),
    // the texts named by their bare file names.
    Esito esito = Esito::completato;
    std::int32_t codice_errore = 0;
    std::int32_t posizione_errore = 0;
    std::vector<std::string> errori;

    // Every place where the compiled texts differ from the files: empty for
    // a perfect round trip.
    std::vector<Differenza> differenze;
};

Decompilazione decompila(const FileLetti& f);

}  // namespace scenario::decompila
