// The modal message box on X11: the text and an OK button, and nothing else
// happens until the person closes it with the button, Enter, Space, Escape
// or the window's close box.
#include <X11/Xatom.h>
#include <X11/Xft/Xft.h>
#include <X11/Xutil.h>
#include <X11/keysym.h>

#include <poll.h>

#include <algorithm>
#include <cerrno>
#include <array>
#include <string>
#include <vector>

#include "platform/a_capo.h"
#include "platform/carattere_x11.h"
#include "platform/connessione_x11.h"
#include "platform/messaggio.h"
#include "platform/proprieta_x11.h"
#include "platform/schermo.h"
#include "platform/testo_utf8.h"

namespace scenario {
namespace {

constexpr std::array<const char*, 2> famiglie_messaggio = {"Liberation Sans", "sans-serif"};
constexpr int pixel_testo = 15;
constexpr int peso_normale = 400;
constexpr int margine = 16;
constexpr int larghezza_testo_massima = 480;
constexpr int larghezza_minima = 240;
constexpr unsigned bottone_larghezza = 75;
constexpr unsigned bottone_altezza = 23;
constexpr int sotto_bottone = 12;
constexpr std::string_view scritta_bottone = "OK";

enum Colore { fondo, inchiostro, faccia_bottone, bordo_bottone, bottone_premuto, numero_colori };
constexpr std::array<XRenderColor, numero_colori> valori_colori = {{
    {0xF0F0, 0xF0F0, 0xF0F0, 0xFFFF},
    {0x0000, 0x0000, 0x0000, 0xFFFF},
    {0xE1E1, 0xE1E1, 0xE1E1, 0xFFFF},
    {0x0000, 0x7878, 0xD7D7, 0xFFFF},
    {0xCCCC, 0xE4E4, 0xF7F7, 0xFFFF},
}};

// Where everything of the box goes, in pixels.
struct Disposizione {
    std::vector<std::string> righe;
    int larghezza = 0;
    int altezza = 0;
    int prima_linea = 0;  // baseline of the first line
    int passo_riga = 0;   // baseline to baseline
    XRectangle bottone{};
};

class ScatolaX11 {
public:
    explicit ScatolaX11(ConnessioneX11& c) : c_(c), carattere_(nullptr, ChiudiCarattere{&c}) {}
    ~ScatolaX11();
    ScatolaX11(const ScatolaX11&) = delete;
    ScatolaX11& operator=(const ScatolaX11&) = delete;

    // Builds the box and puts it on screen; false if the display failed.
    bool apri(std::string_view testo);
    // Answers the box's events until it is closed; false if the display died first.
    bool attendi_chiusura();

private:
    Display* d() const { return c_.display(); }
    int schermo() const { return DefaultScreen(d()); }
    int misura(std::string_view testo) const;
    bool alloca_colori();
    void disponi(std::string_view testo);
    void crea_finestra();
    void disegna();
    void disegna_bottone();
    bool sul_bottone(int x, int y) const;
    bool chiude(XEvent& evento);

