// Linux arguments are bytes already, UTF-8 by convention.
#include "platform/argomenti.h"

namespace scenario {

std::vector<std::string> argomenti_utf8(int argc, char** argv) { return {argv, argv + argc}; }

}  // namespace scenario
