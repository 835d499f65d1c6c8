// Fonts for the X11 layer, chosen through fontconfig and drawn with Xft.
#pragma once

#include <X11/Xft/Xft.h>

#include <memory>
#include <span>
#include <string_view>

#include "platform/connessione_x11.h"

namespace scenario {

// Closes a font while its display lives; a lost display takes it along.
struct ChiudiCarattere {
    const ConnessioneX11* connessione;
    void operator()(XftFont* carattere) const {
        if (connessione->viva()) XftFontClose(connessione->display(), carattere);
    }
};
using CarattereX11 = std::unique_ptr<XftFont, ChiudiCarattere>;

// The first family of `famiglie` that this machine really has (fontconfig
// always answers with something, so a substitute does not count); the last
// entry, a generic name such as "sans-serif", takes whatever fontconfig
// offers. `peso` is on the OpenType scale (400 regular, 700 bold).
CarattereX11 apri_carattere(const ConnessioneX11& connessione, std::span<const char* const> famiglie, int pixel,
                            int peso);

// The width `testo` (UTF-8) takes in `carattere`: its advance, or its ink
// where the last letter reaches past the advance.
int larghezza_testo(const ConnessioneX11& connessione, XftFont* carattere, std::string_view testo);

// As apri_carattere, at `pixel` when `testo` fits in `larghezza` pixels there,
// otherwise one pixel smaller at a time until it fits (never under
// `pixel_minimi`): a substitute font wider than the designer's must not
// cut the text's last letters.
CarattereX11 apri_carattere_che_entra(const ConnessioneX11& connessione, std::span<const char* const> famiglie,
                                      int pixel, int peso, std::string_view testo, int larghezza, int pixel_minimi);

}  // namespace scenario
