// Decodes the cell file field by field, in the order codifica_celle writes
// them, checking the layout on the way.
#include "compiler/decodifica_celle.h"

#include <algorithm>

#include "compiler/codifica.h"
#include "compiler/lettura_binaria.h"

namespace scenario {
namespace {

using Risultato = Decodificato<std::vector<Cella>>;

Risultato difettoso(Controllo c, std::uint64_t posizione, std::string dettaglio) {
    return {{}, Difetto{c, posizione, std::move(dettaglio)}};
}

// The fields of one record; the caller has checked that 15 bytes remain.
Cella leggi_cella(LettoreByte& b) {
    Cella c;
    c.tipo = static_cast<decltype(c.tipo)>(b.u8());
    c.valore = b.i16();
    c.valore2 = b.i16();
    c.valore3 = b.i16();
    c.valore4 = b.i16();
    c.tempo = b.u8();
    c.ripetitore = b.u8();
    c.montagna = b.u8();
    c.velocita_cella = b.u8();
    c.pendenza_cella = b.u8();
    c.aderenza_cella = b.u8();
    return c;
}

std::uint8_t byte_tipo(const Cella& c) { return static_cast<std::uint8_t>(c.tipo); }

}  // namespace

bool tipo_cella_noto(std::uint8_t tipo) {
    switch (static_cast<TipoCella>(tipo)) {
        case TipoCella::vuota:
        case TipoCella::segnale:
        case TipoCella::fine_rallentamento:
        case TipoCella::inizio_rallentamento:
        case TipoCella::avviso_rallentamento:
        case TipoCella::approccio_rallentamento:
        case TipoCella::indicatore_velocita:
        case TipoCella::punto_fermata:
        case TipoCella::marcatore_montagna:
        case TipoCella::abbattimento:
        case TipoCella::abbattimento_senza_valore:
        case TipoCella::cartello_testo: return true;
    }
    return false;
}

Risultato decodifica_celle(std::string_view dati) {
    const std::size_t resto = dati.size() % byte_record_cella;
    if (resto != 0) {
        return difettoso(Controllo::celle_record_interi, dati.size() - resto,
                         "il file ha " + std::to_string(dati.size()) + " byte: l'ultimo record di cella ha " +
                             std::to_string(resto) + " byte invece di 15");
    }
    const std::size_t quante = dati.size() / byte_record_cella;
    const std::size_t minime = static_cast<std::size_t>(griglia_per(0)->numero_celle) + 1;
    if (quante < minime) {
        return difettoso(Controllo::celle_griglia_minima, dati.size(),
                         "il file ha " + std::to_string(quante) + " celle, meno delle " + std::to_string(minime) +
                             " di un percorso di 0 m");
    }
    Risultato r;
    r.dati.reserve(quante);
    LettoreByte b(dati);
    while (!b.alla_fine()) r.dati.push_back(leggi_cella(b));
    // Checks of meaning: the values stay, so a damaged file can still be looked at.
    const auto ignoto = std::ranges::find_if(r.dati, [](const Cella& c) { return !tipo_cella_noto(byte_tipo(c)); });
    if (ignoto != r.dati.end()) {
        const auto k = static_cast<std::size_t>(ignoto - r.dati.begin());
        r.difetto = Difetto{Controllo::celle_tipo, k * byte_record_cella,
                            "la cella " + std::to_string(k) + " ha il tipo " + std::to_string(byte_tipo(*ignoto)) +
                                ", che non esiste"};
    } else if (r.dati[cella_marcatore].valore != marcatore_celle) {
        r.difetto = Difetto{Controllo::celle_marcatore, cella_marcatore * byte_record_cella + 1,
                            "la cella 1 porta " + std::to_string(r.dati[cella_marcatore].valore) + " invece di " +
                                std::to_string(marcatore_celle)};
    }
    return r;
}

}  // namespace scenario
