// Our own temporaries, known to the handlers of SIGINT, SIGTERM and SIGHUP
// (Ctrl-C, Ctrl-Break and closing the console on Windows), which remove them
// before the process ends by that signal. A temporary is registered as soon
// as it exists and forgotten as soon as it is renamed or removed, each inside
// a SezioneProtetta, so no handler ever meets one half-done.
#pragma once

#include <filesystem>

#ifndef _WIN32
#include <signal.h>
#endif

namespace scenario {

// Holds the handlers off while it lives: a file created and registered, or
// renamed and forgotten, is one step for them. Keep it short.
class SezioneProtetta {
public:
    SezioneProtetta();
    ~SezioneProtetta();
    SezioneProtetta(const SezioneProtetta&) = delete;
    SezioneProtetta& operator=(const SezioneProtetta&) = delete;

#ifndef _WIN32
private:
    sigset_t precedente_;
#endif
};

// The first registration installs the handlers, where the signal still has
// its default action (an ignored signal stays ignored).
void registra_temporaneo(const std::filesystem::path& p);
void dimentica_temporaneo(const std::filesystem::path& p);

// What a handler does: removes every registered temporary. Only unlink-like
// calls, so it is safe inside a signal handler.
void rimuovi_temporanei();

}  // namespace scenario
