// The failing file operations: what each kind of failure leaves behind is
// what the system would leave (half a file on a full disk, a closed handle).
#include "tests/robustezza/operazioni_guaste.h"

namespace scenario::test {

namespace fs = std::filesystem;

std::string_view nome_tipo(TipoOperazione tipo) {
    switch (tipo) {
        case TipoOperazione::esamina: return "esamina";
        case TipoOperazione::apri: return "apri";
        case TipoOperazione::scrivi: return "scrivi";
        case TipoOperazione::sincronizza: return "sincronizza";
        case TipoOperazione::chiudi: return "chiudi";
        case TipoOperazione::rinomina: return "rinomina";
        case TipoOperazione::elimina: return "elimina";
        case TipoOperazione::leggi: return "leggi";
    }
    return "?";
}

void OperazioniGuaste::guasta_numero(std::size_t indice, int numero) {
    indice_ = indice;
    numero_ = numero;
}

void OperazioniGuaste::guasta_prima(TipoOperazione tipo, std::string file, int numero) {
    tipo_ = tipo;
    file_ = std::move(file);
    numero_ = numero;
}

std::optional<std::error_code> OperazioniGuaste::registra(TipoOperazione tipo, std::string file) {
    const std::size_t indice = eseguite_.size();
    const bool scelta = indice_ ? *indice_ == indice : (tipo_ == tipo && file_ == file);
    eseguite_.push_back({tipo, std::move(file)});
    if (colpito_ || !scelta) return std::nullopt;
    colpito_ = true;
    return std::error_code(numero_, std::generic_category());
}

std::string OperazioniGuaste::nome_di(std::FILE* f) const {
    const auto trovato = aperti_.find(f);
    return trovato == aperti_.end() ? std::string() : trovato->second;
}

std::error_code OperazioniGuaste::esamina(const fs::path& p, StatoFile& stato) {
    if (auto guasto = registra(TipoOperazione::esamina, p.filename().string())) return *guasto;
    return vere_.esamina(p, stato);
}

std::error_code OperazioniGuaste::apri(const fs::path& p, std::FILE*& f) {
    if (auto guasto = registra(TipoOperazione::apri, p.filename().string())) return *guasto;
    const std::error_code ec = vere_.apri(p, f);
    if (!ec) aperti_[f] = p.filename().string();
    return ec;
}

// A disk that fills up half-way: the first half of the bytes do land.
std::error_code OperazioniGuaste::scrivi(std::FILE* f, std::string_view dati) {
    if (auto guasto = registra(TipoOperazione::scrivi, nome_di(f))) {
        vere_.scrivi(f, dati.substr(0, dati.size() / 2));
        return *guasto;
    }
    return vere_.scrivi(f, dati);
}

std::error_code OperazioniGuaste::sincronizza(std::FILE* f) {
    const auto guasto = registra(TipoOperazione::sincronizza, nome_di(f));
    const std::error_code ec = vere_.sincronizza(f);
    return guasto ? *guasto : ec;
}

// A close that fails still releases the handle, as the system's does.
std::error_code OperazioniGuaste::chiudi(std::FILE* f) {
    const auto guasto = registra(TipoOperazione::chiudi, nome_di(f));
    aperti_.erase(f);
    const std::error_code ec = vere_.chiudi(f);
    return guasto ? *guasto : ec;
}

std::error_code OperazioniGuaste::rinomina(const fs::path& da, const fs::path& a) {
    if (auto guasto = registra(TipoOperazione::rinomina, a.filename().string())) return *guasto;
    return vere_.rinomina(da, a);
}

std::error_code OperazioniGuaste::elimina(const fs::path& p) {
    if (auto guasto = registra(TipoOperazione::elimina, p.filename().string())) return *guasto;
    return vere_.elimina(p);
}

std::error_code OperazioniGuaste::leggi(const fs::path& p, std::string& dati) {
    if (auto guasto = registra(TipoOperazione::leggi, p.filename().string())) return *guasto;
    return vere_.leggi(p, dati);
}

}  // namespace scenario::test
