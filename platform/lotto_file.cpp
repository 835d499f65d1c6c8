// The steps of a change of files: temporaries, checks, spare names, renames.
#include "platform/lotto_file.h"

#include <chrono>
#include <cstdint>
#include <memory>
#include <random>

#include "platform/avvio_scrittura.h"
#include "platform/guasto_file.h"
#include "platform/percorso_utf8.h"
#include "platform/temporanei.h"

namespace scenario {
namespace fs = std::filesystem;

namespace {

// Names are drawn again when taken; this many draws all taken means
// something is making them on purpose.
constexpr int tentativi_nome = 100;

[[noreturn]] void fallisci(std::error_code ec, const fs::path& p) { throw GuastoFile(ec, p); }

std::uint64_t seme() {
    std::uint64_t s = static_cast<std::uint64_t>(std::chrono::steady_clock::now().time_since_epoch().count());
    try {
        std::random_device rd;
        s ^= (std::uint64_t{rd()} << 32) ^ rd();
    } catch (const std::exception&) {
        // No entropy source: the clock alone still makes names unlikely to meet.
    }
    return s;
}

// ".NAME.XXXXXX": hidden beside NAME, and never of the form of a final name,
// whose endings are the program's own.
fs::path nome_nascosto(const fs::path& finale) {
    static constexpr std::string_view cifre = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789";
    thread_local std::mt19937_64 generatore(seme());
    std::string suffisso(6, ' ');
    for (char& c : suffisso) c = cifre[generatore() % cifre.size()];
    fs::path p = finale.parent_path();
    p /= percorso_da_utf8("." + utf8_del_nome(finale) + "." + suffisso);
    return p;
}

bool nome_preso(std::error_code ec) { return ec == std::errc::file_exists; }

// A temporary file as a destination: the first failure is kept and every
// later piece dropped, so the file is reported failed, never half-written.
// What is written goes on to the device meanwhile.
class DestinazioneFile final : public Destinazione {
public:
    DestinazioneFile(OperazioniFile& operazioni, std::FILE* f)
        : operazioni_(operazioni),
          f_(f),
          avvio_([&operazioni, f](std::uint64_t da, std::uint64_t quanti) {
              return operazioni.avvia_scrittura(f, da, quanti);
          }) {}
    void scrivi(std::string_view pezzo) override {
        if (errore) return;
        errore = operazioni_.scrivi(f_, pezzo);
        if (!errore) avvio_.scritti(pezzo.size());
    }
    // Before the file is synced or closed.
    void fine_scrittura() { avvio_.ferma(); }
    std::error_code errore;

private:
    OperazioniFile& operazioni_;
    std::FILE* f_;
    AvvioScrittura avvio_;
};

}  // namespace

LottoFile::~LottoFile() {
    for (Voce& v : voci_) scarta(v);
}

void LottoFile::prepara(const std::string& nome, std::string_view dati) {
    prepara(nome, [dati](Destinazione& d) { d.scrivi(dati); });
}

void LottoFile::prepara(const std::string& nome, const std::function<void(Destinazione&)>& contenuto) {
    Voce& v = voci_.emplace_back();
    v.finale = cartella_ / percorso_da_utf8(nome);
    std::FILE* f = nullptr;
    std::error_code ec = std::make_error_code(std::errc::file_exists);
    for (int i = 0; i < tentativi_nome && nome_preso(ec); ++i) {
        const fs::path candidato = nome_nascosto(v.finale);
        SezioneProtetta protetta;
        ec = operazioni_.crea_nuovo(candidato, f);
        if (ec) continue;
        v.temporaneo = candidato;
        registra_temporaneo(candidato);
    }
    if (ec) fallisci(ec, v.finale);
    DestinazioneFile file(operazioni_, f);
    try {
        contenuto(file);
    } catch (...) {
        file.fine_scrittura();
        (void)operazioni_.chiudi(f);  // the temporary goes with the batch
        throw;
    }
    file.fine_scrittura();
    ec = file.errore;
    if (!ec) ec = operazioni_.sincronizza(f);
    const std::error_code chiusura = operazioni_.chiudi(f);
    if (ec || chiusura) fallisci(ec ? ec : chiusura, v.finale);
}

void LottoFile::sostituisci(bool sincronizza_cartella) {
    std::unique_ptr<BloccoCartella> blocco;
    if (const std::error_code ec = operazioni_.blocca(cartella_, blocco)) fallisci(ec, cartella_);
    // From the first check to the last rename no handler may run: a signal
    // waits until the folder holds one whole set.
    SezioneProtetta protetta;
    for (Voce& v : voci_) controlla(v);
    // One rename is one step already; several need the older files kept.
    if (voci_.size() > 1)
        for (Voce& v : voci_) metti_da_parte(v);
    for (Voce& v : voci_) {
        if (const std::error_code ec = operazioni_.rinomina(v.temporaneo, v.finale)) {
            rimetti_vecchi();
            fallisci(ec, v.finale);
        }
        v.in_posto = true;
        dimentica_temporaneo(v.temporaneo);
    }
    for (Voce& v : voci_) {
        // A spare that cannot go stays hidden beside the file: the change is done.
        if (!v.riserva.empty() && !operazioni_.elimina(v.riserva)) v.riserva.clear();
    }
    if (!sincronizza_cartella) return;
    if (const std::error_code ec = operazioni_.sincronizza_cartella(cartella_)) fallisci(ec, cartella_);
}

// Root ignores permission bits, and a rename ignores them too, so a
// read-only older file is recognised here. A name whose state cannot be read
// might be read-only: it is not replaced either.
void LottoFile::controlla(Voce& v) {
    StatoFile stato;
    if (const std::error_code ec = operazioni_.esamina(v.finale, stato)) fallisci(ec, v.finale);
    if (stato.cartella) fallisci(std::make_error_code(std::errc::is_a_directory), v.finale);
    if (stato.sola_lettura) fallisci(std::make_error_code(std::errc::permission_denied), v.finale);
    v.esisteva = stato.esiste;
}

// A second name for the older file, so it can come back if a later rename
// fails. Where the file system has no such names (FAT), the change goes on
// without: the renames themselves were checked for above.
void LottoFile::metti_da_parte(Voce& v) {
    if (!v.esisteva) return;
    std::error_code ec = std::make_error_code(std::errc::file_exists);
    for (int i = 0; i < tentativi_nome && nome_preso(ec); ++i) {
        const fs::path candidato = nome_nascosto(v.finale);
        ec = operazioni_.collega(v.finale, candidato);
        if (!ec) v.riserva = candidato;
    }
}

// The files already renamed go back to what they were: the older file from
// its spare name, or no file where there was none.
void LottoFile::rimetti_vecchi() {
    for (Voce& v : voci_) {
        if (!v.in_posto) continue;
        if (!v.riserva.empty()) {
            if (!operazioni_.rinomina(v.riserva, v.finale)) v.riserva.clear();
        } else if (!v.esisteva) {
            operazioni_.elimina(v.finale);
        }
    }
}

// Our own temporary goes; a spare goes only while the older file still has
// its name, for then it is a second name of it and nothing more.
void LottoFile::scarta(Voce& v) {
    SezioneProtetta protetta;
    if (!v.in_posto && !v.temporaneo.empty()) {
        operazioni_.elimina(v.temporaneo);
        dimentica_temporaneo(v.temporaneo);
    }
    if (!v.in_posto && !v.riserva.empty()) operazioni_.elimina(v.riserva);
}

}  // namespace scenario
