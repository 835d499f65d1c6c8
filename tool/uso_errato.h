// A command line that cannot be carried out (exit status 2), found before
// anything is read or written.
#pragma once

#include <string>

namespace scenario {

struct UsoErrato {
    std::string messaggio;  // Italian, ASCII, without the "scenario: " in front
};

}  // namespace scenario
