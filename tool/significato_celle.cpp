// Cells in words and in JSON; the coding of each field is undone here once.
#include "tool/significato_celle.h"

#include "tool/testo_1252.h"

namespace scenario {
namespace {

using json = nlohmann::ordered_json;

const Cella* cella_a(const VistaCelle& v, std::int64_t k) {
    if (k < 0 || static_cast<std::size_t>(k) >= v.celle.size()) return nullptr;
    return &v.celle[static_cast<std::size_t>(k)];
}

bool e_tipo(const Cella* c, TipoCella t) { return c && tipo_di(*c) == static_cast<std::uint8_t>(t); }

std::string lato_segnale(const LatoSegnale& l, const char* lato) {
    if (l.tipo == 0) return std::string("nessuno a ") + lato;
    return std::string(lato) + " tipo " + std::to_string(l.tipo) + " (" + std::to_string(l.impostazioni[0]) + ", " +
           std::to_string(l.impostazioni[1]) + ", " + std::to_string(l.impostazioni[2]) + ")";
}

std::string lato_indicatore(const LatoIndicatore& l, const char* lato) {
    return std::string(lato) + " A " + std::to_string(l.a) + " B " + std::to_string(l.b) + " C " +
           std::to_string(l.c) + " km/h" + (l.strisce ? ", " + std::to_string(l.strisce) + " strisce" : "");
}

std::string tra_virgolette(const std::optional<std::string>& t) { return t ? "\"" + *t + "\"" : "(tabella assente)"; }

std::string rallentamento(const Cella& c, bool con_f_tt) {
    std::string t = std::to_string(c.valore) + " km/h";
    if (c.valore2 != 0) t += ", d_v " + std::to_string(c.valore2);
    if (con_f_tt) t += ", f_tt " + std::to_string(c.valore3);
    return t;
}

std::string valori(const VistaCelle& v, const Cella& c) {
    switch (static_cast<TipoCella>(tipo_di(c))) {
        case TipoCella::segnale: {
            const PartiSegnale p = parti_segnale(c);
            return lato_segnale(p.sinistro, "sinistra") + ", " + lato_segnale(p.destro, "destra") + ", rapp " +
                   std::to_string(p.rapp) + ", tempo " + std::to_string(p.tempo);
        }
        case TipoCella::fine_rallentamento:
        case TipoCella::inizio_rallentamento: return rallentamento(c, true);
        case TipoCella::avviso_rallentamento: return rallentamento(c, false);
        case TipoCella::approccio_rallentamento: return "n. " + std::to_string(c.valore) + " prima dell'avviso";
        case TipoCella::indicatore_velocita: {
            const PartiIndicatore p = parti_indicatore(c);
            return lato_indicatore(p.sinistro, "sinistro") +
                   (p.ha_destro ? "; " + lato_indicatore(p.destro, "destro") : "; nessuno a destra");
        }
        case TipoCella::punto_fermata:
            return "stazione del record " + std::to_string(c.valore) + " " + tra_virgolette(testo_slot(v.voci, c.valore));
        case TipoCella::abbattimento: return "valore " + std::to_string(c.valore);
        case TipoCella::cartello_testo:
            return "testo del record " + std::to_string(c.valore) + " " + tra_virgolette(testo_slot(v.voci, c.valore));
        default: return {};
    }
}

json lato_segnale_json(const LatoSegnale& l) {
    if (l.tipo == 0) return nullptr;
    return {{"tipo", l.tipo}, {"impostazioni", {l.impostazioni[0], l.impostazioni[1], l.impostazioni[2]}}};
}

json lato_indicatore_json(const LatoIndicatore& l) {
    return {{"a_kmh", l.a}, {"b_kmh", l.b}, {"c_kmh", l.c}, {"strisce", l.strisce}};
}

json testo_json(const std::optional<std::string>& t) { return t ? json(*t) : json(nullptr); }

// Where the signal that a repeater mark announces stands: 2k cells ahead, of the code r / 10.
std::optional<std::size_t> segnale_ripetuto(const VistaCelle& v, std::size_t k, int r) {
    const int n = r % 10;
    if (n < 1 || n > 4) return std::nullopt;
    const Cella* s = cella_a(v, static_cast<std::int64_t>(k) + 2 * n);
    if (!e_tipo(s, TipoCella::segnale)) return std::nullopt;
    const PartiSegnale p = parti_segnale(*s);
    if (p.sinistro.tipo * 3 + p.destro.tipo != r / 10) return std::nullopt;
    return k + 2 * static_cast<std::size_t>(n);
}

// A station approach mark 81 .. 84 stands c cells before its stop point (one more after a tie).
std::optional<std::size_t> fermata_avvicinata(const VistaCelle& v, std::size_t k, int r) {
    if (r < 81 || r > 84) return std::nullopt;
    for (int d : {r - 80, r - 80 + 1, r - 80 - 1}) {
        const std::int64_t f = static_cast<std::int64_t>(k) + d;
        if (e_tipo(cella_a(v, f), TipoCella::punto_fermata)) return static_cast<std::size_t>(f);
    }
    return std::nullopt;
}

}  // namespace

std::uint8_t tipo_di(const Cella& c) { return static_cast<std::uint8_t>(c.tipo); }

std::string_view nome_tipo(std::uint8_t tipo) { return nome_tipo_cella(static_cast<TipoCella>(tipo)); }

std::string_view parole_tipo(std::uint8_t tipo) {
    switch (static_cast<TipoCella>(tipo)) {
        case TipoCella::vuota: return "";
        case TipoCella::segnale: return "segnale";
        case TipoCella::fine_rallentamento: return "fine rallentamento";
        case TipoCella::inizio_rallentamento: return "inizio rallentamento";
        case TipoCella::avviso_rallentamento: return "avviso di rallentamento";
        case TipoCella::approccio_rallentamento: return "approccio al rallentamento";
        case TipoCella::indicatore_velocita: return "cartello indicatore";
        case TipoCella::punto_fermata: return "punto di fermata";
        case TipoCella::marcatore_montagna: return "marcatore di montagna";
        case TipoCella::abbattimento: return "abbattimento";
        case TipoCella::abbattimento_senza_valore: return "abbattimento senza valore";
        case TipoCella::cartello_testo: return "cartello di testo";
    }
    return "tipo sconosciuto";
}

std::int64_t metro_cella(std::size_t k) { return metri_cella * (static_cast<std::int64_t>(k) - 1); }

PartiSegnale parti_segnale(const Cella& c) {
    PartiSegnale p;
    const std::int16_t v[3] = {c.valore, c.valore2, c.valore3};
    for (int i = 0; i < 3; ++i) {
        p.sinistro.impostazioni[i] = v[i] / 10;
        p.destro.impostazioni[i] = v[i] % 10;
    }
    p.rapp = c.valore4 / 10;
    p.sinistro.tipo = c.valore4 % 10 / 3;
    p.destro.tipo = c.valore4 % 10 % 3;
    p.tempo = c.tempo;
    return p;
}

PartiIndicatore parti_indicatore(const Cella& c) {
    PartiIndicatore p;
    const auto dividi = [](std::int16_t v, int& sinistra, int& destra) {
        sinistra = v / 100 * 5;
        destra = v % 100 * 5;
    };
    dividi(c.valore, p.sinistro.a, p.destro.a);
    dividi(c.valore2, p.sinistro.b, p.destro.b);
    dividi(c.valore3, p.sinistro.c, p.destro.c);
    p.sinistro.strisce = c.valore4 / 10;
    p.destro.strisce = c.valore4 % 10;
    p.ha_destro = p.destro.a != 0 || p.destro.b != 0 || p.destro.c != 0 || p.destro.strisce != 0;
    return p;
}

std::optional<std::string> testo_slot(const Voci* voci, std::int64_t slot) {
    if (!voci || slot < 0 || static_cast<std::size_t>(slot) >= voci->size()) return std::nullopt;
    return utf8_da_1252((*voci)[static_cast<std::size_t>(slot)].stringa);
}

std::string descrivi_oggetto(const VistaCelle& v, std::size_t k) {
    const Cella& c = v.celle[k];
    if (tipo_di(c) == 0) return {};
    const std::string dettagli = valori(v, c);
    return std::string(parole_tipo(tipo_di(c))) + (dettagli.empty() ? "" : ": " + dettagli);
}

std::string descrivi_ripetitore(const VistaCelle& v, std::size_t k) {
    const int r = v.celle[k].ripetitore;
    if (r == 0) return {};
    if (const auto s = segnale_ripetuto(v, k, r))
        return "ripetitore " + std::to_string(r % 10) + " del segnale della cella " + std::to_string(*s);
    if (const auto f = fermata_avvicinata(v, k, r))
        return "avvicinamento " + std::to_string(r - 80) + " alla fermata della cella " + std::to_string(*f);
    return "ripetitore " + std::to_string(r);
}

json significato_oggetto(const VistaCelle& v, std::size_t k) {
    const Cella& c = v.celle[k];
    switch (static_cast<TipoCella>(tipo_di(c))) {
        case TipoCella::segnale: {
            const PartiSegnale p = parti_segnale(c);
            return {{"sinistro", lato_segnale_json(p.sinistro)}, {"destro", lato_segnale_json(p.destro)},
                    {"rapp", p.rapp}, {"tempo", p.tempo}};
        }
        case TipoCella::fine_rallentamento:
        case TipoCella::inizio_rallentamento:
            return {{"velocita_kmh", c.valore}, {"d_v", c.valore2}, {"f_tt", c.valore3}};
        case TipoCella::avviso_rallentamento: return {{"velocita_kmh", c.valore}, {"d_v", c.valore2}};
        case TipoCella::approccio_rallentamento: return {{"numero", c.valore}};
        case TipoCella::indicatore_velocita: {
            const PartiIndicatore p = parti_indicatore(c);
            return {{"sinistro", lato_indicatore_json(p.sinistro)},
                    {"destro", p.ha_destro ? lato_indicatore_json(p.destro) : json(nullptr)}};
        }
        case TipoCella::punto_fermata: return {{"slot", c.valore}, {"stazione", testo_json(testo_slot(v.voci, c.valore))}};
        case TipoCella::abbattimento: return {{"valore", c.valore}};
        case TipoCella::cartello_testo: return {{"slot", c.valore}, {"testo", testo_json(testo_slot(v.voci, c.valore))}};
        default: return json::object();
    }
}

json significato_ripetitore(const VistaCelle& v, std::size_t k) {
    const int r = v.celle[k].ripetitore;
    if (const auto s = segnale_ripetuto(v, k, r)) return {{"segnale_cella", *s}, {"numero", r % 10}};
    if (const auto f = fermata_avvicinata(v, k, r)) return {{"fermata_cella", *f}, {"numero", r - 80}};
    return nullptr;
}

std::optional<int> velocita_kmh(const Cella& c) {
    if (c.velocita_cella == 0) return std::nullopt;
    return c.velocita_cella * 5;
}

std::optional<int> pendenza_permille(const Cella& c) {
    if (c.pendenza_cella == 0) return std::nullopt;
    return c.pendenza_cella - 100;
}

}  // namespace scenario
