// A small fixture for the readers: a run record and an in-memory folder that
// holds the two source texts, plus helpers that build texts from lines.
#pragma once

#include <initializer_list>
#include <string>
#include <string_view>

#include "compiler/archivio_memoria.h"
#include "compiler/compilatore.h"
#include "compiler/nomi_file.h"
#include "compiler/stato.h"
#include "tests/compiler/stampa_modello.h"

namespace scenario::test {

// Lines joined with CR LF, the last one included.
inline std::string righe(std::initializer_list<std::string_view> linee) {
    std::string testo;
    for (std::string_view l : linee) {
        testo += l;
        testo += "\r\n";
    }
    return testo;
}

// A line text with a 10000 m route (numero_celle 340) around the given main-section lines.
inline std::string linea_con(std::string_view corpo, std::string_view lunghezza = "10000") {
    return "[generale]\r\nlunghezza percorso,    " + std::string(lunghezza) + "\r\n[curve]\r\n" + std::string(corpo) +
           "[fine]\r\n";
}

// A train text with the given lines after "[generale]".
inline std::string treno_con(std::string_view corpo) { return "[generale]\r\n" + std::string(corpo) + "[fine]\r\n"; }

inline constexpr std::int32_t posizione_non_scritta = -777;

struct ProvaLettori {
    Stato s;
    ArchivioMemoria a;

    ProvaLettori() {
        s.nome_percorso = "Rotta";
        s.numero_treno = "12";
        s.scrivi_tracciato = 1;
        s.posizione_errore = posizione_non_scritta;
    }

    std::string nome_linea() const { return nome_testo_linea(s); }
    std::string nome_treno() const { return nome_testo_treno(s); }

    void esegui(const std::string& linea, const std::string& treno) {
        a.file[nome_linea()] = linea;
        a.file[nome_treno()] = treno;
        memorizza_dati(s, a);
    }
    // A plain train text, so that the line reader's work can be seen alone.
    void esegui_linea(const std::string& linea) { esegui(linea, treno_con("")); }
    void esegui_treno(const std::string& treno) { esegui(linea_con(""), treno); }

    bool linea_presente() const { return a.file.contains(nome_linea()); }
    bool treno_presente() const { return a.file.contains(nome_treno()); }
    const Cella& cella(std::size_t i) const { return s.celle.at(i); }
};

}  // namespace scenario::test
