// The builder's one window: a title and a label, shown while the run works.
// The run processes no window events, so the interface is only this.
#pragma once

#include <memory>

namespace scenario {

class Finestra {
public:
    virtual ~Finestra() = default;
    virtual void mostra() = 0;     // show without waiting on the window
    virtual void ridisegna() = 0;  // paint now, before any work starts
    virtual void distruggi() = 0;  // take it off the screen at the end
};

// Shows "Attendere" on standard error and nothing else.
std::unique_ptr<Finestra> crea_finestra_terminale();

}  // namespace scenario
