// The parts of a failure's report.
#include "platform/descrizione_guasto.h"

#include <filesystem>

#include "platform/guasto_file.h"
#include "platform/percorso_utf8.h"
#include "platform/testo_errore.h"

namespace scenario {
namespace fs = std::filesystem;

namespace {

// A relative name means little in a box or a log read later: the full path,
// as the file was reached from the current folder.
std::string percorso_pieno(const fs::path& p) {
    if (p.empty()) return {};
    std::error_code ec;
    const fs::path pieno = fs::absolute(p, ec);
    return utf8_di_percorso(ec ? p : pieno.lexically_normal());
}

}  // namespace

DescrizioneGuasto descrivi_guasto(const std::system_error& e) {
    DescrizioneGuasto d;
    const std::error_code codice = codice_di_sistema(e.code());
    d.numero = codice.value();
    d.testo = testo_errore_sistema(codice);
    if (const auto* g = dynamic_cast<const GuastoFile*>(&e)) {
        d.percorso = percorso_pieno(g->percorso());
        d.spiegazione = g->spiegazione();
    } else if (const auto* f = dynamic_cast<const fs::filesystem_error*>(&e)) {
        d.percorso = percorso_pieno(f->path1());
    }
    return d;
}

std::string parole_guasto(const DescrizioneGuasto& d) {
    std::string parole = d.percorso.empty() ? d.testo : d.percorso + ": " + d.testo;
    if (!d.spiegazione.empty()) parole += ": " + d.spiegazione;
    return parole;
}

}  // namespace scenario
