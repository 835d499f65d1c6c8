// A windowed program on Windows starts without standard output: when it has
// text to print, it borrows the console of the program that started it.
#pragma once

namespace scenario {

// On Windows, points standard output and error that lead nowhere at the
// parent's console, if there is one. Elsewhere, and where they already lead
// somewhere (a file, a pipe), nothing changes.
void usa_console_del_padre();

}  // namespace scenario
