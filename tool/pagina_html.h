// The page of `scenario plot`: the drawing with its data, style and script,
// all inline; a Content-Security-Policy forbids the browser any request.
#pragma once

#include <string>

#include "tool/disegno_linea.h"

namespace scenario {

std::string pagina_html(const std::string& titolo, const DisegnoLinea& d);

}  // namespace scenario
