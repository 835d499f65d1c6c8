// What both X11 windows tell the window manager: title, class, a fixed size,
// and a close box that asks the program rather than killing its connection.
#pragma once

#include <X11/Xlib.h>

#include <cstddef>
#include <string_view>

namespace scenario {

// Where a window goes and how big it is; without `posizione_propria` the
// window manager places it as it places any new window.
struct Sagoma {
    int x = 0;
    int y = 0;
    int larghezza = 0;
    int altezza = 0;
    bool posizione_propria = false;
};

// `titolo` is UTF-8. `wm_delete` is the WM_DELETE_WINDOW atom.
void imposta_proprieta(Display* d, Window w, std::string_view titolo, const Sagoma& sagoma, Atom wm_delete);

// Interns the atoms of `nomi` into `atomi` in one round trip.
template <std::size_t N>
void interna_atomi(Display* d, const char* const (&nomi)[N], Atom (&atomi)[N]) {
    XInternAtoms(d, const_cast<char**>(nomi), static_cast<int>(N), False, atomi);
}

}  // namespace scenario
