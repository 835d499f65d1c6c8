// Decodes the scenario table record by record, in the order codifica_voci
// writes the fields, checking the layout on the way.
#include "compiler/decodifica_tabella.h"

#include "compiler/codici_gara.h"
#include "compiler/codifica.h"
#include "compiler/lettura_binaria.h"

namespace scenario {
namespace {

using Risultato = Decodificato<Voci>;

constexpr std::size_t byte_prima_del_testo = 16;  // byte0 .. byte1 and the text's length
constexpr std::size_t byte_dopo_il_testo = byte_fissi_voce - byte_prima_del_testo;
constexpr std::size_t scarto_breve1 = 0;          // from the end of the text
constexpr std::size_t scarto_numero4 = byte_dopo_il_testo - 4;

Difetto difetto(Controllo c, std::uint64_t posizione, std::string dettaglio) {
    return Difetto{c, posizione, std::move(dettaglio)};
}

void leggi_prima_del_testo(LettoreByte& b, Voce& v) {
    v.byte0 = b.u8();
    v.numero1 = b.i32();
    v.numero2 = b.i32();
    v.numero3 = b.i32();
    v.byte1 = b.u8();
}

void leggi_dopo_il_testo(LettoreByte& b, Voce& v) {
    for (std::int16_t* breve : {&v.breve1, &v.breve2, &v.breve3, &v.breve4, &v.breve5}) *breve = b.i16();
    for (std::uint8_t* byte : {&v.byte2, &v.byte3, &v.byte4, &v.byte5}) *byte = b.u8();
    v.numero4 = b.i32();
}

std::string cut(std::size_t slot, const LettoreByte& b) {
    return "il record " + std::to_string(slot) + " è tagliato: il file finisce al byte " +
           std::to_string(b.dimensione());
}

// One record into v; the failed check when it does not fit the file.
std::optional<Difetto> leggi_voce(LettoreByte& b, std::size_t slot, Voce& v) {
    const std::size_t inizio = b.posizione();
    if (b.alla_fine()) {
        return difetto(Controllo::tabella_numero_record, inizio,
                       "il file finisce dopo " + std::to_string(slot) + " record invece di 87");
    }
    if (!b.restano(byte_prima_del_testo)) return difetto(Controllo::tabella_record_interi, inizio, cut(slot, b));
    leggi_prima_del_testo(b, v);
    const std::size_t lunghezza = b.u16();
    if (!b.restano(lunghezza)) {
        return difetto(Controllo::tabella_testo, inizio + byte_prima_del_testo - 2,
                       "il testo del record " + std::to_string(slot) + " dichiara " + std::to_string(lunghezza) +
                           " byte, ma il file ne ha solo " + std::to_string(b.dimensione() - b.posizione()) +
                           " dopo di esso");
    }
    v.stringa = std::string(b.byte(lunghezza));
    if (!b.restano(byte_dopo_il_testo)) return difetto(Controllo::tabella_record_interi, inizio, cut(slot, b));
    leggi_dopo_il_testo(b, v);
    return std::nullopt;
}

// Where a field after the text of `slot` starts, counted from the file's start.
std::uint64_t posizione_dopo_testo(const Voci& voci, std::size_t slot, std::size_t scarto) {
    std::uint64_t p = 0;
    for (std::size_t i = 0; i < slot; ++i) p += byte_fissi_voce + voci[i].stringa.size();
    return p + byte_prima_del_testo + voci[slot].stringa.size() + scarto;
}

std::optional<Difetto> verifica_marcatori(const Voci& voci) {
    const Voce& percorso = voci[slot::percorso];
    if (percorso.breve1 != marcatore_tabella) {
        return difetto(Controllo::tabella_marcatore, posizione_dopo_testo(voci, slot::percorso, scarto_breve1),
                       "il record 85 porta " + std::to_string(percorso.breve1) + " invece di " +
                           std::to_string(marcatore_tabella));
    }
    const std::int32_t atteso = codice_gara_st_di(voci);
    if (percorso.numero4 != atteso) {
        return difetto(Controllo::tabella_codice_gara, posizione_dopo_testo(voci, slot::percorso, scarto_numero4),
                       "il record 85 porta " + std::to_string(percorso.numero4) + ", ma percorso e treno dei " +
                           "record 85 e 86 danno " + std::to_string(atteso));
    }
    return std::nullopt;
}

Stato stato_con(const Voci& voci) {
    Stato s;
    s.voci = voci;
    return s;
}

}  // namespace

std::int32_t codice_gara_st_di(const Voci& voci) {
    Stato s = stato_con(voci);
    return codice_gara_st(s);
}

std::int32_t codice_gara_og_di(const Voci& voci) {
    Stato s = stato_con(voci);
    return codice_gara_og(s);
}

Risultato decodifica_tabella(std::string_view dati) {
    Risultato r;
    LettoreByte b(dati);
    for (std::size_t slot = 0; slot < slot::numero_voci; ++slot) {
        if (auto d = leggi_voce(b, slot, r.dati[slot])) return {{}, std::move(d)};
    }
    if (!b.alla_fine()) {
        return {{}, difetto(Controllo::tabella_numero_record, b.posizione(),
                            "dopo il record 86 restano " + std::to_string(dati.size() - b.posizione()) + " byte")};
    }
    r.difetto = verifica_marcatori(r.dati);  // checks of meaning: the values stay
    return r;
}

}  // namespace scenario
