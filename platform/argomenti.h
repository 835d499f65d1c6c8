// The command line as UTF-8 text on every system, so that any name a person
// types reaches the program whole.
#pragma once

#include <string>
#include <vector>

namespace scenario {

// Every argument, the program's name first. On Linux argv as it is; on
// Windows the UTF-16 command line converted, since argv there holds only
// what the ANSI code page can (every other character becomes "?").
std::vector<std::string> argomenti_utf8(int argc, char** argv);

}  // namespace scenario
