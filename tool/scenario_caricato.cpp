// Finds the three files of one scenario, decodes them and checks that they
// belong together before anything is drawn.
#include "tool/scenario_caricato.h"

#include <algorithm>
#include <map>

#include "platform/percorso_utf8.h"
#include "tool/comando_compile.h"
#include "tool/file_compilati.h"
#include "tool/testo_1252.h"

namespace scenario {
namespace {

namespace fs = std::filesystem;

using FilePerFormato = std::map<Formato, fs::path>;

// The one cell file of a folder, with the table and geometry that go with it when present.
FilePerFormato file_della_cartella(const fs::path& cartella) {
    std::vector<fs::path> celle;
    for (const auto& voce : fs::directory_iterator(cartella)) {
        if (voce.is_regular_file() && formato_da_nome(utf8_del_nome(voce.path())) == Formato::celle)
            celle.push_back(voce.path());
    }
    if (celle.size() != 1) {
        throw UsoErrato{utf8_di_percorso(cartella) + " contiene " + std::to_string(celle.size()) +
                        " file delle celle: indica i file uno per uno"};
    }
    FilePerFormato f{{Formato::celle, celle.front()}};
    fs::path tabella = celle.front();
    tabella.replace_extension(".sim");
    if (fs::exists(tabella)) f[Formato::tabella] = tabella;
    return f;
}

FilePerFormato file_nominati(const std::vector<fs::path>& ingressi) {
    FilePerFormato f;
    for (const fs::path& p : ingressi) {
        const auto formato = formato_da_nome(utf8_del_nome(p));
        if (!formato)
            throw UsoErrato{"non riconosco " + utf8_di_percorso(p) + ": serve un .dat, un .sim o un _linea.dat"};
        if (f.contains(*formato))
            throw UsoErrato{"due file dello stesso tipo: " + utf8_di_percorso(f[*formato]) + ", " +
                            utf8_di_percorso(p)};
        f[*formato] = p;
    }
    if (!f.contains(Formato::celle)) throw UsoErrato{"manca il file delle celle (.dat)"};
    return f;
}

// The geometry named after the route in the table, beside the cell file.
std::optional<fs::path> geometria_accanto(const fs::path& celle, const std::optional<Voci>& voci) {
    if (!voci) return std::nullopt;
    const std::string& percorso = (*voci)[slot::percorso].stringa;
    if (percorso.empty()) return std::nullopt;
    const fs::path p = celle.parent_path() / percorso_da_utf8(utf8_da_1252(percorso) + "_linea.dat");
    return fs::exists(p) ? std::optional(p) : std::nullopt;
}

}  // namespace

ScenarioCaricato carica_scenario(const std::vector<fs::path>& ingressi, std::string& nota) {
    const bool cartella = ingressi.size() == 1 && fs::is_directory(ingressi.front());
    FilePerFormato f = cartella ? file_della_cartella(ingressi.front()) : file_nominati(ingressi);
    ScenarioCaricato s;
    s.nome = utf8_di_percorso(f[Formato::celle].stem());
    s.celle = carica_celle(f[Formato::celle]);
    if (f.contains(Formato::tabella)) s.voci = carica_tabella(f[Formato::tabella]);
    if (cartella && !f.contains(Formato::tracciato)) {
        if (auto g = geometria_accanto(f[Formato::celle], s.voci)) f[Formato::tracciato] = *g;
    }
    if (f.contains(Formato::tracciato)) s.tracciato = carica_tracciato(f[Formato::tracciato]);
    if (s.voci) {
        const TabellaAccanto t{f[Formato::tabella], *s.voci};
        confronta_celle(f[Formato::celle], s.celle, t);
        if (s.tracciato) confronta_tracciato(f[Formato::tracciato], *s.tracciato, {t});
    } else {
        nota += "nota: senza la tabella (.sim) la pagina non ha i nomi delle stazioni, i marciapiedi e i testi\n";
    }
    if (!s.tracciato) nota += "nota: senza la geometria (_linea.dat) la pagina non ha la pianta della linea\n";
    return s;
}

}  // namespace scenario
