// Reads compiled files from disk through the platform's archive and turns a
// decoder's defect into the message a person reads.
#include "tool/file_compilati.h"

#include <algorithm>
#include <cctype>

#include "app/stato_uscita.h"
#include "compiler/decodifica_celle.h"
#include "compiler/decodifica_insieme.h"
#include "compiler/decodifica_tabella.h"
#include "compiler/decodifica_tracciato.h"
#include "platform/descrizione_guasto.h"
#include "platform/guasto_file.h"
#include "platform/operazioni_file.h"
#include "platform/percorso_utf8.h"

namespace scenario {
namespace {

namespace fs = std::filesystem;

constexpr std::string_view fine_tracciato = "_linea.dat";

std::string minuscolo(std::string t) {
    std::ranges::transform(t, t.begin(), [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return t;
}

bool finisce_con(const std::string& nome, std::string_view fine) {
    const std::string n = minuscolo(nome);
    return n.size() > fine.size() && n.compare(n.size() - fine.size(), fine.size(), fine) == 0;
}

[[noreturn]] void non_valido(const fs::path& p, const Difetto& d) {
    throw FileInutilizzabile{utf8_di_percorso(p) + ": non valido: " + messaggio_difetto(d), uscita::guasto_registrato};
}

template <typename T>
T valido_o_errore(const fs::path& p, Decodificato<T> r) {
    if (r.difetto) non_valido(p, *r.difetto);
    return std::move(r.dati);
}

std::vector<fs::path> candidati(const fs::path& p, Formato f) {
    const std::string nome = utf8_del_nome(p);
    const fs::path cartella = p.parent_path().empty() ? fs::path(".") : p.parent_path();
    if (f == Formato::celle) {
        const fs::path tabella = cartella / percorso_da_utf8(nome.substr(0, nome.size() - 4) + ".sim");
        std::error_code ec;
        return fs::exists(tabella, ec) ? std::vector<fs::path>{tabella} : std::vector<fs::path>{};
    }
    const std::string inizio = minuscolo(nome.substr(0, nome.size() - fine_tracciato.size()) + "_");
    std::vector<fs::path> trovati;
    std::error_code ec;
    for (const auto& voce : fs::directory_iterator(cartella, ec)) {
        const std::string altro = utf8_del_nome(voce.path());
        if (minuscolo(altro).starts_with(inizio) && finisce_con(altro, ".sim")) trovati.push_back(voce.path());
    }
    std::ranges::sort(trovati);
    return trovati;
}

}  // namespace

std::optional<Formato> formato_da_nome(const std::string& nome) {
    if (finisce_con(nome, fine_tracciato)) return Formato::tracciato;
    if (finisce_con(nome, ".sim")) return Formato::tabella;
    if (finisce_con(nome, ".dat")) return Formato::celle;
    return std::nullopt;
}

std::string_view nome_formato(Formato f) {
    switch (f) {
        case Formato::celle: return "celle";
        case Formato::tabella: return "tabella";
        case Formato::tracciato: return "tracciato";
    }
    return "?";
}

std::string leggi_compilato(const fs::path& p) {
    std::string dati;
    std::error_code ec;
    StatoFile stato;
    if (!operazioni_di_sistema().esamina(p, stato) && stato.cartella) ec = std::make_error_code(std::errc::is_a_directory);
    if (!ec) ec = operazioni_di_sistema().leggi(p, dati);
    if (ec) {
        const DescrizioneGuasto d = descrivi_guasto(GuastoFile(ec, p));
        throw FileInutilizzabile{d.percorso + ": impossibile leggere il file: errore " + std::to_string(d.numero) + ": " +
                                     d.testo,
                                 uscita::guasto_file};
    }
    return dati;
}

std::vector<Cella> carica_celle(const fs::path& p) { return valido_o_errore(p, decodifica_celle(leggi_compilato(p))); }
Voci carica_tabella(const fs::path& p) { return valido_o_errore(p, decodifica_tabella(leggi_compilato(p))); }
Tracciato carica_tracciato(const fs::path& p) {
    return valido_o_errore(p, decodifica_tracciato(leggi_compilato(p)));
}

std::vector<TabellaAccanto> tabelle_accanto(const fs::path& p, Formato f, std::string& nota) {
    std::vector<TabellaAccanto> tabelle;
    const std::vector<fs::path> nomi = candidati(p, f);
    for (const fs::path& t : nomi) {
        try {
            tabelle.push_back({t, carica_tabella(t)});
        } catch (const FileInutilizzabile& e) {
            nota += "nota: la tabella accanto non si può usare: " + e.messaggio + "\n";
        }
    }
    if (nomi.empty()) {
        nota += "nota: accanto a " + utf8_del_nome(p) +
                " non c'è la sua tabella (.sim): la lunghezza del file non si può confrontare con quella del "
                "percorso, e un file troncato a un confine di record non si riconosce\n";
    }
    return tabelle;
}

void confronta_celle(const fs::path& p, const std::vector<Cella>& celle, const TabellaAccanto& t) {
    if (auto d = verifica_celle_con_tabella(celle, t.voci)) {
        d->dettaglio += " (tabella " + utf8_del_nome(t.percorso) + ")";
        non_valido(p, *d);
    }
}

void confronta_tracciato(const fs::path& p, const Tracciato& tr, const std::vector<TabellaAccanto>& tabelle) {
    std::optional<Difetto> primo;
    for (const TabellaAccanto& t : tabelle) {
        auto d = verifica_tracciato_con_tabella(tr, t.voci);
        if (!d) return;
        if (!primo) {
            primo = std::move(d);
            primo->dettaglio += " (tabella " + utf8_del_nome(t.percorso) + ")";
        }
    }
    if (primo) non_valido(p, *primo);
}

}  // namespace scenario
