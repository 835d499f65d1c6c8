// The real file operations of the disk archive: C streams for the bytes, and
// the system's own calls (sistema_file.h) where the standard library has no
// exclusive, durable or locking equivalent.
#include "platform/operazioni_file.h"

#include <array>

#include "platform/blocco_cartella.h"
#include "platform/sistema_file.h"

namespace scenario {
namespace fs = std::filesystem;

namespace {

using sistema::azzera_errore_c;
using sistema::errore_c;

std::error_code leggi_flusso(std::FILE* f, std::string& dati) {
    std::array<char, 65536> blocco{};
    azzera_errore_c();
    for (;;) {
        const std::size_t n = std::fread(blocco.data(), 1, blocco.size(), f);
        dati.append(blocco.data(), n);
        if (n < blocco.size()) break;
    }
    return std::ferror(f) ? errore_c() : std::error_code{};
}

class OperazioniDiSistema final : public OperazioniFile {
public:
    std::error_code esamina(const fs::path& p, StatoFile& stato) override {
        std::error_code ec;
        const fs::file_status s = fs::symlink_status(p, ec);
        stato = StatoFile{};
        if (s.type() == fs::file_type::not_found) return {};
        if (ec) return ec;
        constexpr fs::perms scrittura = fs::perms::owner_write | fs::perms::group_write | fs::perms::others_write;
        stato.esiste = true;
        stato.regolare = s.type() == fs::file_type::regular;
        stato.cartella = s.type() == fs::file_type::directory;
        stato.sola_lettura = stato.regolare && (s.permissions() & scrittura) == fs::perms::none;
        return {};
    }

    std::error_code crea_nuovo(const fs::path& p, std::FILE*& f) override { return sistema::crea_esclusivo(p, f); }

    std::error_code scrivi(std::FILE* f, std::string_view dati) override {
        azzera_errore_c();
        if (std::fwrite(dati.data(), 1, dati.size(), f) != dati.size()) return errore_c();
        return {};
    }

    std::error_code sincronizza(std::FILE* f) override { return sistema::sincronizza_file(f); }
    bool avvia_scrittura(std::FILE* f, std::uint64_t da, std::uint64_t quanti) override {
        return sistema::avvia_scrittura(f, da, quanti);
    }

    std::error_code chiudi(std::FILE* f) override {
        azzera_errore_c();
        return std::fclose(f) != 0 ? errore_c() : std::error_code{};
    }

    std::error_code rinomina(const fs::path& da, const fs::path& a) override { return sistema::rinomina(da, a); }
    std::error_code collega(const fs::path& da, const fs::path& a) override { return sistema::collega(da, a); }
    std::error_code elimina(const fs::path& p) override { return sistema::elimina(p); }

    std::error_code leggi(const fs::path& p, std::string& dati) override {
        azzera_errore_c();
        std::FILE* f = sistema::apri_lettura(p);
        if (!f) return errore_c();
        std::error_code ec = leggi_flusso(f, dati);
        std::fclose(f);  // read only: nothing to lose on close
        return ec;
    }

    std::error_code sincronizza_cartella(const fs::path& cartella) override {
        return sistema::sincronizza_cartella(cartella);
    }

    std::error_code blocca(const fs::path& cartella, std::unique_ptr<BloccoCartella>& blocco) override {
        // Inside a builder's run the run holds the folder already.
        return blocca_per_il_cambio(cartella, blocco);
    }
};

}  // namespace

OperazioniFile& operazioni_di_sistema() {
    static OperazioniDiSistema sistema;
    return sistema;
}

}  // namespace scenario
