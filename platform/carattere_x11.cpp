// Font choice by family, in the order the caller wants them.
#include "platform/carattere_x11.h"

#include <fontconfig/fontconfig.h>

namespace scenario {
namespace {

// True when one of the matched font's family names is the one asked for.
bool e_la_famiglia(FcPattern* trovato, const char* famiglia) {
    FcChar8* nome = nullptr;
    for (int i = 0; FcPatternGetString(trovato, FC_FAMILY, i, &nome) == FcResultMatch; ++i)
        if (FcStrCmpIgnoreCase(nome, reinterpret_cast<const FcChar8*>(famiglia)) == 0) return true;
    return false;
}

// fontconfig's best match for one family at this size and weight; the
// caller owns the pattern it returns.
FcPattern* miglior_corrispondenza(Display* d, const char* famiglia, int pixel, int peso) {
    FcPattern* richiesta = FcPatternCreate();
    FcPatternAddString(richiesta, FC_FAMILY, reinterpret_cast<const FcChar8*>(famiglia));
    FcPatternAddDouble(richiesta, FC_PIXEL_SIZE, pixel);
    FcPatternAddInteger(richiesta, FC_WEIGHT, FcWeightFromOpenType(peso));
    FcPatternAddInteger(richiesta, FC_SLANT, FC_SLANT_ROMAN);
    FcResult esito = FcResultNoMatch;
    FcPattern* trovato = XftFontMatch(d, DefaultScreen(d), richiesta, &esito);
    FcPatternDestroy(richiesta);
    return trovato;
}

}  // namespace

CarattereX11 apri_carattere(const ConnessioneX11& connessione, std::span<const char* const> famiglie, int pixel,
                            int peso) {
    CarattereX11 nessuno(nullptr, ChiudiCarattere{&connessione});
    if (!connessione.viva()) return nessuno;
    Display* d = connessione.display();
    for (std::size_t i = 0; i < famiglie.size(); ++i) {
        FcPattern* trovato = miglior_corrispondenza(d, famiglie[i], pixel, peso);
        if (trovato == nullptr) continue;
        const bool ultima = i + 1 == famiglie.size();
        if (ultima || e_la_famiglia(trovato, famiglie[i])) {
            // On success Xft owns the pattern.
            if (XftFont* carattere = XftFontOpenPattern(d, trovato)) return CarattereX11(carattere, nessuno.get_deleter());
        }
        FcPatternDestroy(trovato);
        if (!connessione.viva()) break;
    }
    return nessuno;
}

int larghezza_testo(const ConnessioneX11& connessione, XftFont* carattere, std::string_view testo) {
    XGlyphInfo misure{};
    XftTextExtentsUtf8(connessione.display(), carattere, reinterpret_cast<const FcChar8*>(testo.data()),
                       static_cast<int>(testo.size()), &misure);
    // Ink runs from -x to -x + width; the pen ends at xOff.
    const int inchiostro = misure.width - misure.x;
    return inchiostro > misure.xOff ? inchiostro : misure.xOff;
}

CarattereX11 apri_carattere_che_entra(const ConnessioneX11& connessione, std::span<const char* const> famiglie,
                                      int pixel, int peso, std::string_view testo, int larghezza, int pixel_minimi) {
    CarattereX11 carattere = apri_carattere(connessione, famiglie, pixel, peso);
    while (carattere && pixel > pixel_minimi && connessione.viva() &&
           larghezza_testo(connessione, carattere.get(), testo) > larghezza) {
        CarattereX11 piu_piccolo = apri_carattere(connessione, famiglie, --pixel, peso);
        if (!piu_piccolo) break;
        carattere = std::move(piu_piccolo);
    }
    return carattere;
}

}  // namespace scenario
