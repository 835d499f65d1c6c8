// The comparisons behind the difference list, field by field in file order.
#include "compiler/decompila_confronto.h"

#include <algorithm>
#include <array>
#include <charconv>

#include "compiler/decompila_campi.h"

namespace scenario::decompila {
namespace {

void confronta_campi(FileScenario f, std::int64_t indice, const Campi& a, const Campi& b, const Ragioni& r,
                     std::vector<Differenza>& out) {
    for (std::size_t k = 0; k < a.size(); ++k) {
        if (a[k].second == b[k].second) continue;
        const Luogo l{f, indice, a[k].first};
        out.push_back({l, indice, a[k].second, b[k].second, ragione(r, l)});
    }
}

// The places from `da` to `a` that only one side has, as one entry.
void solo_da_un_lato(FileScenario f, std::size_t da, std::size_t a, bool nel_file, const Ragioni& r,
                     std::vector<Differenza>& out) {
    if (da >= a) return;
    const Luogo l{f, static_cast<std::int64_t>(da), ""};
    out.push_back({l, static_cast<std::int64_t>(a) - 1, nel_file ? "presente" : "", nel_file ? "" : "presente",
                   ragione(r, l)});
}

template <typename T, typename Confronta>
std::vector<Differenza> per_indice(FileScenario f, const std::vector<T>& file, const std::vector<T>& testi,
                                   const Ragioni& r, Confronta confronta) {
    std::vector<Differenza> out;
    const std::size_t comuni = std::min(file.size(), testi.size());
    for (std::size_t k = 0; k < comuni; ++k) confronta(k, out);
    solo_da_un_lato(f, comuni, file.size(), true, r, out);
    solo_da_un_lato(f, comuni, testi.size(), false, r, out);
    return out;
}

std::string valore_elemento(const Elemento& e) {
    switch (e.tag) {
        case Elemento::Tag::vuoto: return "non assegnato";
        case Elemento::Tag::intero: return "intero " + std::to_string(e.intero);
        case Elemento::Tag::doppio: {
            // The shortest text that reads back as the same double, as dump writes it.
            std::array<char, 40> testo{};
            const auto r = std::to_chars(testo.data(), testo.data() + testo.size(), e.doppio);
            return std::string(testo.data(), r.ptr);
        }
    }
    return "?";
}

}  // namespace

std::vector<Differenza> confronta_celle(const std::vector<Cella>& file, const std::vector<Cella>& testi,
                                        const Ragioni& r) {
    return per_indice(FileScenario::celle, file, testi, r, [&](std::size_t k, std::vector<Differenza>& out) {
        confronta_campi(FileScenario::celle, static_cast<std::int64_t>(k), campi_cella(file[k]), campi_cella(testi[k]), r,
                        out);
    });
}

std::vector<Differenza> confronta_tabella(const Voci& file, const Voci& testi, const Ragioni& r) {
    std::vector<Differenza> out;
    for (std::size_t k = 0; k < file.size(); ++k)
        confronta_campi(FileScenario::tabella, static_cast<std::int64_t>(k), campi_voce(file[k]), campi_voce(testi[k]), r,
                        out);
    return out;
}

// Element by element, each as its metre and coordinate.
std::vector<Differenza> confronta_tracciato(const Tracciato& file, const Tracciato& testi, const Ragioni& r) {
    const std::size_t metri_file = file.elementi.size() / 2;
    const std::size_t metri_testi = testi.elementi.size() / 2;
    std::vector<Differenza> out;
    for (std::size_t m = 0; m < std::min(metri_file, metri_testi); ++m) {
        for (std::size_t k = 0; k < 2; ++k) {
            const std::string a = valore_elemento(file.elementi[k * metri_file + m]);
            const std::string b = valore_elemento(testi.elementi[k * metri_testi + m]);
            if (a == b) continue;
            const Luogo l{FileScenario::tracciato, static_cast<std::int64_t>(m), "coordinata " + std::to_string(k)};
            out.push_back({l, l.indice, a, b, ragione(r, l)});
        }
    }
    const std::size_t comuni = std::min(metri_file, metri_testi);
    solo_da_un_lato(FileScenario::tracciato, comuni, metri_file, true, r, out);
    solo_da_un_lato(FileScenario::tracciato, comuni, metri_testi, false, r, out);
    return out;
}

std::string ragione(const Ragioni& r, const Luogo& l) {
    if (const auto it = r.find(l); it != r.end()) return it->second;
    if (const auto it = r.find(Luogo{l.file, l.indice, ""}); it != r.end()) return it->second;
    return {};
}

std::string descrivi(const Differenza& d) {
    const Luogo& l = d.luogo;
    const bool serie = d.fino != l.indice;
    std::string dove;
    switch (l.file) {
        case FileScenario::celle:
            dove = serie ? "celle " + std::to_string(l.indice) + ".." + std::to_string(d.fino)
                         : "cella " + std::to_string(l.indice) + " (metro " + std::to_string((l.indice - 1) * 50) + ")";
            break;
        case FileScenario::tabella: dove = "record " + std::to_string(l.indice); break;
        case FileScenario::tracciato:
            dove = (serie ? "metri " + std::to_string(l.indice) + ".." : "metro ") + std::to_string(d.fino);
            break;
    }
    if (!l.campo.empty()) dove += ", " + l.campo;
    std::string testo;
    if (d.dai_testi.empty()) testo = dove + ": solo nel file";
    else if (d.nel_file.empty()) testo = dove + ": solo nei testi compilati";
    else testo = dove + ": il file ha " + d.nel_file + ", i testi danno " + d.dai_testi;
    if (!d.perche.empty()) testo += " (" + d.perche + ")";
    return testo;
}

}  // namespace scenario::decompila
