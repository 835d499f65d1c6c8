// Lines, places and the words for records, cells and objects, shared by the
// faults and the warnings.
#include "compiler/diagnostica_fonte.h"

#include <algorithm>

#include "compiler/griglia.h"
#include "compiler/testo_unicode.h"

namespace scenario::diagnosi {

const std::vector<std::size_t>& Fonte::inizi() const {
    if (!inizi_.empty()) return inizi_;
    inizi_.push_back(0);
    for (std::size_t i = testo_.find('\n'); i != std::string_view::npos; i = testo_.find('\n', i + 1)) {
        if (i + 1 < testo_.size()) inizi_.push_back(i + 1);
    }
    return inizi_;
}

int Fonte::riga_di(std::size_t byte) const {
    const auto& inizi = this->inizi();
    const auto dopo = std::upper_bound(inizi.begin(), inizi.end(), byte);
    return static_cast<int>(dopo - inizi.begin());
}

std::string_view Fonte::riga(int n) const { return riga_da(inizio_riga(n)); }

std::string_view Fonte::riga_da(std::size_t inizio) const {
    std::size_t fine = testo_.find('\n', inizio);
    if (fine == std::string_view::npos) fine = testo_.size();
    if (fine > inizio && testo_[fine - 1] == '\r' && fine < testo_.size()) --fine;
    return testo_.substr(inizio, fine - inizio);
}

Contesto::Contesto(const Stato& stato, const NomiTesti& n)
    : s(stato),
      nomi(n),
      linea(stato.tracce.testi[static_cast<std::size_t>(Testo::linea)]),
      treno(stato.tracce.testi[static_cast<std::size_t>(Testo::treno)]) {}

std::string utf8_da_1252(std::string_view testo) {
    std::string uscita;
    uscita.reserve(testo.size());
    for (const char c : testo) {
        const auto b = static_cast<unsigned char>(c);
        const bool controllo = (b < 0x20 && b != '\t') || b == 0x7F;
        aggiungi_utf8(uscita, controllo ? 0xFFFD : da_cp1252(b));
    }
    return uscita;
}

namespace {

// Blanks under every byte before the column, tabs kept so the caret lines up
// wherever the terminal puts its tab stops.
std::string cursore(std::string_view riga, std::size_t colonna) {
    std::string sotto;
    for (std::size_t i = 0; i + 1 < colonna && i < riga.size(); ++i) sotto += riga[i] == '\t' ? '\t' : ' ';
    return sotto + "^";
}

// The line with ">>" before the field at `colonna` and "<<" after it (at the next
// comma or the line's end).
std::string evidenziata(std::string_view riga, std::size_t colonna) {
    const std::size_t da = std::min(colonna - 1, riga.size());
    std::size_t a = riga.find(',', da);
    if (a == std::string_view::npos) a = riga.size();
    while (a > da && (riga[a - 1] == ' ' || riga[a - 1] == '\t')) --a;
    return utf8_da_1252(riga.substr(0, da)) + ">>" + utf8_da_1252(riga.substr(da, a - da)) + "<<" +
           utf8_da_1252(riga.substr(a));
}

}  // namespace

Diagnostica in_posto(const Contesto& c, Testo t, std::size_t byte) {
    const Fonte& f = c.fonte(t);
    Diagnostica d = del_testo(c, t);
    d.riga = f.riga_di(byte);
    d.colonna = static_cast<int>(byte - f.inizio_riga(d.riga)) + 1;
    const std::string_view riga = f.riga(d.riga);
    d.sorgente = utf8_da_1252(riga);
    d.cursore = cursore(riga, static_cast<std::size_t>(d.colonna));
    d.evidenziata = evidenziata(riga, static_cast<std::size_t>(d.colonna));
    return d;
}

Diagnostica del_testo(const Contesto& c, Testo t) {
    Diagnostica d;
    d.file = c.nome(t);
    return d;
}

std::string dove(const Contesto& c, std::size_t record) {
    const RecordLetto& r = c.s.tracce.record[record];
    return c.nome(r.testo) + ":" + std::to_string(c.fonte(r.testo).riga_di(r.chiave));
}

// nearest(p / 50 + 1) = k for p from 50 (k - 1) - 25 to 50 (k - 1) + 25, the
// two ends going to k only when ties to even send them there.
Metri metri_della_cella(std::int64_t k) {
    const std::int64_t centro = metri_cella * (k - 1);
    Metri m{centro - metri_cella / 2, centro + metri_cella / 2};
    if (cella_di(m.primo) != k) ++m.primo;
    if (cella_di(m.ultimo) != k) --m.ultimo;
    return m;
}

std::string cella_e_metri(std::int64_t k) {
    const Metri m = metri_della_cella(k);
    return "la cella " + std::to_string(k) + " (metri " + std::to_string(m.primo) + "-" + std::to_string(m.ultimo) +
           ")";
}

std::string_view nome_del_tipo(TipoCella t) {
    switch (t) {
        case TipoCella::segnale: return "il segnale";
        case TipoCella::fine_rallentamento: return "la fine del rallentamento";
        case TipoCella::inizio_rallentamento: return "l'inizio del rallentamento";
        case TipoCella::avviso_rallentamento: return "l'avviso del rallentamento";
        case TipoCella::approccio_rallentamento: return "un segno di avvicinamento del rallentamento";
        case TipoCella::indicatore_velocita: return "l'indicatore di velocità massima";
        case TipoCella::punto_fermata: return "il punto di fermata della stazione";
        case TipoCella::abbattimento:
        case TipoCella::abbattimento_senza_valore: return "il punto di abbattimento";
        case TipoCella::cartello_testo: return "il cartello";
        case TipoCella::marcatore_montagna: return "il segno di montagna";
        case TipoCella::vuota: break;
    }
    return "niente";
}

std::string oggetto_in_cella(const Contesto& c, std::int64_t k) {
    const Cella* cella_k = cella(c.s, k);
    if (cella_k == nullptr) return "niente";
    std::string testo(nome_del_tipo(cella_k->tipo));
    const std::uint32_t o = origine_cella(c.s, k);
    const std::uint32_t record = o & ~aggiunto_dal_percorso;
    if (record == origine_nessuna || record > c.s.tracce.record.size()) return testo;
    if ((o & aggiunto_dal_percorso) != 0) return testo + " aggiunto dal compilatore per il rallentamento di " + dove(c, record - 1);
    return testo + " di " + dove(c, record - 1);
}

std::optional<std::int64_t> valore(const RecordLetto& r, std::size_t i) {
    return i < r.valori().size() ? r.valori()[i].numero() : std::nullopt;
}

std::string tra_apici(std::string_view byte) { return "'" + utf8_da_1252(byte) + "'"; }

}  // namespace scenario::diagnosi
