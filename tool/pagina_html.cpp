// Wraps the drawing into one self-contained page, well-formed as XML too:
// style and script sit in CDATA sections hidden from HTML by comments.
#include "tool/pagina_html.h"

#include "tool/disegno_comune.h"

namespace scenario {

namespace pagina {
extern const char* const stile_pagina;  // tool/pagina.css
extern const char* const script;        // tool/pagina.js
}  // namespace pagina

std::string pagina_html(const std::string& titolo, const DisegnoLinea& d) {
    return std::string("<!DOCTYPE html>\n<html xmlns=\"http://www.w3.org/1999/xhtml\" lang=\"it\">\n<head>\n"
                       "<meta charset=\"utf-8\"/>\n"
                       "<meta http-equiv=\"Content-Security-Policy\" content=\"default-src 'none'; "
                       "style-src 'unsafe-inline'; script-src 'unsafe-inline'\"/>\n<title>") +
           disegno::esc(titolo) + "</title>\n<style>/*<![CDATA[*/\n" + pagina::stile_pagina +
           "/*]]>*/</style>\n</head>\n<body>\n<div id=\"comandi\"><button id=\"tutta\" type=\"button\">tutta la "
           "linea</button><span id=\"tratto\"></span><span id=\"lettura\">rotella: ingrandisce \u00b7 trascina: "
           "sposta \u00b7 punta un metro nella pianta o nel profilo</span></div>\n" +
           d.svg + "<script type=\"application/json\" id=\"dati-linea\">" + d.dati_json +
           "</script>\n<script>//<![CDATA[\n" + pagina::script + "//]]>\n</script>\n</body>\n</html>\n";
}

}  // namespace scenario
