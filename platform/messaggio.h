// Messages for a person: the modal box of a fault, and the report of a
// run-time failure. Each program hands its run the object that shows them,
// as it hands it the window and the archive: the builder the display's
// (crea_messaggi, schermo.h), the console tool standard error.
#pragma once

#include <memory>
#include <string>
#include <string_view>

namespace scenario {

// The title of every box: the application's own name.
inline constexpr std::string_view titolo_messaggi = "crea_scenario";

// The words of the run-time failure report, the same in a box or a terminal.
std::string testo_guasto(int numero, std::string_view testo);

class Messaggi {
public:
    virtual ~Messaggi() = default;

    // Shows the text with an OK button and returns when the person closed it.
    virtual void mostra(std::string_view testo) = 0;

    // The platform's report of an unhandled run-time failure: a number and
    // the system's text for it.
    void segnala_guasto(int numero, std::string_view testo) { mostra(testo_guasto(numero, testo)); }
};

// Each text and a line end on standard error at once: the console tool's only
// messages, and the builder's wherever no box can be shown.
std::unique_ptr<Messaggi> crea_messaggi_terminale();

}  // namespace scenario
