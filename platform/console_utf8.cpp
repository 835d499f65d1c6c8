// The console's output code page, on Windows only.
#include "platform/console_utf8.h"

#ifdef _WIN32
#include <windows.h>
#endif

namespace scenario {

#ifdef _WIN32
ConsoleUtf8::ConsoleUtf8() : prima_(GetConsoleOutputCP()) {
    if (prima_ != 0 && prima_ != CP_UTF8 && !SetConsoleOutputCP(CP_UTF8)) prima_ = 0;
}

ConsoleUtf8::~ConsoleUtf8() {
    if (prima_ != 0 && prima_ != CP_UTF8) SetConsoleOutputCP(prima_);
}
#else
ConsoleUtf8::ConsoleUtf8() = default;
ConsoleUtf8::~ConsoleUtf8() = default;
#endif

}  // namespace scenario
