// The message layer on standard error: the console tool's only one, and the
// builder's wherever no box can be shown.
#pragma once

#include <string>
#include <string_view>

namespace scenario {

// Writes the text and a line end to standard error at once.
void mostra_messaggio_terminale(std::string_view testo);

// The words of the run-time failure report, the same in a box or a terminal.
std::string testo_guasto(int numero, std::string_view testo);

}  // namespace scenario
