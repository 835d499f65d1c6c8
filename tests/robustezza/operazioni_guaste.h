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

enum class TipoOperazione { esamina, apri, scrivi, sincronizza, chiudi, rinomina, elimina, leggi };

std::string_view nome_tipo(TipoOperazione tipo);
inline void PrintTo(TipoOperazione tipo, std::ostream* os) { *os << nome_tipo(tipo); }

struct Operazione {
    TipoOperazione tipo;
    std::string file;  // bare name; for a rename, the name it replaces
};

class OperazioniGuaste final : public OperazioniFile {
public:
    // Operation number `indice` (from 0, every kind counted) fails with `numero`.
    void guasta_numero(std::size_t indice, int numero);
    // The first operation of `tipo` on the file named `file` fails with `numero`.
    void guasta_prima(TipoOperazione tipo, std::string file, int numero);

    // Every operation asked for, the failed one included, in order.
    const std::vector<Operazione>& eseguite() const { return eseguite_; }
    bool guasto_avvenuto() const { return colpito_; }

    std::error_code esamina(const std::filesystem::path& p, StatoFile& stato) override;
    std::error_code apri(const std::filesystem::path& p, std::FILE*& f) override;
    std::error_code scrivi(std::FILE* f, std::string_view dati) override;
    std::error_code sincronizza(std::FILE* f) override;
    std::error_code chiudi(std::FILE* f) override;
    std::error_code rinomina(const std::filesystem::path& da, const std::filesystem::path& a) override;
    std::error_code elimina(const std::filesystem::path& p) override;
    std::error_code leggi(const std::filesystem::path& p, std::string& dati) override;

private:
    // Records the operation; the failure to report when it is the chosen one.
    std::optional<std::error_code> registra(TipoOperazione tipo, std::string file);
    std::string nome_di(std::FILE* f) const;

    OperazioniFile& vere_ = operazioni_di_sistema();
    std::map<std::FILE*, std::string> aperti_;
    std::vector<Operazione> eseguite_;
    std::optional<std::size_t> indice_;
    std::optional<TipoOperazione> tipo_;
    std::string file_;
    int numero_ = 0;
    bool colpito_ = false;
};

}  // namespace scenario::test
