// The field reader of the source texts: one field at a time from the whole
// text held in memory, as text or as a number of a given width. A failed read
// (malformed field, value too large, read past the end) comes back empty.
// It also notes where each field starts and why a read failed, for the
// report; what it notes never changes what it reads.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace scenario {

// A field as read: where it starts (its first byte after blanks) and, for a
// number, its value: one read in range, and every range lies within 32 bits;
// for a text, the bytes it gave.
struct CampoLetto {
    std::size_t inizio = 0;

    std::optional<std::int32_t> numero() const {
        if ((dato_ & e_numero) == 0) return std::nullopt;
        return static_cast<std::int32_t>(static_cast<std::uint32_t>(dato_));
    }
    std::size_t lunghezza_testo() const { return (dato_ & e_numero) != 0 ? 0 : static_cast<std::size_t>(dato_); }

    void poni_numero(std::int32_t n) { dato_ = e_numero | static_cast<std::uint32_t>(n); }
    void poni_lunghezza_testo(std::size_t n) { dato_ = n; }

private:
    // A field is a number or a text, never both, so one word holds either:
    // a long line keeps a hundred thousand fields, at 16 bytes each. No text
    // reaches 2^63 bytes.
    static constexpr std::uint64_t e_numero = std::uint64_t{1} << 63;
    std::uint64_t dato_ = 0;
};

// Why the last read failed.
struct Inciampo {
    enum class Motivo {
        nessuno,
        fine_del_testo,   // the read started at the end of the text
        non_numero,       // a number field holding something else
        fuori_intervallo, // a number too large (or small) for its target
    };
    Motivo motivo = Motivo::nessuno;
    std::size_t inizio = 0;  // where the field starts
    std::int64_t valore = 0; // for fuori_intervallo: the value read (capped far out)
    std::int64_t minimo = 0; // and the target's range
    std::int64_t massimo = 0;
};

class LettoreCampi {
public:
    explicit LettoreCampi(std::string_view dati) : dati_(dati) {}

    // True once the whole text has been consumed; a read that starts here fails.
    bool alla_fine() const { return pos_ >= dati_.size(); }

    // A text field: to the next comma or line end, outer blanks and tabs dropped;
    // a field opening with a double quote runs to the closing one.
    std::optional<std::string> testo();

    // Numeric fields: an optional "-" and digits, or nothing (0).
    std::optional<std::int32_t> intero32();
    std::optional<std::int16_t> intero16();
    std::optional<std::uint8_t> byte8();

    // The fields read since the last ricomincia(), in order.
    const std::vector<CampoLetto>& letti() const { return letti_; }
    void ricomincia() { letti_.clear(); }
    // Where the last field read started, and why the last failed read failed.
    std::size_t inizio_ultimo() const { return inizio_; }
    const Inciampo& inciampo() const { return inciampo_; }
    std::string_view dati() const { return dati_; }

private:
    std::optional<std::int64_t> numero(std::int64_t minimo, std::int64_t massimo);
    std::optional<std::int64_t> cifre();
    std::string testo_tra_virgolette();
    std::size_t fine_riga_qui() const;
    bool delimitatore_qui() const;
    void salta_spazi();
    void consuma_delimitatore();
    void nota_inizio();
    void nota_inciampo(Inciampo::Motivo motivo);

    std::string_view dati_;
    std::size_t pos_ = 0;
    std::size_t inizio_ = 0;
    std::vector<CampoLetto> letti_;
    Inciampo inciampo_;
};

}  // namespace scenario
