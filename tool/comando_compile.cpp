// Compiles a user's scenario once every check has passed, or only checks it,
// and reports: the files put in place, the faults and warnings, the exit
// status, by the builder's own end-of-run rule.
#include "tool/comando_compile.h"

#include <future>
#include <map>
#include <optional>
#include <vector>

#include "app/fine_corsa.h"
#include "compiler/compilatore.h"
#include "compiler/nomi_file.h"
#include "compiler/testo_unicode.h"
#include "platform/confronto_nomi.h"
#include "platform/guasto_file.h"
#include "platform/percorso_utf8.h"
#include "tool/archivio_compilazione.h"
#include "tool/ingressi.h"
#include "tool/rapporto_comando.h"
#include "tool/testo_1252.h"

namespace scenario {
namespace {

constexpr std::string_view suffisso_linea = "_linea.txt";
constexpr std::string_view suffisso_treno = "-.txt";

std::string nome_o_uso_errato(const std::optional<std::string>& dato, const std::optional<std::string>& dedotto,
                              const char* messaggio) {
    if (dato) return *dato;
    if (dedotto) return *dedotto;
    throw UsoErrato{messaggio};
}

std::optional<std::string> testo_esito(Esito e) {
    switch (e) {
        case Esito::errore_1250: return std::to_string(errore_marcatore);
        case Esito::errore_1251: return std::to_string(errore_codici_gara);
        case Esito::completato: break;
    }
    return std::nullopt;
}

// The files this compile would write, in the compiler's order, as file names.
std::vector<std::string> nomi_compilati(const Stato& s, bool geometria) {
    std::vector<std::string> nomi;
    if (geometria) nomi.push_back(utf8_da_1252(nome_tracciato(s)));
    nomi.push_back(utf8_da_1252(nome_tabella(s)));
    nomi.push_back(utf8_da_1252(nome_file_celle(s)));
    return nomi;
}

// The first character of `nome` Windows-1252 has not, quoted; a byte that
// is not UTF-8 at all is named by its number.
std::string primo_fuori_da_1252(std::string_view nome) {
    for (std::size_t i = 0; i < nome.size();) {
        const std::size_t n = sequenza_utf8(nome, i);
        if (n == 0) return "il byte " + std::to_string(static_cast<unsigned char>(nome[i])) + " (non UTF-8)";
        if (!byte_1252_da_utf8(nome.substr(i, n))) return "\"" + std::string(nome.substr(i, n)) + "\"";
        i += n;
    }
    return "un carattere";
}

// A name given as text (UTF-8, typed or a file's) as the scenario holds it,
// in Windows-1252: checked as a part of a file name first, and refused when
// it holds a character Windows-1252 has not, rather than stored as others.
std::string nome_dello_scenario(const std::string& nome, std::string_view cosa, std::string_view opzione) {
    controlla_nome(nome, cosa, opzione);
    if (auto byte = byte_1252_da_utf8(nome)) return std::move(*byte);
    throw UsoErrato{std::string(cosa) + " \"" + nome + "\" contiene " + primo_fuori_da_1252(nome) +
                    ", che lo scenario non può contenere (i suoi testi sono in Windows-1252): sceglilo con " +
                    std::string(opzione)};
}

// Names first, then outputs (none for check), then the inputs themselves: a
// mistake on the command line is reported before any file is opened.
std::map<std::string, std::string> controlla_e_leggi(const OpzioniCompile& o, Stato& s, bool scrive) {
    const std::string percorso = nome_o_uso_errato(o.percorso, percorso_da_nome(utf8_del_nome(o.linea)),
                                                   "serve --route: il nome di LINEA non finisce in \"_linea.txt\"");
    s.nome_percorso = nome_dello_scenario(percorso, "il nome del percorso", "--route");
    const std::string numero = nome_o_uso_errato(o.numero, treno_da_nome(utf8_del_nome(o.treno), percorso),
                                                 "serve --train: il nome di TRENO non è PERCORSO_NUMERO-.txt");
    s.numero_treno = nome_dello_scenario(numero, "il numero del treno", "--train");
    if (scrive) controlla_uscite(nomi_compilati(s, !o.senza_geometria), o.uscita, {o.linea, o.treno});
    std::map<std::string, std::string> sorgenti;
    sorgenti[nome_testo_linea(s)] = leggi_ingresso(o.linea);
    sorgenti[nome_testo_treno(s)] = leggi_ingresso(o.treno);
    return sorgenti;
}

// The compile through `uscita` (nothing: check, which writes nothing). A file
// that cannot be put in place is reported after what the compile found; the
// texts are named in the report as the person gave them.
int compila(const OpzioniCompile& o, Rapporto& r, const std::optional<std::filesystem::path>& uscita) {
    Stato s;
    ArchivioCompilazione archivio(controlla_e_leggi(o, s, uscita.has_value()), uscita);
    const NomiTesti nomi{utf8_di_percorso(o.linea), utf8_di_percorso(o.treno)};
    // The compiler writes only a completed compile, and its state is final by
    // then: the report is made on the other core while the files are
    // encoded, written and synced.
    std::future<Conclusione> fatta_scrivendo;
    archivio.prima_di_scrivere([&] {
        fatta_scrivendo = std::async(std::launch::async, [&s, &nomi, &o] {
            return concludi(s, Esito::completato, nomi, o.avvisi_come_errori);
        });
    });
    std::int32_t geometria = o.senza_geometria ? 0 : 1;
    std::optional<GuastoFile> guasto;
    Esito esito = Esito::completato;
    try {
        esito = memorizza_percorso(s, archivio, geometria);
    } catch (const GuastoFile& g) {
        guasto = g;
    }
    for (const auto& nome : archivio.scritti()) r.file_scritto(nome, o.uscita / percorso_da_utf8(nome));
    const auto errore = testo_esito(esito);
    r.esito_compilazione(s.codice_errore, s.posizione_errore, errore ? errore->c_str() : nullptr);
    const Conclusione c = fatta_scrivendo.valid() ? fatta_scrivendo.get() : concludi(s, esito, nomi, o.avvisi_come_errori);
    riferisci_diagnostica(c, r);
    if (guasto) throw *guasto;
    return stato_uscita(c.fine);
}

}  // namespace

std::optional<std::string> percorso_da_nome(const std::string& nome_linea) {
    auto percorso = nome_senza_fine(nome_linea, suffisso_linea);
    if (!percorso || percorso->empty()) return std::nullopt;
    return percorso;
}

std::optional<std::string> treno_da_nome(const std::string& nome_treno, const std::string& percorso) {
    const auto dopo_percorso = nome_senza_inizio(nome_treno, percorso + "_");
    auto numero = dopo_percorso ? nome_senza_fine(*dopo_percorso, suffisso_treno) : std::nullopt;
    if (!numero || numero->empty()) return std::nullopt;
    return numero;
}

int esegui_compile(const OpzioniCompile& o, Rapporto& r) { return compila(o, r, o.uscita); }

int esegui_check(const OpzioniCompile& o, Rapporto& r) { return compila(o, r, std::nullopt); }

}  // namespace scenario
