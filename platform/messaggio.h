// Messages for a person: the modal box of a fatal fault, and the report of a
// run-time failure. Without a display both go to standard error.
#pragma once

#include <string_view>

namespace scenario {

// Shows the text with an OK button and returns when the person closed it.
void mostra_messaggio(std::string_view testo);

// The platform's report of an unhandled run-time failure: a number and the
// system's text for it.
void segnala_guasto(int numero, std::string_view testo);

}  // namespace scenario
