// A small program for the message box tests: shows " Errore n. 1250" through
// the builder's own message layer and ends when the box has been closed.
#include "platform/messaggio.h"

int main() {
    scenario::mostra_messaggio(" Errore n. 1250");
    return 0;
}
