// File operations for tests: each call goes to the real system, is recorded,
// and the one a test chose fails instead, with the number it chose.
#pragma once

#include <cstddef>
#include <cstdio>
#include <filesystem>
#include <map>
#include <optional>
#include <ostream>
#include <string>
#include <string_view>
#include <vector>

#include "platform/operazioni_file.h"

namespace scenario::test {

enum class TipoOperazione {
    esamina,
    crea_nuovo,
    scrivi,
    sincronizza,
    chiudi,
    rinomina,
    collega,
    elimina,
    leggi,
    sincronizza_cartella,
    blocca,
};

std::string_view nome_tipo(TipoOperazione tipo);
inline void PrintTo(TipoOperazione tipo, std::ostream* os) { *os << nome_tipo(tipo); }

// The final name a hidden temporary or spare (".NAME.XXXXXX") stands for;
// any other name stands for itself.
std::string finale_di(const std::string& nome);
// True for ".NAME.XXXXXX" with a six-character suffix.
bool nome_nascosto(const std::string& nome);

struct Operazione {
    TipoOperazione tipo;
    std::string file;     // bare name it touched; for a rename or link, the name it made
    std::string finale;   // the final name concerned; empty for the folder's own operations
    std::string origine;  // for a rename or link, the name it started from
};

class OperazioniGuaste final : public OperazioniFile {
public:
    // Operation number `indice` (from 0, every kind counted) fails with `numero`.
    void guasta_numero(std::size_t indice, int numero);
    // The first operation of `tipo` concerning the final name `finale` fails with `numero`.
    void guasta_prima(TipoOperazione tipo, std::string finale, int numero);

    // Every operation asked for, the failed one included, in order.
    const std::vector<Operazione>& eseguite() const { return eseguite_; }
    bool guasto_avvenuto() const { return colpito_; }

    std::error_code esamina(const std::filesystem::path& p, StatoFile& stato) override;
    std::error_code crea_nuovo(const std::filesystem::path& p, std::FILE*& f) override;
    std::error_code scrivi(std::FILE* f, std::string_view dati) override;
    std::error_code sincronizza(std::FILE* f) override;
    std::error_code chiudi(std::FILE* f) override;
    std::error_code rinomina(const std::filesystem::path& da, const std::filesystem::path& a) override;
    std::error_code collega(const std::filesystem::path& da, const std::filesystem::path& a) override;
    std::error_code elimina(const std::filesystem::path& p) override;
    std::error_code leggi(const std::filesystem::path& p, std::string& dati) override;
    std::error_code sincronizza_cartella(const std::filesystem::path& cartella) override;
    std::error_code blocca(const std::filesystem::path& cartella, std::unique_ptr<BloccoCartella>& blocco) override;

private:
    // Records the operation; the failure to report when it is the chosen one.
    std::optional<std::error_code> registra(TipoOperazione tipo, const std::filesystem::path& p,
                                            const std::filesystem::path& origine = {});
    std::optional<std::error_code> registra_cartella(TipoOperazione tipo, const std::filesystem::path& cartella);
    std::optional<std::error_code> registra_su(TipoOperazione tipo, std::FILE* f);
    std::optional<std::error_code> decidi(Operazione o);

    OperazioniFile& vere_ = operazioni_di_sistema();
    std::map<std::FILE*, std::filesystem::path> aperti_;
    std::vector<Operazione> eseguite_;
    std::optional<std::size_t> indice_;
    std::optional<TipoOperazione> tipo_;
    std::string finale_;
    int numero_ = 0;
    bool colpito_ = false;
};

}  // namespace scenario::test
