// Writes the compiled files field by field, little-endian, in the order of
// their records; the static_asserts tie the record sizes to the field types.
#include "compiler/codifica.h"

#include <algorithm>
#include <bit>
#include <utility>

#include "compiler/scrittura_binaria.h"
#include "compiler/tampone.h"

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

constexpr std::size_t byte_massimo_elemento = 2 + sizeof(Elemento::doppio);

// One cell at p, which has room for it; returns the place after it.
char* codifica_cella(char* p, const Cella& c) {
    p = scrivi_le<1>(p, static_cast<std::uint8_t>(c.tipo));
    p = scrivi_le<2>(p, static_cast<std::uint16_t>(c.valore));
    p = scrivi_le<2>(p, static_cast<std::uint16_t>(c.valore2));
    p = scrivi_le<2>(p, static_cast<std::uint16_t>(c.valore3));
    p = scrivi_le<2>(p, static_cast<std::uint16_t>(c.valore4));
    for (std::uint8_t b : {c.tempo, c.ripetitore, c.montagna, c.velocita_cella, c.pendenza_cella, c.aderenza_cella})
        p = scrivi_le<1>(p, b);
    return p;
}

// The fixed fields before a record's text (16 bytes) and after it (18).
constexpr std::size_t byte_testa_voce = 16;
constexpr std::size_t byte_coda_voce = byte_fissi_voce - byte_testa_voce;

void codifica_voce(Tampone& t, const Voce& v) {
    const std::size_t lunghezza = v.stringa.size() < massimo_testo ? v.stringa.size() : massimo_testo;
    char* p = t.spazio(byte_testa_voce);
    p = scrivi_le<1>(p, v.byte0);
    p = scrivi_le<4>(p, static_cast<std::uint32_t>(v.numero1));
    p = scrivi_le<4>(p, static_cast<std::uint32_t>(v.numero2));
    p = scrivi_le<4>(p, static_cast<std::uint32_t>(v.numero3));
    p = scrivi_le<1>(p, v.byte1);
    t.occupa(scrivi_le<2>(p, lunghezza));
    t.aggiungi(std::string_view(v.stringa).substr(0, lunghezza));
    p = t.spazio(byte_coda_voce);
    for (std::int16_t breve : {v.breve1, v.breve2, v.breve3, v.breve4, v.breve5})
        p = scrivi_le<2>(p, static_cast<std::uint16_t>(breve));
    for (std::uint8_t b : {v.byte2, v.byte3, v.byte4, v.byte5}) p = scrivi_le<1>(p, b);
    t.occupa(scrivi_le<4>(p, static_cast<std::uint32_t>(v.numero4)));
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

void codifica_celle(const Stato& s, Destinazione& d) {
    if (s.numero_celle < 0) return;
    const std::size_t quante = std::min(static_cast<std::size_t>(s.numero_celle) + 1, s.celle.size());
    Tampone t(d);
    for (std::size_t i = 0; i < quante; ++i) t.occupa(codifica_cella(t.spazio(byte_record_cella), s.celle[i]));
}

void codifica_voci(const Stato& s, Destinazione& d) {
    Tampone t(d);
    for (const Voce& v : s.voci) codifica_voce(t, v);
}

std::string codifica_elementi(std::span<const Elemento> elementi) {
    DestinazioneStringa d;
    {
        Tampone t(d);
        for (const Elemento& e : elementi) t.occupa(codifica_elemento(t.spazio(byte_massimo_elemento), e));
    }
    return std::move(d.testo);
}

// Coordinate 0 of every metre, then coordinate 1: for each, the fixed points,
// the computed metres as doubles (the runs walked once per coordinate) and
// the unassigned tail.
void codifica_tracciato(const Stato& s, Destinazione& d) {
    const Geometria& g = s.tracciato;
    if (!g.esiste()) return;
    Tampone t(d);
    const std::int64_t fissi = std::min<std::int64_t>(2, std::int64_t{g.ultimo_metro()} + 1);
    for (int k = 0; k < 2; ++k) {
        for (std::int64_t m = 0; m < fissi; ++m) t.occupa(codifica_elemento(t.spazio(byte_massimo_elemento), g.elemento(m, k)));
        g.per_ogni_calcolato(k, [&t](double v) {
            char* p = scrivi_le<2>(t.spazio(byte_massimo_elemento), static_cast<std::uint16_t>(Elemento::Tag::doppio));
            t.occupa(scrivi_le<8>(p, std::bit_cast<std::uint64_t>(v)));
        });
        for (std::int64_t m = g.prossimo_metro(); m <= g.ultimo_metro(); ++m) {
            t.occupa(scrivi_le<2>(t.spazio(byte_massimo_elemento), static_cast<std::uint16_t>(Elemento::Tag::vuoto)));
        }
    }
}

namespace {

template <typename Codifica>
std::string in_stringa(const Stato& s, Codifica codifica) {
    DestinazioneStringa d;
    codifica(s, d);
    return std::move(d.testo);
}

}  // namespace

std::string codifica_celle(const Stato& s) { return in_stringa(s, [](const Stato& x, Destinazione& d) { codifica_celle(x, d); }); }
std::string codifica_voci(const Stato& s) { return in_stringa(s, [](const Stato& x, Destinazione& d) { codifica_voci(x, d); }); }
std::string codifica_tracciato(const Stato& s) {
    return in_stringa(s, [](const Stato& x, Destinazione& d) { codifica_tracciato(x, d); });
}

}  // namespace scenario
