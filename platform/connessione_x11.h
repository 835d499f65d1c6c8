// One connection to the X display, owned by one window or one message box.
// A display that dies is recorded here, and from then on the layer makes no
// X call at all: the run goes on as it would without a display.
#pragma once

#include <X11/Xlib.h>

namespace scenario {

class ConnessioneX11 {
public:
    // Opens the display DISPLAY names; stays closed when DISPLAY is unset or
    // empty, or when no server answers there.
    ConnessioneX11();
    ~ConnessioneX11();
    ConnessioneX11(const ConnessioneX11&) = delete;
    ConnessioneX11& operator=(const ConnessioneX11&) = delete;

    // True while the display is open and alive: only then may X be called.
    bool viva() const { return display_ != nullptr && !persa_; }
    Display* display() const { return display_; }

    // Sends every queued request and waits until the server has carried them
    // out; false when the display is gone.
    bool sincronizza();

private:
    static void perdita(Display* display, void* connessione);

    Display* display_ = nullptr;
    bool persa_ = false;
};

}  // namespace scenario
