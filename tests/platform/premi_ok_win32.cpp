// Test helper on Windows: waits for the message box titled "crea_scenario",
// checks its text and presses its OK button, as a person would.
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "platform/messaggio.h"
#include "platform/testo_largo_win32.h"

namespace {

std::wstring testo_di(HWND finestra) {
    std::vector<wchar_t> buffer(static_cast<std::size_t>(GetWindowTextLengthW(finestra)) + 1);
    const int n = GetWindowTextW(finestra, buffer.data(), static_cast<int>(buffer.size()));
    return std::wstring(buffer.data(), static_cast<std::size_t>(n));
}

std::wstring classe_di(HWND finestra) {
    wchar_t nome[64] = {};
    GetClassNameW(finestra, nome, 64);
    return nome;
}

// Every non-empty static text of the box: the icon is a static without text.
BOOL CALLBACK raccogli_testi(HWND figlia, LPARAM testi) {
    if (_wcsicmp(classe_di(figlia).c_str(), L"Static") == 0 && GetWindowTextLengthW(figlia) > 0)
        reinterpret_cast<std::vector<std::wstring>*>(testi)->push_back(testo_di(figlia));
    return TRUE;
}

HWND attendi_scatola(int secondi) {
    const std::wstring titolo = scenario::testo_largo(scenario::titolo_messaggi);
    for (int i = 0; i < secondi * 10; ++i) {
        if (HWND scatola = FindWindowW(L"#32770", titolo.c_str())) return scatola;
        Sleep(100);
    }
    return nullptr;
}

}  // namespace

// Usage: premi_ok TEXT [SECONDS]. Exits 0 when a box showed exactly TEXT and
// OK was pressed; 1 when the text differed; 2 when no box came in time.
int main(int argc, char** argv) {
    if (argc < 2) {
        std::fputs("uso: premi_ok TESTO [SECONDI]\n", stderr);
        return 2;
    }
    const std::wstring atteso = scenario::testo_largo(argv[1]);
    HWND scatola = attendi_scatola(argc > 2 ? std::atoi(argv[2]) : 30);
    if (scatola == nullptr) {
        std::fputs("premi_ok: nessuna scatola in tempo\n", stderr);
        return 2;
    }
    std::vector<std::wstring> testi;
    EnumChildWindows(scatola, raccogli_testi, reinterpret_cast<LPARAM>(&testi));
    bool trovato = false;
    for (const std::wstring& t : testi) trovato = trovato || t == atteso;
    HWND ok = GetDlgItem(scatola, IDOK);
    if (ok != nullptr) PostMessageW(scatola, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), reinterpret_cast<LPARAM>(ok));
    if (!trovato) std::fprintf(stderr, "premi_ok: testo diverso (%zu testi nella scatola)\n", testi.size());
    if (ok == nullptr) std::fputs("premi_ok: nessun bottone OK\n", stderr);
    return trovato && ok != nullptr ? 0 : 1;
}
