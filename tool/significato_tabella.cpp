// Records in words and in JSON; which field holds what is undone here once.
#include "tool/significato_tabella.h"

#include <cstdio>

#include "tool/testo_1252.h"

namespace scenario {
namespace {

using json = nlohmann::ordered_json;

bool numeri_a_zero(const Voce& v) {
    return v.byte0 == 0 && v.numero1 == 0 && v.numero2 == 0 && v.numero3 == 0 && v.byte1 == 0 && v.breve1 == 0 &&
           v.breve2 == 0 && v.breve3 == 0 && v.breve4 == 0 && v.breve5 == 0 && v.byte2 == 0 && v.byte3 == 0 &&
           v.byte4 == 0 && v.byte5 == 0 && v.numero4 == 0;
}

std::string testo(const Voce& v) { return utf8_da_1252(v.stringa); }

std::string n(std::int64_t x) { return std::to_string(x); }

// The station fields the simulator reads and this system only carries, by
// their number in the train text.
json campi_stazione(const Voce& v) {
    return {{"campo_4", v.byte1},  {"campo_5", v.byte5},  {"campo_6", v.byte4},  {"campo_7", v.breve1},
            {"campo_8", v.breve2}, {"campo_9", v.byte2},  {"campo_10", v.breve3}, {"campo_11", v.breve4},
            {"campo_12", v.breve5}};
}

std::string descrivi_stazione(const Voce& v) {
    std::string t = "stazione \"" + testo(v) + "\" al metro " + n(v.numero3) + ", tipo " + n(v.byte0) +
                    ", marciapiede " + n(v.numero1) + " .. " + n(v.numero2);
    if (v.numero4 != 0) t += ", orario " + orario(v.numero4);
    if (v.byte3 != 0) t += ", sosta " + n(v.byte3) + " s";
    const json campi = campi_stazione(v);
    t += "; campi 4-12:";
    for (const auto& valore : campi) t += " " + valore.dump();
    return t;
}

std::string orologio(const Voce& v) {
    char t[32];
    std::snprintf(t, sizeof t, "%02d:%02d:%02d", v.breve3, v.breve4, v.breve5);
    return t;
}

}  // namespace

UsoVoce uso_voce(const Voci& voci, std::size_t slot) {
    switch (slot) {
        case slot::progressiva_tre:
        case slot::progressiva_due:
        case slot::progressiva_uno: return UsoVoce::progressiva;
        case slot::treno: return UsoVoce::treno;
        case slot::percorso: return UsoVoce::percorso;
        case slot::corsa: return UsoVoce::corsa;
        default: break;
    }
    const Voce& v = voci[slot];
    if (!numeri_a_zero(v)) return UsoVoce::stazione;
    return v.stringa.empty() ? UsoVoce::vuota : UsoVoce::cartello;
}

std::string_view nome_uso(UsoVoce u) {
    switch (u) {
        case UsoVoce::vuota: return "vuota";
        case UsoVoce::stazione: return "stazione";
        case UsoVoce::cartello: return "cartello";
        case UsoVoce::progressiva: return "progressiva";
        case UsoVoce::treno: return "treno";
        case UsoVoce::percorso: return "percorso";
        case UsoVoce::corsa: return "corsa";
    }
    return "?";
}

int rilievo_stazione(const Voci& voci, std::size_t n) {
    std::size_t ultima = 0;
    for (std::size_t i = slot::primo_posto; i < slot::progressiva_tre; ++i)
        if (uso_voce(voci, i) == UsoVoce::stazione) ultima = i;
    if (n == slot::primo_posto || n == ultima) return 4;
    if (voci[n].numero4 != 0) return 3;
    return voci[n].byte0 < 25 ? 2 : 1;
}

std::string orario(std::int64_t secondi) {
    char t[32];
    std::snprintf(t, sizeof t, "%02lld:%02lld:%02lld", static_cast<long long>(secondi / 3600),
                  static_cast<long long>(secondi / 60 % 60), static_cast<long long>(secondi % 60));
    return t;
}

std::string descrivi_voce(const Voci& voci, std::size_t slot) {
    const Voce& v = voci[slot];
    switch (uso_voce(voci, slot)) {
        case UsoVoce::vuota: return "vuoto";
        case UsoVoce::stazione: return descrivi_stazione(v);
        case UsoVoce::cartello: return "testo di cartello \"" + testo(v) + "\"";
        case UsoVoce::progressiva:
            return "progressiva chilometrica: al metro " + n(v.numero1) + " la progressiva è " + n(v.numero2) +
                   " m, segno " + n(v.numero3);
        case UsoVoce::treno:
            return "treno: massa frenata " + n(v.numero1) + " %, lunghezza del percorso " + n(v.numero2) + " m, " +
                   n(v.numero3) + " vetture";
        case UsoVoce::percorso:
            return "percorso \"" + testo(v) + "\": sfondi uno " + n(v.numero1) + ", due " + n(v.numero3) + ", tre " +
                   n(v.numero2) + "; marcatore " + n(v.breve1) + ", codice di gara ponderato " + n(v.numero4);
        case UsoVoce::corsa:
            return "corsa del treno \"" + testo(v) + "\": ripetizione segnali " + n(v.numero3) + " codici da " +
                   n(v.numero1) + " m a " + n(v.numero2) + " m, sabbia " + n(v.breve1) + ", orologio " +
                   orologio(v);
    }
    return {};
}

json significato_voce(const Voci& voci, std::size_t slot) {
    const Voce& v = voci[slot];
    switch (uso_voce(voci, slot)) {
        case UsoVoce::vuota: return json::object();
        case UsoVoce::stazione: {
            json j = {{"nome", testo(v)},
                      {"posizione", v.numero3},
                      {"inizio_marciapiede", v.numero1},
                      {"fine_marciapiede", v.numero2},
                      {"tipo", v.byte0},
                      {"orario", v.numero4 != 0 ? json(orario(v.numero4)) : json(nullptr)},
                      {"sosta_s", v.byte3}};
            j.update(campi_stazione(v));
            return j;
        }
        case UsoVoce::cartello: return {{"testo", testo(v)}};
        case UsoVoce::progressiva: return {{"posizione", v.numero1}, {"progressiva_m", v.numero2}, {"segno", v.numero3}};
        case UsoVoce::treno:
            return {{"massa_frenata_percento", v.numero1}, {"lunghezza_percorso_m", v.numero2},
                    {"numero_vetture", v.numero3}};
        case UsoVoce::percorso:
            return {{"nome_percorso", testo(v)}, {"sfondo_uno", v.numero1}, {"sfondo_due", v.numero3},
                    {"sfondo_tre", v.numero2}, {"marcatore", v.breve1}, {"codice_gara_ponderato", v.numero4}};
        case UsoVoce::corsa:
            return {{"numero_treno", testo(v)}, {"ripetizione_da_m", v.numero1}, {"ripetizione_a_m", v.numero2},
                    {"codici_ripetizione", v.numero3}, {"sabbia", v.breve1}, {"orologio", orologio(v)}};
    }
    return json::object();
}

}  // namespace scenario
