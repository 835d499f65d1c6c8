// Helpers the text tests share: the bytes a line table becomes, the rows of a
// section, and a row's numbers read by regex or by fixed columns.
#pragma once

#include <charconv>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <regex>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace scenario::prova {

using Testo = std::span<const std::string_view>;

// Size of the file the table becomes: every line followed by CR LF.
inline std::int64_t byte_del_file(Testo righe) {
    std::int64_t totale = 0;
    for (std::string_view riga : righe) totale += static_cast<std::int64_t>(riga.size()) + 2;
    return totale;
}

inline bool testata(std::string_view riga) {
    return riga.size() >= 2 && riga.front() == '[' && riga.back() == ']';
}

// The rows after the header `nome` up to the next header (empty if missing).
inline std::vector<std::string_view> sezione(Testo righe, std::string_view nome) {
    std::vector<std::string_view> righe_sezione;
    bool dentro = false;
    for (std::string_view riga : righe) {
        if (testata(riga)) {
            if (dentro) break;
            dentro = riga == nome;
        } else if (dentro) {
            righe_sezione.push_back(riga);
        }
    }
    return righe_sezione;
}

// A decimal integer with an optional "-", nothing else; nullopt otherwise.
inline std::optional<std::int64_t> intero(std::string_view testo) {
    std::int64_t valore = 0;
    const char* fine = testo.data() + testo.size();
    const auto [ultimo, errore] = std::from_chars(testo.data(), fine, valore);
    if (testo.empty() || errore != std::errc{} || ultimo != fine) return std::nullopt;
    return valore;
}

// The groups a regex captures from the whole row; empty when it does not match.
inline std::vector<std::string> catture(std::string_view riga, const std::regex& forma) {
    std::match_results<std::string_view::const_iterator> risultato;
    if (!std::regex_match(riga.begin(), riga.end(), risultato, forma)) return {};
    std::vector<std::string> gruppi;
    for (std::size_t i = 1; i < risultato.size(); ++i) gruppi.push_back(risultato[i].str());
    return gruppi;
}

// A row in fixed columns: "chiave" and, for each width, a comma and a number
// right-aligned in exactly that many characters. `resto` is what follows.
struct Colonne {
    std::vector<std::int64_t> numeri;
    std::string_view resto;
};

inline std::optional<std::int64_t> numero_allineato(std::string_view campo) {
    const std::size_t cifre = campo.find_first_not_of(' ');
    if (cifre == std::string_view::npos) return std::nullopt;
    return intero(campo.substr(cifre));
}

inline std::optional<Colonne> leggi_colonne(std::string_view riga, std::string_view chiave,
                                            std::span<const int> larghezze) {
    if (!riga.starts_with(chiave)) return std::nullopt;
    riga.remove_prefix(chiave.size());
    Colonne colonne;
    for (const int larghezza : larghezze) {
        const auto lunghezza = static_cast<std::size_t>(larghezza);
        if (riga.size() < lunghezza + 1 || riga.front() != ',') return std::nullopt;
        const auto numero = numero_allineato(riga.substr(1, lunghezza));
        if (!numero) return std::nullopt;
        colonne.numeri.push_back(*numero);
        riga.remove_prefix(lunghezza + 1);
    }
    colonne.resto = riga;
    return colonne;
}

}  // namespace scenario::prova
