// The temporaries' register on Windows: the console's control handler runs
// on a thread of its own, so a recursive mutex keeps it out of a
// SezioneProtetta, and it ends the process itself once it has cleaned up.
#include <windows.h>

#include <algorithm>
#include <mutex>
#include <string>
#include <vector>

#include "platform/temporanei.h"

namespace scenario {
namespace {

std::recursive_mutex& custode() {
    static std::recursive_mutex m;
    return m;
}

std::vector<std::wstring>& registro() {
    static std::vector<std::wstring> r;
    return r;
}

// Ctrl-C, Ctrl-Break, the console closed, logoff, shutdown: all end us.
BOOL WINAPI al_controllo(DWORD) {
    const std::lock_guard<std::recursive_mutex> chiave(custode());
    rimuovi_temporanei();
    // At once, as Windows ends a process on Ctrl-C, and while the register
    // is still held, so no new temporary can appear.
    TerminateProcess(GetCurrentProcess(), STATUS_CONTROL_C_EXIT);
    return TRUE;
}

}  // namespace

SezioneProtetta::SezioneProtetta() { custode().lock(); }
SezioneProtetta::~SezioneProtetta() { custode().unlock(); }

void registra_temporaneo(const std::filesystem::path& p) {
    static std::once_flag una_volta;
    std::call_once(una_volta, [] { SetConsoleCtrlHandler(al_controllo, TRUE); });
    const std::lock_guard<std::recursive_mutex> chiave(custode());
    registro().push_back(p.native());
}

void dimentica_temporaneo(const std::filesystem::path& p) {
    const std::lock_guard<std::recursive_mutex> chiave(custode());
    auto& r = registro();
    if (const auto it = std::find(r.begin(), r.end(), p.native()); it != r.end()) r.erase(it);
}

void rimuovi_temporanei() {
    const std::lock_guard<std::recursive_mutex> chiave(custode());
    for (const std::wstring& p : registro()) DeleteFileW(p.c_str());
    registro().clear();
}

}  // namespace scenario
