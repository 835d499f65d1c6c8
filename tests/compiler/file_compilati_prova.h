// The compiled files of the built-in scenario and of a small one, made in
// memory by the compiler, and the damages the decoders must recognise, each
// with the check it breaks and the byte where it breaks it. Shared by the
// decoders' tests and those of `scenario dump`.
#pragma once

#include <bit>
#include <cstdint>
#include <functional>
#include <limits>
#include <ostream>
#include <string>
#include <vector>

#include "compiler/archivio_memoria.h"
#include "compiler/compilatore.h"
#include "compiler/decodifica.h"
#include "compiler/nomi_file.h"
#include "tests/supporto/file_attesi.h"

namespace scenario::test {

enum class Bersaglio { celle, tabella, tracciato };

struct FileCompilati {
    std::string celle, tabella, tracciato;
    std::string& operator[](Bersaglio b) { return b == Bersaglio::celle ? celle : b == Bersaglio::tabella ? tabella : tracciato; }
    const std::string& operator[](Bersaglio b) const {
        return b == Bersaglio::celle ? celle : b == Bersaglio::tabella ? tabella : tracciato;
    }
};

inline FileCompilati compila(const std::string& linea, const std::string& treno,
                             const std::string& percorso = "Vordano_Seli", const std::string& numero = "4936") {
    Stato s;
    s.nome_percorso = percorso;
    s.numero_treno = numero;
    ArchivioMemoria a;
    a.file[nome_testo_linea(s)] = linea;
    a.file[nome_testo_treno(s)] = treno;
    std::int32_t j = 1;
    memorizza_percorso(s, a, j);
    return {a.file[nome_file_celle(s)], a.file[nome_tabella(s)], a.file[nome_tracciato(s)]};
}

// The builder's own scenario: 1981 cells, 87 records, 99001 metres.
inline const FileCompilati& incorporato() {
    static const FileCompilati f = compila(file_atteso(nome_linea_incorporata), file_atteso(nome_treno_incorporato));
    return f;
}

// A route of 1000 m with one curve: 161 cells, 8001 metres, 1000 more than the shortest route's.
inline const FileCompilati& piccolo() {
    static const FileCompilati f =
        compila("[generale]\r\nlunghezza percorso, 1000\r\n[curve]\r\ncurvad3, 100, 200\r\n[fine]\r\n",
                "[generale]\r\nsegnale, 850, 2, 4, 1, 0, 0, 0, 0,0,0, 0\r\n[fine]\r\n");
    return f;
}

// Where record n of a scenario table starts.
inline std::size_t inizio_record(const std::string& tabella, std::size_t n) {
    std::size_t p = 0;
    for (std::size_t i = 0; i < n; ++i)
        p += 34 + (static_cast<unsigned char>(tabella[p + 14]) | static_cast<unsigned char>(tabella[p + 15]) << 8);
    return p;
}

inline void metti_le(std::string& f, std::size_t p, std::uint64_t v, std::size_t n) {
    for (std::size_t i = 0; i < n; ++i) f[p + i] = static_cast<char>(v >> (8 * i));
}

// Coordinate 0 of the built-in plan: metres 0 and 1 are 4 bytes each, 2 .. 98998 ten, the last two 2.
inline constexpr std::size_t byte_coordinata = 8 + 98997 * 10 + 4;

// One damage to the built-in files: `danneggiato` is changed, `letto` is
// the file whose reading (with the table beside it) must fail.
struct Danno {
    const char* nome;
    Bersaglio danneggiato;
    Bersaglio letto;
    std::function<void(std::string&)> guasta;
    Controllo controllo;
    std::function<std::uint64_t(const FileCompilati&)> posizione;
};

inline void PrintTo(const Danno& d, std::ostream* os) { *os << d.nome; }

inline const std::vector<Danno>& danni() {
    using B = Bersaglio;
    using C = Controllo;
    const auto fisso = [](std::uint64_t p) { return [p](const FileCompilati&) { return p; }; };
    const auto taglia = [](std::size_t n) { return [n](std::string& f) { f.resize(n); }; };
    static const std::vector<Danno> d = {
        {"CelleConUnByteInPiu", B::celle, B::celle, [](std::string& f) { f += '\0'; }, C::celle_record_interi,
         fisso(29715)},
        {"CelleDiUnPercorsoImpossibile", B::celle, B::celle, taglia(140 * 15), C::celle_griglia_minima, fisso(2100)},
        {"CellaDiTipoSconosciuto", B::celle, B::celle, [](std::string& f) { f[7 * 15] = 9; }, C::celle_tipo,
         fisso(105)},
        {"CellaUnoSenzaMarcatore", B::celle, B::celle, [](std::string& f) { f[16] ^= 1; }, C::celle_marcatore,
         fisso(16)},
        {"CelleTroncateDiUnRecord", B::celle, B::celle, taglia(1980 * 15), C::insieme_celle, fisso(29700)},
        {"CodiceDiGaraDelleCelle", B::celle, B::celle, [](std::string& f) { f[18] ^= 1; }, C::insieme_codice_gara,
         fisso(18)},
        {"TabellaTagliataNelRecordUno", B::tabella, B::tabella, taglia(34 + 10), C::tabella_record_interi, fisso(34)},
        {"TestoOltreLaFine", B::tabella, B::tabella, [](std::string& f) { metti_le(f, 48, 0xFFFF, 2); },
         C::tabella_testo, fisso(48)},
        {"TabellaDi86Record", B::tabella, B::tabella, [](std::string& f) { f.resize(inizio_record(f, 86)); },
         C::tabella_numero_record, [](const FileCompilati& o) { return inizio_record(o.tabella, 86); }},
        {"TabellaConUnByteInPiu", B::tabella, B::tabella, [](std::string& f) { f += 'x'; }, C::tabella_numero_record,
         [](const FileCompilati& o) { return o.tabella.size(); }},
        {"Record85SenzaMarcatore", B::tabella, B::tabella,
         [](std::string& f) { f[inizio_record(f, 85) + 16 + 12] ^= 1; }, C::tabella_marcatore,
         [](const FileCompilati& o) { return inizio_record(o.tabella, 85) + 16 + 12; }},
        {"CodiceDiGaraDellaTabella", B::tabella, B::tabella,
         [](std::string& f) { f[inizio_record(f, 85) + 16 + 12 + 14] ^= 1; }, C::tabella_codice_gara,
         [](const FileCompilati& o) { return inizio_record(o.tabella, 85) + 16 + 12 + 14; }},
        {"TagSconosciuto", B::tracciato, B::tracciato, [](std::string& f) { f[0] = 7; }, C::tracciato_tag, fisso(0)},
        {"ValoreTagliato", B::tracciato, B::tracciato, taglia(8 + 5), C::tracciato_valore, fisso(8)},
        {"ValoreNonFinito", B::tracciato, B::tracciato,
         [](std::string& f) { metti_le(f, 10, std::bit_cast<std::uint64_t>(std::numeric_limits<double>::infinity()), 8); },
         C::tracciato_valore_finito, fisso(8)},
        {"ElementiDispari", B::tracciato, B::tracciato, [](std::string& f) { f.resize(f.size() - 2); },
         C::tracciato_coppie, fisso(2 * byte_coordinata - 2)},
        {"GeometriaDiQuattroElementi", B::tracciato, B::tracciato, [](std::string& f) { f.assign(8, '\0'); },
         C::tracciato_griglia_minima, fisso(8)},
        {"PuntoFissoSpostato", B::tracciato, B::tracciato, [](std::string& f) { f[byte_coordinata + 6] = 2; },
         C::tracciato_punti_fissi, fisso(byte_coordinata + 4)},
        {"GeometriaDiUnAltroPercorso", B::tabella, B::tracciato,
         [](std::string& f) { metti_le(f, inizio_record(f, 84) + 5, 91000, 4); }, C::insieme_tracciato,
         fisso(byte_coordinata + 8 + 96999 * 10)},
    };
    return d;
}

}  // namespace scenario::test
