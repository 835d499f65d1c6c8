// Messages for a person: the modal box of a fatal fault, and the report of a
// run-time failure. Where they appear is chosen when a program is linked.
#pragma once

#include <string_view>

// scenario_platform_gui (a real box; standard error without a display) for
// the builder, scenario_platform_console (standard error) for the tool.
namespace scenario {

// The title of every box: the application's own name.
inline constexpr std::string_view titolo_messaggi = "crea_scenario";

// Shows the text with an OK button and returns when the person closed it.
void mostra_messaggio(std::string_view testo);

// The platform's report of an unhandled run-time failure: a number and the
// system's text for it.
void segnala_guasto(int numero, std::string_view testo);

}  // namespace scenario
