// The builder's window on Windows: title "B", a 280 x 179 client area and a
// static label "Attendere" in MS Sans Serif, 24 points, bold. The window is
// painted once with UpdateWindow; the run pumps no messages after that.
#include <windows.h>

#include <memory>

#include "platform/attesa_di_prova.h"
#include "platform/disegno_form1.h"
#include "platform/schermo.h"
#include "platform/testo_largo_win32.h"

namespace scenario {
namespace {

constexpr wchar_t nome_classe[] = L"scenario_Form1";
// A fixed single border: a title bar and a close box, no resizing.
constexpr DWORD stile = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX;

class FinestraWin32 final : public Finestra {
public:
    FinestraWin32() : istanza_(GetModuleHandleW(nullptr)) {}
    ~FinestraWin32() override { distruggi(); }
    FinestraWin32(const FinestraWin32&) = delete;
    FinestraWin32& operator=(const FinestraWin32&) = delete;

    // The window and its label, not yet shown; false if Windows refused.
    bool costruisci();

    void mostra() override;
    void ridisegna() override;
    void distruggi() override;

private:
    bool registra_classe();
    HFONT crea_carattere() const;

    HINSTANCE istanza_;
    bool classe_ = false;
    HWND finestra_ = nullptr;
    HWND etichetta_ = nullptr;
    HFONT carattere_ = nullptr;
};

bool FinestraWin32::registra_classe() {
    WNDCLASSEXW classe{};
    classe.cbSize = sizeof classe;
    classe.lpfnWndProc = DefWindowProcW;  // the run answers no messages of its own
    classe.hInstance = istanza_;
    classe.hCursor = LoadCursorW(nullptr, MAKEINTRESOURCEW(32512));  // IDC_ARROW
    classe.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    classe.lpszClassName = nome_classe;
    classe_ = RegisterClassExW(&classe) != 0;
    return classe_;
}

HFONT carattere_di_altezza(int altezza) {
    const std::wstring nome = testo_largo(disegno::carattere);
    return CreateFontW(altezza, 0, 0, 0, disegno::peso, FALSE, FALSE, FALSE, ANSI_CHARSET, OUT_DEFAULT_PRECIS,
                       CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH | FF_DONTCARE, nome.c_str());
}

// The width of the label's text in `carattere` on the screen; 0 when it
// cannot be measured.
int larghezza_testo(HDC schermo, HFONT carattere) {
    const std::wstring testo = testo_largo(disegno::testo);
    const HGDIOBJ prima = SelectObject(schermo, carattere);
    SIZE misura{};
    const bool misurato = GetTextExtentPoint32W(schermo, testo.c_str(), static_cast<int>(testo.size()), &misura);
    SelectObject(schermo, prima);
    return misurato ? misura.cx : 0;
}

// Points to pixels at the screen's own resolution, as the designer's font is
// sized. Where Windows substitutes a wider face for MS Sans Serif, the size
// steps down until the whole text fits the label, never cutting its last letter.
HFONT FinestraWin32::crea_carattere() const {
    HDC schermo = GetDC(nullptr);
    int altezza = MulDiv(disegno::punti, GetDeviceCaps(schermo, LOGPIXELSY), 72);
    HFONT carattere = carattere_di_altezza(-altezza);
    while (carattere != nullptr && altezza > disegno::pixel_minimi &&
           larghezza_testo(schermo, carattere) > disegno::etichetta_larghezza) {
        HFONT piu_piccolo = carattere_di_altezza(-(--altezza));
        if (piu_piccolo == nullptr) break;
        DeleteObject(carattere);
        carattere = piu_piccolo;
    }
    ReleaseDC(nullptr, schermo);
    return carattere;
}

bool FinestraWin32::costruisci() {
    if (!registra_classe()) return false;
    RECT area{0, 0, disegno::larghezza, disegno::altezza};
    AdjustWindowRectEx(&area, stile, FALSE, 0);
    const std::wstring titolo = testo_largo(disegno::titolo);
    finestra_ = CreateWindowExW(0, nome_classe, titolo.c_str(), stile, CW_USEDEFAULT, CW_USEDEFAULT,
                                area.right - area.left, area.bottom - area.top, nullptr, nullptr, istanza_, nullptr);
    if (finestra_ == nullptr) return false;
    const std::wstring testo = testo_largo(disegno::testo);
    etichetta_ = CreateWindowExW(0, L"STATIC", testo.c_str(), WS_CHILD | WS_VISIBLE | SS_LEFT | SS_NOPREFIX,
                                 disegno::etichetta_x, disegno::etichetta_y, disegno::etichetta_larghezza,
                                 disegno::etichetta_altezza, finestra_, nullptr, istanza_, nullptr);
    if (etichetta_ == nullptr) return false;
    carattere_ = crea_carattere();
    if (carattere_ != nullptr) SendMessageW(etichetta_, WM_SETFONT, reinterpret_cast<WPARAM>(carattere_), FALSE);
    return true;
}

void FinestraWin32::mostra() {
    if (finestra_ != nullptr) ShowWindow(finestra_, SW_SHOWNORMAL);
}

void FinestraWin32::ridisegna() {
    if (finestra_ == nullptr) return;
    UpdateWindow(finestra_);
    UpdateWindow(etichetta_);
    trattieni_per_prova();
}

void FinestraWin32::distruggi() {
    if (finestra_ != nullptr) DestroyWindow(finestra_);  // takes the label along
    if (carattere_ != nullptr) DeleteObject(carattere_);
    if (classe_) UnregisterClassW(nome_classe, istanza_);
    finestra_ = etichetta_ = nullptr;
    carattere_ = nullptr;
    classe_ = false;
}

}  // namespace

std::unique_ptr<Finestra> crea_finestra_schermo() {
    auto finestra = std::make_unique<FinestraWin32>();
    if (!finestra->costruisci()) return nullptr;
    return finestra;
}

}  // namespace scenario
