// Field reading over a byte span. Line ends are CR LF or a lone LF; a lone CR
// is an ordinary character, so it breaks a number but stays inside a text.
// Every read notes where its field starts; a failed one notes why.
#include "compiler/campi.h"

#include <limits>

namespace scenario {
namespace {

bool spazio(char c) { return c == ' ' || c == '\t'; }
bool cifra(char c) { return c >= '0' && c <= '9'; }

// Far beyond every target width, small enough that value * 10 + 9 never overflows.
constexpr std::int64_t tetto_cifre = std::int64_t{1} << 40;

}  // namespace

std::size_t LettoreCampi::fine_riga_qui() const {
    if (alla_fine()) return 0;
    if (dati_[pos_] == '\n') return 1;
    if (dati_[pos_] == '\r' && pos_ + 1 < dati_.size() && dati_[pos_ + 1] == '\n') return 2;
    return 0;
}

bool LettoreCampi::delimitatore_qui() const { return !alla_fine() && (dati_[pos_] == ',' || fine_riga_qui() > 0); }

void LettoreCampi::salta_spazi() {
    while (!alla_fine() && spazio(dati_[pos_])) ++pos_;
}

void LettoreCampi::nota_inizio() {
    inizio_ = pos_;
    letti_.emplace_back().inizio = pos_;
}

void LettoreCampi::nota_inciampo(Inciampo::Motivo motivo) {
    inciampo_ = {motivo, inizio_, 0, 0, 0};
}

// One comma or one line end, if either stands here.
void LettoreCampi::consuma_delimitatore() {
    if (alla_fine()) return;
    if (dati_[pos_] == ',') {
        ++pos_;
        return;
    }
    pos_ += fine_riga_qui();
}

std::optional<std::string> LettoreCampi::testo() {
    if (alla_fine()) {
        inizio_ = pos_;
        nota_inciampo(Inciampo::Motivo::fine_del_testo);
        return std::nullopt;
    }
    salta_spazi();
    nota_inizio();
    if (!alla_fine() && dati_[pos_] == '"') return testo_tra_virgolette();
    const std::size_t inizio = pos_;
    while (!alla_fine() && !delimitatore_qui()) ++pos_;
    std::size_t fine = pos_;
    consuma_delimitatore();
    while (fine > inizio && spazio(dati_[fine - 1])) --fine;
    letti_.back().poni_lunghezza_testo(fine - inizio);
    return std::string(dati_.substr(inizio, fine - inizio));
}

// Kept exactly as quoted; what follows the closing quote up to the delimiter is dropped.
std::string LettoreCampi::testo_tra_virgolette() {
    ++pos_;
    const std::size_t chiusa = dati_.find('"', pos_);
    if (chiusa == std::string_view::npos) {
        std::string tutto(dati_.substr(pos_));
        pos_ = dati_.size();
        letti_.back().poni_lunghezza_testo(tutto.size());
        return tutto;
    }
    std::string dentro(dati_.substr(pos_, chiusa - pos_));
    letti_.back().poni_lunghezza_testo(dentro.size());
    pos_ = chiusa + 1;
    while (!alla_fine() && !delimitatore_qui()) ++pos_;
    consuma_delimitatore();
    return dentro;
}

std::optional<std::int32_t> LettoreCampi::intero32() {
    const auto n = numero(std::numeric_limits<std::int32_t>::min(), std::numeric_limits<std::int32_t>::max());
    if (!n) return std::nullopt;
    return static_cast<std::int32_t>(*n);
}

std::optional<std::int16_t> LettoreCampi::intero16() {
    const auto n = numero(std::numeric_limits<std::int16_t>::min(), std::numeric_limits<std::int16_t>::max());
    if (!n) return std::nullopt;
    return static_cast<std::int16_t>(*n);
}

std::optional<std::uint8_t> LettoreCampi::byte8() {
    const auto n = numero(0, std::numeric_limits<std::uint8_t>::max());
    if (!n) return std::nullopt;
    return static_cast<std::uint8_t>(*n);
}

// Blanks, then -?[0-9]+ ended by a comma, line end, blank, tab or the end of
// the data; then blanks and one comma or line end are consumed. Only blanks: 0.
std::optional<std::int64_t> LettoreCampi::numero(std::int64_t minimo, std::int64_t massimo) {
    if (alla_fine()) {
        inizio_ = pos_;
        nota_inciampo(Inciampo::Motivo::fine_del_testo);
        return std::nullopt;
    }
    salta_spazi();
    nota_inizio();
    if (alla_fine() || delimitatore_qui()) {
        consuma_delimitatore();
        letti_.back().poni_numero(0);
        return 0;
    }
    const bool negativo = dati_[pos_] == '-';
    if (negativo) ++pos_;
    const auto assoluto = cifre();
    if (!assoluto || (!alla_fine() && !spazio(dati_[pos_]) && !delimitatore_qui())) {
        nota_inciampo(Inciampo::Motivo::non_numero);
        return std::nullopt;
    }
    salta_spazi();
    consuma_delimitatore();
    const std::int64_t valore = negativo ? -*assoluto : *assoluto;
    if (valore < minimo || valore > massimo) {
        inciampo_ = {Inciampo::Motivo::fuori_intervallo, inizio_, valore, minimo, massimo};
        return std::nullopt;
    }
    letti_.back().poni_numero(static_cast<std::int32_t>(valore));
    return valore;
}

// At least one digit; a value past the cap stays at the cap (out of every range).
std::optional<std::int64_t> LettoreCampi::cifre() {
    if (alla_fine() || !cifra(dati_[pos_])) return std::nullopt;
    std::int64_t valore = 0;
    for (; !alla_fine() && cifra(dati_[pos_]); ++pos_) {
        if (valore < tetto_cifre) valore = valore * 10 + (dati_[pos_] - '0');
    }
    return valore;
}

}  // namespace scenario
