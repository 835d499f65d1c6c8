// The failing file operations: what each kind of failure leaves behind is
// what the system would leave (half a file on a full disk, a closed handle).
#include "tests/app/operazioni_guaste.h"

namespace scenario::test {

namespace fs = std::filesystem;

std::string_view nome_tipo(TipoOperazione tipo) {
    switch (tipo) {
        case TipoOperazione::esamina: return "esamina";
        case TipoOperazione::crea_nuovo: return "crea_nuovo";
        case TipoOperazione::scrivi: return "scrivi";
        case TipoOperazione::sincronizza: return "sincronizza";
        case TipoOperazione::chiudi: return "chiudi";
        case TipoOperazione::rinomina: return "rinomina";
        case TipoOperazione::collega: return "collega";
        case TipoOperazione::elimina: return "elimina";
        case TipoOperazione::leggi: return "leggi";
        case TipoOperazione::sincronizza_cartella: return "sincronizza_cartella";
        case TipoOperazione::blocca: return "blocca";
    }
    return "?";
}

bool nome_nascosto(const std::string& nome) {
    return nome.size() > 8 && nome.front() == '.' && nome[nome.size() - 7] == '.';
}

std::string finale_di(const std::string& nome) {
    return nome_nascosto(nome) ? nome.substr(1, nome.size() - 8) : nome;
}

void OperazioniGuaste::guasta_numero(std::size_t indice, int numero) {
    indice_ = indice;
    numero_ = numero;
}

void OperazioniGuaste::guasta_prima(TipoOperazione tipo, std::string finale, int numero) {
    tipo_ = tipo;
    finale_ = std::move(finale);
    numero_ = numero;
}

std::optional<std::error_code> OperazioniGuaste::decidi(Operazione o) {
    const std::size_t indice = eseguite_.size();
    const bool scelta = indice_ ? *indice_ == indice : (tipo_ == o.tipo && finale_ == o.finale);
    eseguite_.push_back(std::move(o));
    if (colpito_ || !scelta) return std::nullopt;
    colpito_ = true;
    return std::error_code(numero_, std::generic_category());
}

std::optional<std::error_code> OperazioniGuaste::registra(TipoOperazione tipo, const fs::path& p,
                                                          const fs::path& origine) {
    const std::string nome = p.filename().string();
    return decidi({tipo, nome, finale_di(nome), origine.filename().string()});
}

std::optional<std::error_code> OperazioniGuaste::registra_cartella(TipoOperazione tipo, const fs::path& cartella) {
    return decidi({tipo, cartella.filename().string(), "", ""});
}

std::optional<std::error_code> OperazioniGuaste::registra_su(TipoOperazione tipo, std::FILE* f) {
    const auto trovato = aperti_.find(f);
    return registra(tipo, trovato == aperti_.end() ? fs::path() : trovato->second);
}

std::error_code OperazioniGuaste::esamina(const fs::path& p, StatoFile& stato) {
    if (auto guasto = registra(TipoOperazione::esamina, p)) return *guasto;
    return vere_.esamina(p, stato);
}

std::error_code OperazioniGuaste::crea_nuovo(const fs::path& p, std::FILE*& f) {
    if (auto guasto = registra(TipoOperazione::crea_nuovo, p)) return *guasto;
    const std::error_code ec = vere_.crea_nuovo(p, f);
    if (!ec) aperti_[f] = p;
    return ec;
}

// A disk that fills up half-way: the first half of the bytes do land.
std::error_code OperazioniGuaste::scrivi(std::FILE* f, std::string_view dati) {
    if (auto guasto = registra_su(TipoOperazione::scrivi, f)) {
        vere_.scrivi(f, dati.substr(0, dati.size() / 2));
        return *guasto;
    }
    return vere_.scrivi(f, dati);
}

std::error_code OperazioniGuaste::sincronizza(std::FILE* f) {
    const auto guasto = registra_su(TipoOperazione::sincronizza, f);
    const std::error_code ec = vere_.sincronizza(f);
    return guasto ? *guasto : ec;
}

// A close that fails still releases the handle, as the system's does.
std::error_code OperazioniGuaste::chiudi(std::FILE* f) {
    const auto guasto = registra_su(TipoOperazione::chiudi, f);
    aperti_.erase(f);
    const std::error_code ec = vere_.chiudi(f);
    return guasto ? *guasto : ec;
}

std::error_code OperazioniGuaste::rinomina(const fs::path& da, const fs::path& a) {
    if (auto guasto = registra(TipoOperazione::rinomina, a, da)) return *guasto;
    return vere_.rinomina(da, a);
}

std::error_code OperazioniGuaste::collega(const fs::path& da, const fs::path& a) {
    if (auto guasto = registra(TipoOperazione::collega, a, da)) return *guasto;
    return vere_.collega(da, a);
}

std::error_code OperazioniGuaste::elimina(const fs::path& p) {
    if (auto guasto = registra(TipoOperazione::elimina, p)) return *guasto;
    return vere_.elimina(p);
}

std::error_code OperazioniGuaste::leggi(const fs::path& p, std::string& dati) {
    if (auto guasto = registra(TipoOperazione::leggi, p)) return *guasto;
    return vere_.leggi(p, dati);
}

std::error_code OperazioniGuaste::sincronizza_cartella(const fs::path& cartella) {
    if (auto guasto = registra_cartella(TipoOperazione::sincronizza_cartella, cartella)) return *guasto;
    return vere_.sincronizza_cartella(cartella);
}

std::error_code OperazioniGuaste::blocca(const fs::path& cartella, std::unique_ptr<BloccoCartella>& blocco) {
    if (auto guasto = registra_cartella(TipoOperazione::blocca, cartella)) return *guasto;
    return vere_.blocca(cartella, blocco);
}

}  // namespace scenario::test
