// The names the benchmarks give a generated scenario: its route and train,
// and so the source texts `scenario compile` recognises by their names.
#pragma once

namespace scenario::bench {

inline constexpr const char* percorso_generato = "Generato";
inline constexpr const char* treno_generato = "1";
inline constexpr const char* nome_linea_generata = "Generato_linea.txt";
inline constexpr const char* nome_treno_generato = "Generato_1-.txt";

}  // namespace scenario::bench
