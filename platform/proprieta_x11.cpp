// Window-manager properties shared by the builder's window and the message box.
#include "platform/proprieta_x11.h"

#include <X11/Xatom.h>
#include <X11/Xutil.h>

#include <string>

namespace scenario {
namespace {

void dai_titolo(Display* d, Window w, std::string_view titolo) {
    const char* const nomi[] = {"_NET_WM_NAME", "UTF8_STRING"};
    Atom atomi[2];
    interna_atomi(d, nomi, atomi);
    const std::string t(titolo);
    XStoreName(d, w, t.c_str());  // older window managers read only this
    XChangeProperty(d, w, atomi[0], atomi[1], 8, PropModeReplace, reinterpret_cast<const unsigned char*>(t.data()),
                    static_cast<int>(t.size()));
}

void dai_classe(Display* d, Window w) {
    std::string nome = "crea_scenario", classe = "Crea_scenario";
    XClassHint hint{nome.data(), classe.data()};
    XSetClassHint(d, w, &hint);
}

// The window manager may place the window unless told where, but never resize it.
void fissa_misure(Display* d, Window w, const Sagoma& s) {
    XSizeHints hint{};
    hint.flags = PSize | PMinSize | PMaxSize;
    hint.width = hint.min_width = hint.max_width = s.larghezza;
    hint.height = hint.min_height = hint.max_height = s.altezza;
    if (s.posizione_propria) {
        hint.flags |= PPosition;
        hint.x = s.x;
        hint.y = s.y;
    }
    XSetWMNormalHints(d, w, &hint);
}

}  // namespace

void imposta_proprieta(Display* d, Window w, std::string_view titolo, const Sagoma& sagoma, Atom wm_delete) {
    dai_titolo(d, w, titolo);
    dai_classe(d, w);
    fissa_misure(d, w, sagoma);
    XSetWMProtocols(d, w, &wm_delete, 1);
}

}  // namespace scenario
