// The builder's window on X11: title "B", a fixed 280 x 179 client area, and
// the label "Attendere" drawn once into the window's background picture.
#include <X11/Xft/Xft.h>

#include <array>
#include <memory>

#include "platform/attesa_di_prova.h"
#include "platform/carattere_x11.h"
#include "platform/connessione_x11.h"
#include "platform/disegno_form1.h"
#include "platform/proprieta_x11.h"
#include "platform/schermo.h"

// The server repaints a window's background by itself whenever the window
// shows, so the label stays on screen while the run answers no window events.
namespace scenario {
namespace {

// "MS Sans Serif" is a Windows font; Liberation Sans Bold at 32 px still fits
// "Attendere" in the label. A wider substitute (DejaVu Sans Bold) is made
// smaller until the whole word fits.
constexpr std::array<const char*, 3> famiglie_etichetta = {"MS Sans Serif", "Liberation Sans", "sans-serif"};

constexpr XRenderColor grigio_finestra = {0xF0F0, 0xF0F0, 0xF0F0, 0xFFFF};
constexpr XRenderColor nero = {0, 0, 0, 0xFFFF};

class FinestraX11 final : public Finestra {
public:
    explicit FinestraX11(std::unique_ptr<ConnessioneX11> connessione) : c_(std::move(connessione)) {}
    ~FinestraX11() override { distruggi(); }
    FinestraX11(const FinestraX11&) = delete;
    FinestraX11& operator=(const FinestraX11&) = delete;

    // The picture and the window, not yet shown; false if the display failed.
    bool costruisci();

    void mostra() override;
    void ridisegna() override;
    void distruggi() override;

private:
    bool alloca_colori();
    bool disegna_sfondo();
    void disegna_etichetta(XftFont* carattere);
    bool crea_finestra();

    Display* d() const { return c_->display(); }
    int schermo() const { return DefaultScreen(d()); }

    std::unique_ptr<ConnessioneX11> c_;
    XftColor fondo_{};
    XftColor testo_{};
    bool colori_ = false;
    Pixmap sfondo_ = None;
    Window finestra_ = None;
};

bool FinestraX11::costruisci() { return alloca_colori() && disegna_sfondo() && crea_finestra() && c_->sincronizza(); }

bool FinestraX11::alloca_colori() {
    Visual* v = DefaultVisual(d(), schermo());
    Colormap m = DefaultColormap(d(), schermo());
    if (!XftColorAllocValue(d(), v, m, &grigio_finestra, &fondo_)) return false;
    if (!XftColorAllocValue(d(), v, m, &nero, &testo_)) {
        XftColorFree(d(), v, m, &fondo_);
        return false;
    }
    colori_ = true;
    return c_->viva();
}

bool FinestraX11::disegna_sfondo() {
    sfondo_ = XCreatePixmap(d(), RootWindow(d(), schermo()), disegno::larghezza, disegno::altezza,
                            static_cast<unsigned>(DefaultDepth(d(), schermo())));
    GC gc = XCreateGC(d(), sfondo_, 0, nullptr);
    XSetForeground(d(), gc, fondo_.pixel);
    XFillRectangle(d(), sfondo_, gc, 0, 0, disegno::larghezza, disegno::altezza);
    XFreeGC(d(), gc);
    CarattereX11 carattere = apri_carattere_che_entra(*c_, famiglie_etichetta, disegno::pixel, disegno::peso,
                                                      disegno::testo, disegno::etichetta_larghezza,
                                                      disegno::pixel_minimi);
    if (!carattere) return false;
    disegna_etichetta(carattere.get());
    return c_->viva();
}

// The label's text at its top left corner, clipped to its rectangle as the
// designer's label clips it.
void FinestraX11::disegna_etichetta(XftFont* carattere) {
    XftDraw* pennello = XftDrawCreate(d(), sfondo_, DefaultVisual(d(), schermo()), DefaultColormap(d(), schermo()));
    if (pennello == nullptr) return;
    XRectangle etichetta{disegno::etichetta_x, disegno::etichetta_y, disegno::etichetta_larghezza,
                         disegno::etichetta_altezza};
    XftDrawSetClipRectangles(pennello, 0, 0, &etichetta, 1);
    XftDrawStringUtf8(pennello, &testo_, carattere, disegno::etichetta_x, disegno::etichetta_y + carattere->ascent,
                      reinterpret_cast<const FcChar8*>(disegno::testo.data()), static_cast<int>(disegno::testo.size()));
    XftDrawDestroy(pennello);
}

bool FinestraX11::crea_finestra() {
    const char* const nomi[] = {"WM_DELETE_WINDOW"};
    Atom atomi[1];
    interna_atomi(d(), nomi, atomi);
    XSetWindowAttributes attributi{};
    attributi.background_pixmap = sfondo_;
    attributi.event_mask = NoEventMask;  // the run answers none
    finestra_ = XCreateWindow(d(), RootWindow(d(), schermo()), 0, 0, disegno::larghezza, disegno::altezza, 0,
                              CopyFromParent, InputOutput, CopyFromParent, CWBackPixmap | CWEventMask, &attributi);
    // With WM_DELETE_WINDOW the close box asks, and nobody answers; without
    // it the window manager would cut the connection.
    imposta_proprieta(d(), finestra_, disegno::titolo, Sagoma{0, 0, disegno::larghezza, disegno::altezza, false},
                      atomi[0]);
    return c_->viva();
}

void FinestraX11::mostra() {
    if (!c_->viva() || finestra_ == None) return;
    XMapRaised(d(), finestra_);
    c_->sincronizza();
}

void FinestraX11::ridisegna() {
    if (!c_->viva() || finestra_ == None) return;
    XClearWindow(d(), finestra_);
    if (c_->sincronizza()) trattieni_per_prova();
}

void FinestraX11::distruggi() {
    if (c_->viva()) {
        if (finestra_ != None) XDestroyWindow(d(), finestra_);
        if (sfondo_ != None) XFreePixmap(d(), sfondo_);
        if (colori_) {
            XftColorFree(d(), DefaultVisual(d(), schermo()), DefaultColormap(d(), schermo()), &fondo_);
            XftColorFree(d(), DefaultVisual(d(), schermo()), DefaultColormap(d(), schermo()), &testo_);
        }
        c_->sincronizza();
    }
    finestra_ = None;
    sfondo_ = None;
    colori_ = false;
}

}  // namespace

std::unique_ptr<Finestra> crea_finestra_schermo() {
    auto connessione = std::make_unique<ConnessioneX11>();
    if (!connessione->viva()) return nullptr;
    auto finestra = std::make_unique<FinestraX11>(std::move(connessione));
    if (!finestra->costruisci()) return nullptr;
    return finestra;
}

}  // namespace scenario
