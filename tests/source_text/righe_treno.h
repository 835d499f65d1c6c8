// The train text's rows laid out in columns, read into plain values so that
// the tests can check them against the other texts and the cell rules.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string_view>
#include <vector>

#include "tests/source_text/righe_testo.h"

namespace scenario::prova {

inline constexpr std::array<int, 2> colonne_velocita{8, 6};
inline constexpr std::array<int, 16> colonne_stazione{8, 3, 5, 3, 2, 2, 3, 1, 1, 3, 1, 1, 5, 4, 2, 2};
inline constexpr std::array<int, 6> colonne_rallentamento{8, 6, 5, 2, 3, 3};
// The signal's last field, `tempo`, is one blank and the number: no column.
inline constexpr std::array<int, 10> colonne_segnale{8, 4, 2, 2, 3, 2, 5, 3, 1, 1};

struct Limite {
    std::int64_t posizione;
    std::int64_t velocita;
};

// Fields 1 to 16 in `campi` (field n at index n - 1) and the name.
struct Stazione {
    std::vector<std::int64_t> campi;
    std::string_view nome;

    std::int64_t posizione() const { return campi[0]; }
    std::int64_t tipo() const { return campi[1]; }
    std::int64_t lunghezza() const { return campi[2]; }
    std::int64_t sosta() const { return campi[12]; }
    std::int64_t secondi_orario() const { return (campi[13] * 60 + campi[14]) * 60 + campi[15]; }
    bool con_segnali() const { return tipo() < 25; }
};

// posizione, sx, s1, s2, s3, rapp, dx, d1, d2, d3, tempo.
using Segnale = std::vector<std::int64_t>;

inline std::optional<Limite> leggi_limite(std::string_view riga) {
    const auto colonne = leggi_colonne(riga, "velocita", colonne_velocita);
    if (!colonne || !colonne->resto.empty()) return std::nullopt;
    return Limite{colonne->numeri[0], colonne->numeri[1]};
}

inline std::optional<Stazione> leggi_stazione(std::string_view riga) {
    const auto colonne = leggi_colonne(riga, "stazione", colonne_stazione);
    if (!colonne || !colonne->resto.starts_with(", ")) return std::nullopt;
    return Stazione{colonne->numeri, colonne->resto.substr(2)};
}

inline std::optional<std::vector<std::int64_t>> leggi_rallentamento(std::string_view riga) {
    const auto colonne = leggi_colonne(riga, "rallentamento", colonne_rallentamento);
    if (!colonne || !colonne->resto.empty()) return std::nullopt;
    return colonne->numeri;
}

inline std::optional<Segnale> leggi_segnale(std::string_view riga) {
    const auto colonne = leggi_colonne(riga, "segnale", colonne_segnale);
    if (!colonne || !colonne->resto.starts_with(", ")) return std::nullopt;
    const auto tempo = intero(colonne->resto.substr(2));
    if (!tempo) return std::nullopt;
    Segnale segnale = colonne->numeri;
    segnale.push_back(*tempo);
    return segnale;
}

// Every row of the section that reads in the given form; rows that do not are
// left out (the form tests count them).
template <typename Lettore>
auto leggi_sezione(Testo righe, std::string_view nome, Lettore leggi) {
    std::vector<typename decltype(leggi(std::string_view{}))::value_type> lette;
    for (std::string_view riga : sezione(righe, nome)) {
        if (auto letta = leggi(riga)) lette.push_back(*letta);
    }
    return lette;
}

}  // namespace scenario::prova
