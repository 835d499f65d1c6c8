// Messages a test can read back: every text the run asked to show, in order,
// and nothing on the screen or the terminal.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "platform/messaggio.h"

namespace scenario::test {

class MessaggiRegistrati final : public Messaggi {
public:
    void mostra(std::string_view testo) override { testi.emplace_back(testo); }

    std::vector<std::string> testi;
};

}  // namespace scenario::test
