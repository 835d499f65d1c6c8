// What the programs print is UTF-8, on the Windows console too.
#pragma once

namespace scenario {

// While it lives, a Windows console shows the program's output as UTF-8;
// the console's own code page comes back when it ends, so the shell that
// started the program is left as it was. Elsewhere it does nothing.
class ConsoleUtf8 {
public:
    ConsoleUtf8();
    ~ConsoleUtf8();
    ConsoleUtf8(const ConsoleUtf8&) = delete;
    ConsoleUtf8& operator=(const ConsoleUtf8&) = delete;

private:
    unsigned int prima_ = 0;  // the console's code page before, 0 for none
};

}  // namespace scenario
