// How a failing test prints the model's names: a cell type by its name and
// number, never as a raw byte.
#pragma once

#include <ostream>

#include "compiler/modello.h"

namespace scenario {

inline const char* nome_tipo(TipoCella t) {
    switch (t) {
        case TipoCella::vuota: return "vuota";
        case TipoCella::segnale: return "segnale";
        case TipoCella::fine_rallentamento: return "fine_rallentamento";
        case TipoCella::inizio_rallentamento: return "inizio_rallentamento";
        case TipoCella::avviso_rallentamento: return "avviso_rallentamento";
        case TipoCella::approccio_rallentamento: return "approccio_rallentamento";
        case TipoCella::indicatore_velocita: return "indicatore_velocita";
        case TipoCella::punto_fermata: return "punto_fermata";
        case TipoCella::marcatore_montagna: return "marcatore_montagna";
        case TipoCella::abbattimento: return "abbattimento";
        case TipoCella::abbattimento_senza_valore: return "abbattimento_senza_valore";
        case TipoCella::cartello_testo: return "cartello_testo";
    }
    return "?";
}

inline void PrintTo(TipoCella t, std::ostream* os) { *os << nome_tipo(t) << " (" << static_cast<int>(t) << ")"; }

}  // namespace scenario
