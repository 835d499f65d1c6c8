// Opening, losing and closing the X display without ever ending the run.
#include "platform/connessione_x11.h"

#include <cstdlib>

namespace scenario {
namespace {

// Xlib reports a broken connection to the I/O error handler and, when that
// returns, to the display's exit handler, whose default ends the process.
// Here the I/O error handler returns and the exit handler (libX11 1.7 and
// later) only records the loss, so the failed call returns to the layer. No
// longjmp out of Xlib: it would skip destructors and leave Xlib's state
// half-updated. Once the loss is recorded the layer makes no X call again,
// not even XCloseDisplay: requests on a connection Xlib has given up on can
// corrupt its buffers, and the program is about to end anyway.
int connessione_interrotta(Display*) { return 0; }

// A protocol error (a window another client destroyed, say) spoils at most
// the picture; Xlib's default handler would end the run for it.
int errore_protocollo(Display*, XErrorEvent*) { return 0; }

// The handlers are process-wide in Xlib: install them once, before any display opens.
void installa_gestori() {
    static const bool installati = [] {
        XSetIOErrorHandler(connessione_interrotta);
        XSetErrorHandler(errore_protocollo);
        return true;
    }();
    (void)installati;
}

bool display_indicato() {
    const char* nome = std::getenv("DISPLAY");
    return nome != nullptr && *nome != '\0';
}

}  // namespace

ConnessioneX11::ConnessioneX11() {
    if (!display_indicato()) return;
    installa_gestori();
    display_ = XOpenDisplay(nullptr);
    if (display_ != nullptr) XSetIOErrorExitHandler(display_, perdita, this);
}

ConnessioneX11::~ConnessioneX11() {
    if (viva()) XCloseDisplay(display_);
}

bool ConnessioneX11::sincronizza() {
    if (!viva()) return false;
    XSync(display_, False);
    return viva();
}

void ConnessioneX11::perdita(Display*, void* connessione) { static_cast<ConnessioneX11*>(connessione)->persa_ = true; }

}  // namespace scenario
