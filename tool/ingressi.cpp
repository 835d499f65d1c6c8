// The checks of a compile's command line and inputs, all made before the
// first file is written.
#include "tool/ingressi.h"

#include <algorithm>
#include <cctype>
#include <system_error>

#include "platform/file_ingresso.h"
#include "platform/percorso_utf8.h"
#include "tool/uso_errato.h"

namespace scenario {
namespace fs = std::filesystem;

namespace {

constexpr std::string_view vietati_da_windows = "<>:\"|?*";

bool uguali_senza_maiuscole(std::string_view a, std::string_view b) {
    return std::ranges::equal(a, b, [](char x, char y) {
        return std::tolower(static_cast<unsigned char>(x)) == std::tolower(static_cast<unsigned char>(y));
    });
}

std::optional<std::string> carattere_vietato(std::string_view nome) {
    for (const char c : nome) {
        if (vietati_da_windows.find(c) != std::string_view::npos)
            return std::string("contiene il carattere '") + c + "', che Windows non ammette nei nomi di file";
        if (static_cast<unsigned char>(c) < 32) return "contiene un carattere di controllo";
    }
    return std::nullopt;
}

// Equivalent names: one file by two paths (a link, another spelling).
bool stesso_file(const fs::path& a, const fs::path& b) {
    std::error_code ec;
    return fs::equivalent(a, b, ec) && !ec;
}

}  // namespace

std::optional<std::string> difetto_nome(std::string_view nome) {
    if (nome.empty()) return "è vuoto";
    if (nome.find('\0') != std::string_view::npos) return "contiene un carattere nullo";
    if (nome.find_first_of("/\\") != std::string_view::npos) return "contiene un separatore di cartella";
    if (nome.find("..") != std::string_view::npos) return "contiene \"..\"";
    return carattere_vietato(nome);
}

void controlla_nome(std::string_view nome, std::string_view cosa, std::string_view opzione) {
    if (const auto difetto = difetto_nome(nome))
        throw UsoErrato{std::string(cosa) + " \"" + std::string(nome) + "\" " + *difetto +
                        ": è una parte del nome dei file, non un percorso; sceglilo con " + std::string(opzione)};
}

void controlla_uscite(const std::vector<std::string>& nomi, const fs::path& uscita,
                      const std::vector<fs::path>& ingressi) {
    for (std::size_t i = 0; i < nomi.size(); ++i)
        for (std::size_t j = i + 1; j < nomi.size(); ++j)
            if (uguali_senza_maiuscole(nomi[i], nomi[j]))
                throw UsoErrato{"due file scritti avrebbero lo stesso nome \"" + nomi[j] +
                                "\": scegli un altro --train o un altro --route"};
    for (const std::string& nome : nomi) {
        const fs::path p = uscita / percorso_da_utf8(nome);
        for (const fs::path& ingresso : ingressi)
            if (stesso_file(p, ingresso))
                throw UsoErrato{"il file " + utf8_di_percorso(p) + " sostituirebbe " + utf8_di_percorso(ingresso) +
                                ", che si sta leggendo: scegli un'altra cartella con -o"};
    }
}

std::string leggi_ingresso(const fs::path& p) { return leggi_file_ingresso(p, limite_ingresso); }

}  // namespace scenario
