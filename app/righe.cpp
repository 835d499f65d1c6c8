// The shared text-file procedure of the five text writers.
#include "app/righe.h"

#include <algorithm>

namespace scenario {

Righe riempi_righe(std::span<const std::string_view> righe) {
    Righe tabella;
    // The last slot must stay free for the marker.
    const std::size_t n = std::min(righe.size(), slot_righe - 1);
    for (std::size_t i = 0; i < n; ++i) tabella[i] = righe[i];
    tabella[n] = fine_del_file;
    return tabella;
}

std::string testo_da_righe(const Righe& righe) {
    std::string testo;
    for (const std::string& riga : righe) {
        if (riga == fine_del_file) break;
        testo += riga;
        testo += "\r\n";
    }
    return testo;
}

void scrivi_testo(const Righe& righe, const std::string& nome, Archivio& archivio) {
    archivio.scrivi(nome, testo_da_righe(righe));
}

}  // namespace scenario
