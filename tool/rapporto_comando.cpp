// Diagnostics into the tool's report.
#include "tool/rapporto_comando.h"

#include <sstream>
#include <string>

namespace scenario {
namespace {

using Json = nlohmann::ordered_json;  // keys in the documented order

template <typename T>
Json o_null(const std::optional<T>& v) {
    return v ? Json(*v) : Json(nullptr);
}

Json o_null_se_zero(int v) { return v > 0 ? Json(v) : Json(nullptr); }

}  // namespace

nlohmann::ordered_json json_diagnostica(const std::vector<Diagnostica>& d) {
    Json elenco = Json::array();
    for (const Diagnostica& x : d) {
        Json o;
        o["file"] = x.file.empty() ? Json(nullptr) : Json(x.file);
        o["riga"] = o_null_se_zero(x.riga);
        o["colonna"] = o_null_se_zero(x.colonna);
        o["livello"] = x.livello == Diagnostica::Livello::errore ? "errore" : "avviso";
        o["codice"] = o_null(x.codice);
        o["metro"] = o_null(x.metro);
        o["messaggio"] = x.messaggio;
        o["suggerimento"] = o_null(x.suggerimento);
        elenco.push_back(std::move(o));
    }
    return elenco;
}

void riferisci_diagnostica(const Conclusione& c, Rapporto& r) {
    std::istringstream righe(c.rapporto);
    for (std::string riga; std::getline(righe, riga);) r.messaggio(riga);
    r.diagnostica(json_diagnostica(c.diagnostica));
}

}  // namespace scenario
