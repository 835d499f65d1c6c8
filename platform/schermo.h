// The display's own window and message box, where this build and this
// machine have one: X11 on Linux, Win32 on Windows. Each build compiles one
// implementation; schermo_assente.cpp stands in where there is none.
#pragma once

#include <memory>
#include <string_view>

#include "platform/finestra.h"
#include "platform/messaggio.h"

namespace scenario {

// The builder's window: the display's where one can be had, else the terminal's.
std::unique_ptr<Finestra> crea_finestra();

// The builder's messages: a box on the display, else standard error.
std::unique_ptr<Messaggi> crea_messaggi();

// The builder's window, built but not yet shown; nothing when no display can
// be opened (for X11: DISPLAY unset, empty, or no server answering).
std::unique_ptr<Finestra> crea_finestra_schermo();

// A modal box with the text and an OK button; returns when the person closed
// it. False when no box could be shown, or its display was lost before the
// person closed it: the caller must then say it another way.
bool mostra_messaggio_schermo(std::string_view testo);

}  // namespace scenario
