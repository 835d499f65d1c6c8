// The timetable card's rows cut into their seven cells, with readers for the
// progressive and the times, so that tests can compare them with the train.
#pragma once

#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "documents/documenti.h"

namespace scenario::prova {

// Bars of a timetable row, counted from column 0.
inline constexpr std::array<std::size_t, 8> barre_orario{1, 7, 13, 24, 30, 59, 76, 82};

// Slots of the 37 timetable rows: 32 on card 1 (the last drawn as its bottom
// edge) and 5 on card 2.
inline constexpr std::size_t primo_slot_scheda_1 = 16;
inline constexpr std::size_t righe_scheda_1 = 32;
inline constexpr std::size_t primo_slot_scheda_2 = 67;
inline constexpr std::size_t righe_scheda_2 = 5;

struct RigaOrario {
    std::size_t slot;
    std::array<std::string, 7> celle;  // as printed, between the bars

    const std::string& velocita() const { return celle[0]; }
    const std::string& progressiva() const { return celle[2]; }
    const std::string& localita() const { return celle[4]; }
    const std::string& orario() const { return celle[5]; }
    const std::string& recupero() const { return celle[6]; }
};

inline bool barre_al_posto(std::string_view riga) {
    if (riga.size() != barre_orario.back() + 1) return false;
    for (std::size_t colonna = 0; colonna < riga.size(); ++colonna) {
        const bool barra = std::find(barre_orario.begin(), barre_orario.end(), colonna) != barre_orario.end();
        if ((riga[colonna] == '|') != barra) return false;
    }
    return true;
}

inline RigaOrario riga_orario(std::size_t slot) {
    const std::string_view riga = righe_scheda()[slot];
    RigaOrario letta{slot, {}};
    if (!barre_al_posto(riga)) return letta;
    for (std::size_t i = 0; i + 1 < barre_orario.size(); ++i) {
        letta.celle[i] = std::string(riga.substr(barre_orario[i] + 1, barre_orario[i + 1] - barre_orario[i] - 1));
    }
    return letta;
}

// The 37 timetable rows in the order of the run.
inline std::vector<RigaOrario> righe_orario() {
    std::vector<RigaOrario> righe;
    for (std::size_t i = 0; i < righe_scheda_1; ++i) righe.push_back(riga_orario(primo_slot_scheda_1 + i));
    for (std::size_t i = 0; i < righe_scheda_2; ++i) righe.push_back(riga_orario(primo_slot_scheda_2 + i));
    return righe;
}

// A cell's text without its filler: blanks, or underscores on a row drawn as
// the bottom edge.
inline std::string contenuto(std::string cella) {
    std::replace(cella.begin(), cella.end(), '_', ' ');
    const std::size_t inizio = cella.find_first_not_of(' ');
    if (inizio == std::string::npos) return "";
    return cella.substr(inizio, cella.find_last_not_of(' ') - inizio + 1);
}

// "81.850" as 81850 metres.
inline std::optional<std::int64_t> metri(std::string_view km) {
    const std::size_t punto = km.find('.');
    if (punto == std::string_view::npos || km.size() - punto != 4) return std::nullopt;
    std::int64_t valore = 0;
    for (const char c : km) {
        if (c == '.') continue;
        if (c < '0' || c > '9') return std::nullopt;
        valore = valore * 10 + (c - '0');
    }
    return valore;
}

// "6.27+" as seconds from midnight; the "+" is half a minute.
inline std::optional<std::int64_t> secondi(std::string_view ora) {
    const bool mezzo = ora.ends_with('+');
    if (mezzo) ora.remove_suffix(1);
    const std::size_t punto = ora.find('.');
    if (punto == std::string_view::npos || punto == 0 || ora.size() - punto != 3) return std::nullopt;
    std::int64_t ore = 0;
    for (const char c : ora.substr(0, punto)) {
        if (c < '0' || c > '9') return std::nullopt;
        ore = ore * 10 + (c - '0');
    }
    const char d = ora[punto + 1];
    const char u = ora[punto + 2];
    if (d < '0' || d > '5' || u < '0' || u > '9') return std::nullopt;
    return ore * 3600 + ((d - '0') * 10 + (u - '0')) * 60 + (mezzo ? 30 : 0);
}

// Where the times stand in the Orario cell tells what they are.
enum class FormaOrario { vuota, partenza, transito_scheda_1, transito_scheda_2, fermata, arrivo, altra };

struct Orario {
    FormaOrario forma = FormaOrario::altra;
    std::vector<std::int64_t> secondi;  // arrival before departure
};

inline Orario leggi_orario(std::string cella) {
    std::replace(cella.begin(), cella.end(), '_', ' ');
    std::vector<std::size_t> colonne;
    Orario orario;
    for (std::size_t i = cella.find_first_not_of(' '); i != std::string::npos; i = cella.find_first_not_of(' ', i)) {
        const std::size_t fine = std::min(cella.find(' ', i), cella.size());
        const auto letti = secondi(std::string_view(cella).substr(i, fine - i));
        if (!letti) return orario;
        colonne.push_back(i);
        orario.secondi.push_back(*letti);
        i = fine;
    }
    using C = std::vector<std::size_t>;
    if (colonne.empty()) orario.forma = FormaOrario::vuota;
    else if (colonne == C{0}) orario.forma = FormaOrario::partenza;
    else if (colonne == C{5}) orario.forma = FormaOrario::transito_scheda_1;
    else if (colonne == C{6}) orario.forma = FormaOrario::transito_scheda_2;
    else if (colonne == C{0, 11} && cella.back() == ' ') orario.forma = FormaOrario::fermata;
    else if (colonne == C{11} && cella.back() == ' ') orario.forma = FormaOrario::arrivo;
    return orario;
}

}  // namespace scenario::prova
