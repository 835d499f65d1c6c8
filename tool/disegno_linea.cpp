// Puts the title, the plan and the profile one under the other.
#include "tool/disegno_linea.h"

#include "tool/disegno_pianta.h"
#include "tool/disegno_profilo.h"
#include "tool/significato_celle.h"
#include "tool/significato_tabella.h"
#include "tool/testo_1252.h"

namespace scenario {

namespace pagina {
extern const char* const stile_svg;  // tool/pagina_svg.css
}

namespace {

using namespace disegno;

constexpr double altezza_titolo = 34;
constexpr double altezza_pianta = 270;

std::size_t quante(const ScenarioCaricato& s, TipoCella t) {
    std::size_t n = 0;
    for (const Cella& c : s.celle) n += tipo_di(c) == static_cast<std::uint8_t>(t);
    return n;
}

std::string titolo(const ScenarioCaricato& s) {
    std::string t = s.nome;
    if (s.voci) {
        const Voci& v = *s.voci;
        t = utf8_da_1252(v[slot::percorso].stringa) + " \u00b7 treno " + utf8_da_1252(v[slot::corsa].stringa) + " \u00b7 " +
            km(v[slot::treno].numero2).substr(3) + " km";
        std::size_t stazioni = 0;
        for (std::size_t n = 1; n < slot::progressiva_tre; ++n) stazioni += uso_voce(v, n) == UsoVoce::stazione;
        t += " \u00b7 " + std::to_string(stazioni) + " stazioni";
    }
    t += " \u00b7 " + std::to_string(quante(s, TipoCella::segnale)) + " segnali \u00b7 " +
         std::to_string(quante(s, TipoCella::indicatore_velocita)) + " cartelli indicatori";
    return t;
}

}  // namespace

DisegnoLinea disegna_linea(const ScenarioCaricato& s) {
    const Vista intera = vista_intera(s), massima = vista_massima(s);
    const Pianta pianta = disegna_pianta(s, intera, altezza_titolo, altezza_pianta);
    double altezza_profilo = 0;
    const std::string profilo = disegna_profilo(s, intera, altezza_titolo + altezza_pianta + 14, altezza_profilo);
    const double altezza = altezza_titolo + altezza_pianta + 14 + altezza_profilo;
    DisegnoLinea d;
    d.svg = "<svg xmlns=\"http://www.w3.org/2000/svg\" id=\"disegno\" viewBox=\"0 0 " + num(larghezza) + " " +
            num(altezza) + "\" width=\"" + num(larghezza) + "\" height=\"" + num(altezza) + "\">\n<style>" +
            pagina::stile_svg + "</style>\n<text class=\"titolo\" x=\"8\" y=\"22\">" + esc(titolo(s)) + "</text>\n" +
            pianta.svg + profilo + "</svg>\n";
    d.dati_json = "{\"intera\":[" + num(intera.da) + "," + num(intera.a) + "],\"massima\":[" + num(massima.da) + "," +
                  num(massima.a) + "],\"sinistra\":" + num(margine_sinistro) + ",\"area\":" + num(area) +
                  ",\"pianta\":" + pianta.campioni_json + "}";
    return d;
}

}  // namespace scenario
