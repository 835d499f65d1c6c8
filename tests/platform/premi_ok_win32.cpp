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

std::vector<std::wstring> testi_della(HWND scatola) {
    std::vector<std::wstring> testi;
    EnumChildWindows(scatola, raccogli_testi, reinterpret_cast<LPARAM>(&testi));
    return testi;
}

bool mostra(const std::vector<std::wstring>& testi, const std::wstring& atteso) {
    for (const std::wstring& t : testi)
        if (t == atteso) return true;
    return false;
}

// The box's icon: a static of the icon kind holding one.
BOOL CALLBACK cerca_icona(HWND figlia, LPARAM trovata) {
    const LONG_PTR stile = GetWindowLongPtrW(figlia, GWL_STYLE);
    if (_wcsicmp(classe_di(figlia).c_str(), L"Static") == 0 && (stile & SS_TYPEMASK) == SS_ICON &&
        SendMessageW(figlia, STM_GETICON, 0, 0) != 0)
        *reinterpret_cast<bool*>(trovata) = true;
    return TRUE;
}

bool ha_icona(HWND scatola) {
    bool trovata = false;
    EnumChildWindows(scatola, cerca_icona, reinterpret_cast<LPARAM>(&trovata));
    return trovata;
}

// What the helper saw of the box when it gave up or succeeded.
struct Visto {
    HWND scatola = nullptr;
    bool testo = false;
    HWND ok = nullptr;
    std::size_t testi = 0;
    bool icona = false;
};

// A box can be found before its text and button exist: look again until
// both are there or the time is up.
Visto attendi_scatola(const std::wstring& atteso, int secondi) {
    const std::wstring titolo = scenario::testo_largo(scenario::titolo_messaggi);
    Visto visto;
    for (int i = 0; i < secondi * 10; ++i) {
        if (HWND scatola = FindWindowW(L"#32770", titolo.c_str()); scatola && IsWindowVisible(scatola)) {
            const auto testi = testi_della(scatola);
            visto = {scatola, mostra(testi, atteso), GetDlgItem(scatola, IDOK), testi.size(), ha_icona(scatola)};
            if (visto.testo && visto.ok) return visto;
        }
        Sleep(100);
    }
    return visto;
}

}  // namespace

// Usage: premi_ok TEXT [SECONDS]. Exits 0 when a box showed exactly TEXT,
// with the error icon every box of the builder has, and OK was pressed; 1
// when the text differed or the icon was missing; 2 when no box came in time.
int main(int argc, char** argv) {
    if (argc < 2) {
        std::fputs("uso: premi_ok TESTO [SECONDI]\n", stderr);
        return 2;
    }
    const std::wstring atteso = scenario::testo_largo(argv[1]);
    const Visto visto = attendi_scatola(atteso, argc > 2 ? std::atoi(argv[2]) : 30);
    if (visto.scatola == nullptr) {
        std::fputs("premi_ok: nessuna scatola in tempo\n", stderr);
        return 2;
    }
    if (visto.ok != nullptr)
        PostMessageW(visto.scatola, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), reinterpret_cast<LPARAM>(visto.ok));
    if (!visto.testo) std::fprintf(stderr, "premi_ok: testo diverso (%zu testi nella scatola)\n", visto.testi);
    if (visto.ok == nullptr) std::fputs("premi_ok: nessun bottone OK\n", stderr);
    if (!visto.icona) std::fputs("premi_ok: nessuna icona\n", stderr);
    return visto.testo && visto.ok != nullptr && visto.icona ? 0 : 1;
}
