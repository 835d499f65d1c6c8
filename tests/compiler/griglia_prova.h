// Small hand-built states for the compiler tests: an empty grid as the line
// reader leaves it, and quick ways to put objects on it.
#pragma once

#include <cstdint>
#include <vector>

#include "compiler/stato.h"
#include "tests/compiler/stampa_modello.h"

namespace scenario::prova {

inline Stato griglia(std::int32_t numero_celle) {
    Stato s;
    s.numero_celle = numero_celle;
    s.celle.assign(static_cast<std::size_t>(numero_celle) + 1, Cella{});
    s.griglia_creata = true;
    return s;
}

// Cell c, checked: a test that reaches past the grid fails rather than crashes.
inline Cella& in_cella(Stato& s, std::int64_t c) { return s.celle.at(static_cast<std::size_t>(c)); }

inline void metti(Stato& s, std::int64_t c, TipoCella tipo, std::int16_t valore = 0) {
    in_cella(s, c).tipo = tipo;
    in_cella(s, c).valore = valore;
}

// The types of every cell, to compare a whole grid at once.
inline std::vector<TipoCella> tipi(const Stato& s) {
    std::vector<TipoCella> t;
    for (const Cella& c : s.celle) t.push_back(c.tipo);
    return t;
}

// Indices of the cells of one type.
inline std::vector<std::int64_t> celle_di_tipo(const Stato& s, TipoCella tipo) {
    std::vector<std::int64_t> v;
    for (std::size_t i = 0; i < s.celle.size(); ++i)
        if (s.celle[i].tipo == tipo) v.push_back(static_cast<std::int64_t>(i));
    return v;
}

}  // namespace scenario::prova
