// A small program for the message box tests: shows " Errore n. 1250" through
// the builder's own messages and ends when the box has been closed.
#include "platform/schermo.h"

int main() {
    scenario::crea_messaggi()->mostra(" Errore n. 1250");
    return 0;
}
