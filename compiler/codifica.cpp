// Writes the compiled files field by field, little-endian, in the order of
// their records; the static_asserts tie the record sizes to the field types.
#include "compiler/codifica.h"

#include <algorithm>
#include <bit>

#include "compiler/scrittura_binaria.h"

namespace scenario {
namespace {

static_assert(sizeof(Cella::tipo) + sizeof(Cella::valore) + sizeof(Cella::valore2) + sizeof(Cella::valore3) +
                      sizeof(Cella::valore4) + sizeof(Cella::tempo) + sizeof(Cella::ripetitore) +
                      sizeof(Cella::montagna) + sizeof(Cella::velocita_cella) + sizeof(Cella::pendenza_cella) +
                      sizeof(Cella::aderenza_cella) ==
                  byte_record_cella,
              "a cell record is 15 bytes");

static_assert(sizeof(Voce::byte0) + sizeof(Voce::numero1) + sizeof(Voce::numero2) + sizeof(Voce::numero3) +
                      sizeof(Voce::byte1) + sizeof(std::uint16_t) + 5 * sizeof(Voce::breve1) +
                      4 * sizeof(Voce::byte2) + sizeof(Voce::numero4) ==
                  byte_fissi_voce,
              "a general record is 34 bytes before its text");

static_assert(sizeof(Elemento::intero) == 2 && sizeof(Elemento::doppio) == 8 && sizeof(Elemento::Tag) == 2,
              "geometry values are an i16 or a double behind a u16 tag");

void codifica_cella(std::string& out, const Cella& c) {
    put_u8(out, static_cast<std::uint8_t>(c.tipo));
    put_i16le(out, c.valore);
    put_i16le(out, c.valore2);
    put_i16le(out, c.valore3);
    put_i16le(out, c.valore4);
    put_u8(out, c.tempo);
    put_u8(out, c.ripetitore);
    put_u8(out, c.montagna);
    put_u8(out, c.velocita_cella);
    put_u8(out, c.pendenza_cella);
    put_u8(out, c.aderenza_cella);
}

void codifica_voce(std::string& out, const Voce& v) {
    put_u8(out, v.byte0);
    put_i32le(out, v.numero1);
    put_i32le(out, v.numero2);
    put_i32le(out, v.numero3);
    put_u8(out, v.byte1);
    const std::size_t lunghezza = v.stringa.size() < massimo_testo ? v.stringa.size() : massimo_testo;
    put_u16le(out, static_cast<std::uint16_t>(lunghezza));
    out.append(v.stringa, 0, lunghezza);
    for (std::int16_t breve : {v.breve1, v.breve2, v.breve3, v.breve4, v.breve5}) put_i16le(out, breve);
    for (std::uint8_t b : {v.byte2, v.byte3, v.byte4, v.byte5}) put_u8(out, b);
    put_i32le(out, v.numero4);
}

// Writes one element at p, which has room for it; returns the place after it.
char* codifica_elemento(char* p, const Elemento& e) {
    p = scrivi_le<2>(p, static_cast<std::uint16_t>(e.tag));
    if (e.tag == Elemento::Tag::intero) return scrivi_le<2>(p, static_cast<std::uint16_t>(e.intero));
    if (e.tag == Elemento::Tag::doppio) return scrivi_le<8>(p, std::bit_cast<std::uint64_t>(e.doppio));
    return p;
}

}  // namespace

std::size_t byte_elemento(const Elemento& e) {
    switch (e.tag) {
        case Elemento::Tag::intero: return 2 + sizeof(Elemento::intero);
        case Elemento::Tag::doppio: return 2 + sizeof(Elemento::doppio);
        case Elemento::Tag::vuoto: break;
    }
    return 2;
}

std::string codifica_celle(const Stato& s) {
    std::string out;
    if (s.numero_celle < 0) return out;
    const std::size_t quante = std::min(static_cast<std::size_t>(s.numero_celle) + 1, s.celle.size());
    out.reserve(quante * byte_record_cella);
    for (std::size_t i = 0; i < quante; ++i) codifica_cella(out, s.celle[i]);
    return out;
}

std::string codifica_voci(const Stato& s) {
    std::string out;
    for (const Voce& v : s.voci) codifica_voce(out, v);
    return out;
}

std::string codifica_elementi(std::span<const Elemento> elementi) {
    std::size_t dimensione = 0;
    for (const Elemento& e : elementi) dimensione += byte_elemento(e);
    std::string out(dimensione, '\0');
    char* p = out.data();
    for (const Elemento& e : elementi) p = codifica_elemento(p, e);
    return out;
}

// Coordinate 0 of every metre, then coordinate 1, each metre's element as
// the table gives it.
std::string codifica_tracciato(const Stato& s) {
    const Geometria& g = s.tracciato;
    std::size_t dimensione = 0;
    for (int k = 0; k < 2 && g.esiste(); ++k)
        for (std::int64_t m = 0; m <= g.ultimo_metro(); ++m) dimensione += byte_elemento(g.elemento(m, k));
    std::string out(dimensione, '\0');
    char* p = out.data();
    for (int k = 0; k < 2 && g.esiste(); ++k)
        for (std::int64_t m = 0; m <= g.ultimo_metro(); ++m) p = codifica_elemento(p, g.elemento(m, k));
    return out;
}

}  // namespace scenario
