// The field reader of the source texts: one field at a time from the whole
// text held in memory, as text or as a number of a given width. A failed read
// (malformed field, value too large, read past the end) comes back empty.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace scenario {

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

private:
    std::optional<std::int64_t> numero(std::int64_t minimo, std::int64_t massimo);
    std::optional<std::int64_t> cifre();
    std::string testo_tra_virgolette();
    std::size_t fine_riga_qui() const;
    bool delimitatore_qui() const;
    void salta_spazi();
    void consuma_delimitatore();

    std::string_view dati_;
    std::size_t pos_ = 0;
};

}  // namespace scenario
