// Process start for the end-to-end tests: the environment minus the display,
// so no window or modal box ever waits for a person; posix_spawn, or fork
// where a limit must be set in the child.
#ifndef _WIN32

#include "tests/app/avvio.h"

#include <fcntl.h>
#include <signal.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <string>
#include <string_view>
#include <system_error>
#include <vector>

extern char** environ;

namespace scenario::test {

namespace {

std::vector<std::string> ambiente_senza_display() {
    std::vector<std::string> voci;
    for (char** v = environ; *v != nullptr; ++v) {
        const std::string_view voce(*v);
        if (!voce.starts_with("DISPLAY=") && !voce.starts_with("WAYLAND_DISPLAY=")) voci.emplace_back(voce);
    }
    return voci;
}

std::vector<char*> puntatori(std::vector<std::string>& testi) {
    std::vector<char*> p;
    for (auto& t : testi) p.push_back(t.data());
    p.push_back(nullptr);
    return p;
}

// In the child, between fork and exec: only async-signal-safe calls.
[[noreturn]] void nel_figlio(const char* programma, const char* uscita, const char* errori, rlim_t limite,
                             char* const* argv, char* const* envp) {
    const int out = open(uscita, O_WRONLY | O_CREAT | O_TRUNC, 0644);
    const int err = open(errori, O_WRONLY | O_CREAT | O_TRUNC, 0644);
    if (out < 0 || err < 0 || dup2(out, 1) < 0 || dup2(err, 2) < 0) _exit(127);
    const struct rlimit r {limite, limite};
    if (setrlimit(RLIMIT_FSIZE, &r) != 0) _exit(127);
    signal(SIGXFSZ, SIG_IGN);  // a write past the limit then fails with EFBIG
    execve(programma, argv, envp);
    _exit(127);
}

}  // namespace

pid_t avvia(const std::filesystem::path& programma, const std::filesystem::path& errori, const Avvio& avvio) {
    std::vector<std::string> argomenti = {programma.string()};
    argomenti.insert(argomenti.end(), avvio.argomenti.begin(), avvio.argomenti.end());
    std::vector<std::string> ambiente = ambiente_senza_display();
    std::vector<char*> argv = puntatori(argomenti);
    std::vector<char*> envp = puntatori(ambiente);
    if (avvio.limite_file) {
        const pid_t pid = fork();
        if (pid < 0) throw std::system_error(errno, std::generic_category(), "fork");
        if (pid == 0)
            nel_figlio(programma.c_str(), avvio.uscita.c_str(), errori.c_str(),
                       static_cast<rlim_t>(*avvio.limite_file), argv.data(), envp.data());
        return pid;
    }
    posix_spawn_file_actions_t azioni;
    posix_spawn_file_actions_init(&azioni);
    posix_spawn_file_actions_addopen(&azioni, 1, avvio.uscita.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    posix_spawn_file_actions_addopen(&azioni, 2, errori.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    pid_t pid = 0;
    const int esito = posix_spawn(&pid, programma.c_str(), &azioni, nullptr, argv.data(), envp.data());
    posix_spawn_file_actions_destroy(&azioni);
    if (esito != 0) throw std::system_error(esito, std::generic_category(), programma.string());
    return pid;
}

int attendi(pid_t pid) {
    int stato = 0;
    while (waitpid(pid, &stato, 0) < 0)
        if (errno != EINTR) throw std::system_error(errno, std::generic_category(), "waitpid");
    return stato;
}

Durata cronometra(const std::filesystem::path& programma, const std::filesystem::path& errori) {
    const auto inizio = std::chrono::steady_clock::now();
    const int stato = attendi(avvia(programma, errori));
    const auto fine = std::chrono::steady_clock::now();
    return {std::chrono::duration_cast<std::chrono::microseconds>(fine - inizio), stato};
}

}  // namespace scenario::test

#endif