    ConnessioneX11& c_;
    CarattereX11 carattere_;
    std::array<XftColor, numero_colori> colori_{};
    bool colori_allocati_ = false;
    Disposizione disp_;
    Window finestra_ = None;
    XftDraw* pennello_ = nullptr;
    GC gc_ = nullptr;
    Atom wm_protocols_ = None;
    Atom wm_delete_ = None;
    bool premuto_ = false;
};

ScatolaX11::~ScatolaX11() {
    if (!c_.viva()) return;
    if (pennello_ != nullptr) XftDrawDestroy(pennello_);
    if (gc_ != nullptr) XFreeGC(d(), gc_);
    if (finestra_ != None) XDestroyWindow(d(), finestra_);
    if (colori_allocati_)
        for (XftColor& colore : colori_) XftColorFree(d(), DefaultVisual(d(), schermo()), DefaultColormap(d(), schermo()), &colore);
    c_.sincronizza();
}

bool ScatolaX11::apri(std::string_view testo) {
    carattere_ = apri_carattere(c_, famiglie_messaggio, pixel_testo, peso_normale);
    if (!carattere_ || !alloca_colori()) return false;
    disponi(testo_utf8(testo));
    crea_finestra();
    XMapRaised(d(), finestra_);
    return c_.sincronizza();
}

int ScatolaX11::misura(std::string_view testo) const {
    XGlyphInfo info{};
    XftTextExtentsUtf8(d(), carattere_.get(), reinterpret_cast<const FcChar8*>(testo.data()),
                       static_cast<int>(testo.size()), &info);
    return info.xOff;
}

bool ScatolaX11::alloca_colori() {
    std::size_t n = 0;
    while (n < colori_.size() &&
           XftColorAllocValue(d(), DefaultVisual(d(), schermo()), DefaultColormap(d(), schermo()), &valori_colori[n], &colori_[n]))
        ++n;
    colori_allocati_ = n == colori_.size();
    if (!colori_allocati_)
        for (std::size_t i = 0; i < n; ++i) XftColorFree(d(), DefaultVisual(d(), schermo()), DefaultColormap(d(), schermo()), &colori_[i]);
    return colori_allocati_ && c_.viva();
}

void ScatolaX11::disponi(std::string_view testo) {
    disp_.righe = a_capo(testo, larghezza_testo_massima, [this](std::string_view t) { return misura(t); });
    int piu_larga = 0;
    for (const std::string& riga : disp_.righe) piu_larga = std::max(piu_larga, misura(riga));
    disp_.larghezza = std::max(larghezza_minima, piu_larga + 2 * margine);
    disp_.passo_riga = carattere_->height;
    disp_.prima_linea = margine + carattere_->ascent;
    const int fine_testo = margine + disp_.passo_riga * static_cast<int>(disp_.righe.size());
    disp_.bottone = {static_cast<short>((disp_.larghezza - static_cast<int>(bottone_larghezza)) / 2),
                     static_cast<short>(fine_testo + margine), bottone_larghezza, bottone_altezza};
    disp_.altezza = disp_.bottone.y + static_cast<int>(bottone_altezza) + sotto_bottone;
}

void ScatolaX11::crea_finestra() {
    const char* const nomi[] = {"WM_PROTOCOLS", "WM_DELETE_WINDOW", "_NET_WM_WINDOW_TYPE", "_NET_WM_WINDOW_TYPE_DIALOG",
                                "_NET_WM_STATE", "_NET_WM_STATE_ABOVE"};
    Atom atomi[6];
    interna_atomi(d(), nomi, atomi);
    wm_protocols_ = atomi[0];
    wm_delete_ = atomi[1];
    // In the middle of the screen, where a person looks for a question.
    const int x = std::max(0, (DisplayWidth(d(), schermo()) - disp_.larghezza) / 2);
    const int y = std::max(0, (DisplayHeight(d(), schermo()) - disp_.altezza) / 2);
    XSetWindowAttributes attributi{};
    attributi.background_pixel = colori_[fondo].pixel;
    attributi.event_mask = ExposureMask | KeyPressMask | ButtonPressMask | ButtonReleaseMask | StructureNotifyMask;
    finestra_ = XCreateWindow(d(), RootWindow(d(), schermo()), x, y, static_cast<unsigned>(disp_.larghezza),
                              static_cast<unsigned>(disp_.altezza), 0, CopyFromParent, InputOutput, CopyFromParent,
                              CWBackPixel | CWEventMask, &attributi);
    imposta_proprieta(d(), finestra_, titolo_messaggi, Sagoma{x, y, disp_.larghezza, disp_.altezza, true}, wm_delete_);
    XChangeProperty(d(), finestra_, atomi[2], XA_ATOM, 32, PropModeReplace, reinterpret_cast<unsigned char*>(&atomi[3]), 1);
    XChangeProperty(d(), finestra_, atomi[4], XA_ATOM, 32, PropModeReplace, reinterpret_cast<unsigned char*>(&atomi[5]), 1);
    XWMHints hint{};
    hint.flags = InputHint;
    hint.input = True;
    XSetWMHints(d(), finestra_, &hint);
    pennello_ = XftDrawCreate(d(), finestra_, DefaultVisual(d(), schermo()), DefaultColormap(d(), schermo()));
    gc_ = XCreateGC(d(), finestra_, 0, nullptr);
}

void ScatolaX11::disegna() {
    XClearWindow(d(), finestra_);
    for (std::size_t i = 0; i < disp_.righe.size(); ++i) {
        const std::string& riga = disp_.righe[i];
        XftDrawStringUtf8(pennello_, &colori_[inchiostro], carattere_.get(), margine,
                          disp_.prima_linea + disp_.passo_riga * static_cast<int>(i),
                          reinterpret_cast<const FcChar8*>(riga.data()), static_cast<int>(riga.size()));
    }
    disegna_bottone();
}

void ScatolaX11::disegna_bottone() {
    const XRectangle& b = disp_.bottone;
    XSetForeground(d(), gc_, colori_[premuto_ ? bottone_premuto : faccia_bottone].pixel);
    XFillRectangle(d(), finestra_, gc_, b.x, b.y, b.width, b.height);
    XSetForeground(d(), gc_, colori_[bordo_bottone].pixel);
    XDrawRectangle(d(), finestra_, gc_, b.x, b.y, b.width - 1u, b.height - 1u);
    const int x = b.x + (static_cast<int>(b.width) - misura(scritta_bottone)) / 2;
    const int y = b.y + (static_cast<int>(b.height) + carattere_->ascent - carattere_->descent) / 2;
    XftDrawStringUtf8(pennello_, &colori_[inchiostro], carattere_.get(), x, y,
                      reinterpret_cast<const FcChar8*>(scritta_bottone.data()), static_cast<int>(scritta_bottone.size()));
}

bool ScatolaX11::sul_bottone(int x, int y) const {
    const XRectangle& b = disp_.bottone;
    return x >= b.x && x < b.x + static_cast<int>(b.width) && y >= b.y && y < b.y + static_cast<int>(b.height);
}

// The keys that press a message box's only button.
bool tasto_di_chiusura(KeySym tasto) {
    return tasto == XK_Return || tasto == XK_KP_Enter || tasto == XK_space || tasto == XK_Escape;
}

bool ScatolaX11::chiude(XEvent& evento) {
    switch (evento.type) {
        case Expose:
            if (evento.xexpose.count == 0) disegna();
            return false;
        case MapNotify:
            // Keys work without a window manager too; with one, it may refuse.
            XSetInputFocus(d(), finestra_, RevertToParent, CurrentTime);
            return false;
        case KeyPress: return tasto_di_chiusura(XLookupKeysym(&evento.xkey, 0));
        case ButtonPress:
            if (evento.xbutton.button != Button1 || !sul_bottone(evento.xbutton.x, evento.xbutton.y)) return false;
            premuto_ = true;
            disegna_bottone();
            return false;
        case ButtonRelease: {
            if (evento.xbutton.button != Button1 || !premuto_) return false;
            premuto_ = false;
            disegna_bottone();
            return sul_bottone(evento.xbutton.x, evento.xbutton.y);
        }
        case ClientMessage:
            return evento.xclient.message_type == wm_protocols_ &&
                   static_cast<Atom>(evento.xclient.data.l[0]) == wm_delete_;
        default: return false;
    }
}

// Sleeps until the server sends something or hangs up.
void attendi_dal_server(int presa) {
    pollfd attesa{presa, POLLIN, 0};
    while (poll(&attesa, 1, -1) < 0 && errno == EINTR) {
    }
}

// XNextEvent is called only with an event already queued: on a connection
// that breaks while it waits, Xlib's XNextEvent reads from an empty queue.
// XPending notices the break, and the loss is recorded before it returns.
bool ScatolaX11::attendi_chiusura() {
    XEvent evento{};
    while (c_.viva()) {
        if (XPending(d()) == 0) {
            if (c_.viva()) attendi_dal_server(ConnectionNumber(d()));
            continue;
        }
        XNextEvent(d(), &evento);
        if (chiude(evento)) return true;
    }
    return false;
}

}  // namespace

bool mostra_messaggio_schermo(std::string_view testo) {
    ConnessioneX11 connessione;
    if (!connessione.viva()) return false;
    ScatolaX11 scatola(connessione);
    return scatola.apri(testo) && scatola.attendi_chiusura();
}

}  // namespace scenario
