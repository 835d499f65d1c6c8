// Finds the files of one compiled scenario, decompiles them, writes the two
// texts together (never over a person's text without --force) and tells
// how the round trip went.
#include "tool/comando_decompile.h"

#include <algorithm>
#include <cctype>
#include <map>
#include <memory>

#include "app/stato_uscita.h"
#include "compiler/decompila.h"
#include "compiler/nomi_file.h"
#include "platform/archivio_disco.h"
#include "platform/guasto_file.h"
#include "platform/percorso_utf8.h"
#include "tool/file_compilati.h"
#include "tool/ingressi.h"
#include "tool/opzione_percorso.h"
#include "tool/testo_1252.h"
#include "tool/uso_errato.h"

namespace scenario {
namespace {

namespace fs = std::filesystem;
using FilePerFormato = std::map<Formato, fs::path>;

constexpr const char* spiegazione = R"(Legge uno scenario compilato (file delle celle PERCORSO_TRENO.dat, tabella
PERCORSO_TRENO.sim e, se c'è, geometria PERCORSO_linea.dat) e scrive in
CARTELLA i due testi sorgente PERCORSO_linea.txt e PERCORSO_TRENO-.txt, nelle
forme dei testi incorporati, tali che compilarli dia di nuovo gli stessi byte.
Poi lo dimostra: compila in memoria i testi scritti e confronta ogni byte con
i file letti. Se qualcosa non torna (un file ritoccato a mano, o che il
compilatore non scrive mai così) scrive comunque i testi migliori ed elenca
ogni cella, record o metro diverso: cosa ha il file, cosa danno i testi e,
se si sa, perché nessun testo lo dà.
DIR è una cartella con uno scenario compilato (con più scenari, --route e
--train scelgono quale); oppure si indicano i file. Senza la geometria i
testi vanno compilati con --no-geometry. Testi già presenti in CARTELLA non
vengono sostituiti senza --force.

Esempio, andata e ritorno:
  scenario decompile build/bin -o mio
  scenario compile mio/Vordano_Seli_linea.txt mio/Vordano_Seli_4936-.txt -o mio
  cmp mio/Vordano_Seli_4936.dat build/bin/Vordano_Seli_4936.dat

Stato di uscita: 0 i testi danno gli stessi byte; 1 differenze (testi scritti,
differenze elencate), oppure i file non sono uno scenario compilato (nessun
file scritto); 2 riga di comando errata, o testi già presenti senza --force;
4 un file non si è potuto leggere o scrivere.)";

std::string minuscolo(std::string t) {
    std::ranges::transform(t, t.begin(), [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return t;
}

bool sceglie(const std::string& radice, const OpzioniDecompile& o) {
    const std::string r = minuscolo(radice);
    if (o.percorso && !r.starts_with(minuscolo(*o.percorso + "_"))) return false;
    return !o.numero || r.ends_with(minuscolo("_" + *o.numero));
}

// The cell files of a folder that --route and --train leave.
std::vector<fs::path> celle_della_cartella(const fs::path& cartella, const OpzioniDecompile& o) {
    std::vector<fs::path> celle;
    for (const auto& voce : fs::directory_iterator(cartella)) {
        const std::string nome = utf8_del_nome(voce.path());
        if (voce.is_regular_file() && formato_da_nome(nome) == Formato::celle &&
            sceglie(utf8_di_percorso(voce.path().stem()), o))
            celle.push_back(voce.path());
    }
    std::ranges::sort(celle);
    return celle;
}

// The route's geometry beside the cell file: the longest "R_linea.dat" whose R_ starts its name.
std::optional<fs::path> geometria_accanto(const fs::path& celle) {
    const std::string radice = minuscolo(utf8_di_percorso(celle.stem()));
    std::optional<fs::path> trovata;
    for (const auto& voce : fs::directory_iterator(celle.parent_path().empty() ? fs::path(".") : celle.parent_path())) {
        const std::string nome = utf8_del_nome(voce.path());
        if (!voce.is_regular_file() || formato_da_nome(nome) != Formato::tracciato) continue;
        const std::string percorso = minuscolo(nome.substr(0, nome.size() - std::string("_linea.dat").size()));
        if (radice.starts_with(percorso + "_") &&
            (!trovata || nome.size() > utf8_di_percorso(trovata->filename()).size()))
            trovata = voce.path();
    }
    return trovata;
}

FilePerFormato file_della_cartella(const fs::path& cartella, const OpzioniDecompile& o) {
    const std::vector<fs::path> celle = celle_della_cartella(cartella, o);
    if (celle.size() != 1) {
        std::string nomi;
        for (const fs::path& c : celle) nomi += (nomi.empty() ? "" : ", ") + utf8_di_percorso(c.stem());
        throw UsoErrato{celle.empty()
                            ? utf8_di_percorso(cartella) + " non contiene un file delle celle (PERCORSO_TRENO.dat)" +
                                  std::string(o.percorso || o.numero ? " con quel --route e --train" : "")
                            : utf8_di_percorso(cartella) + " contiene " + std::to_string(celle.size()) +
                                  " scenari compilati (" + nomi + "): scegli con --route e --train"};
    }
    FilePerFormato f{{Formato::celle, celle.front()}};
    fs::path tabella = celle.front();
    tabella.replace_extension(".sim");
    if (!fs::exists(tabella))
        throw UsoErrato{"manca la tabella " + utf8_di_percorso(tabella) + " accanto al file delle celle"};
    f[Formato::tabella] = tabella;
    if (auto g = geometria_accanto(celle.front())) f[Formato::tracciato] = *g;
    return f;
}

FilePerFormato file_nominati(const std::vector<fs::path>& ingressi) {
    FilePerFormato f;
    for (const fs::path& p : ingressi) {
        std::error_code ec;
        if (!fs::exists(p, ec)) throw GuastoFile(std::make_error_code(std::errc::no_such_file_or_directory), p);
        const auto formato = formato_da_nome(utf8_del_nome(p));
        if (!formato)
            throw UsoErrato{"non riconosco " + utf8_di_percorso(p) + ": serve un .dat, un .sim o un _linea.dat"};
        if (f.contains(*formato))
            throw UsoErrato{"due file dello stesso tipo: " + utf8_di_percorso(f[*formato]) + ", " +
                            utf8_di_percorso(p)};
        f[*formato] = p;
    }
    if (!f.contains(Formato::celle)) throw UsoErrato{"manca il file delle celle (PERCORSO_TRENO.dat)"};
    if (!f.contains(Formato::tabella)) throw UsoErrato{"manca la tabella dello scenario (PERCORSO_TRENO.sim)"};
    return f;
}

FilePerFormato trova_file(const OpzioniDecompile& o) {
    if (o.ingressi.size() == 1 && fs::is_directory(o.ingressi.front())) return file_della_cartella(o.ingressi.front(), o);
    if (o.percorso || o.numero) throw UsoErrato{"--route e --train scelgono lo scenario di una cartella, non dei file indicati"};
    return file_nominati(o.ingressi);
}

// Anything at all under the name, a link or a folder included.
bool occupato(const fs::path& p) {
    std::error_code ec;
    return fs::symlink_status(p, ec).type() != fs::file_type::not_found;
}

// The texts are named after the table's route and train, as compile expects them.
std::optional<std::string> nomi_inadatti(const decompila::Decompilazione& d) {
    for (const auto& [nome, cosa] : {std::pair{d.percorso, "il nome del percorso"}, std::pair{d.treno, "il numero del treno"}}) {
        if (const auto difetto = difetto_nome(nome))
            return std::string(cosa) + " della tabella, \"" + utf8_da_1252(nome) + "\", " + *difetto +
                   ": non può dare il nome a un testo sorgente";
    }
    return std::nullopt;
}

// Every input read whole before anything is decided or written.
decompila::Decompilazione decompila_file(const FilePerFormato& f) {
    std::map<Formato, std::string> dati;
    for (const auto& [formato, percorso] : f) dati[formato] = leggi_ingresso(percorso);
    decompila::FileLetti letti{dati[Formato::celle], dati[Formato::tabella], std::nullopt};
    if (dati.contains(Formato::tracciato)) letti.tracciato = dati[Formato::tracciato];
    return decompila::decompila(letti);
}

// The two texts under the names compile expects for the table's route and
// train: the table holds them in Windows-1252, the disk's names are UTF-8.
std::vector<FileNuovo> testi_di(const decompila::Decompilazione& d) {
    Stato nomi;
    nomi.nome_percorso = d.percorso;
    nomi.numero_treno = d.treno;
    return {{utf8_da_1252(nome_testo_linea(nomi)), d.testo_linea},
            {utf8_da_1252(nome_testo_treno(nomi)), d.testo_treno}};
}

// Texts already in the output folder stop the command unless --force: each is named.
bool gia_presenti(const std::vector<FileNuovo>& testi, const OpzioniDecompile& o, Rapporto& r) {
    bool presenti = false;
    for (const FileNuovo& t : testi) {
        if (o.forza || !occupato(o.uscita / percorso_da_utf8(t.nome))) continue;
        r.messaggio("scenario: " + utf8_di_percorso(o.uscita / percorso_da_utf8(t.nome)) + " esiste già");
        presenti = true;
    }
    if (presenti) r.messaggio("scenario: nessun file scritto: --force li sostituisce.");
    return presenti;
}

void riporta_prova(const decompila::Decompilazione& d, Rapporto& r) {
    if (!d.errori.empty()) r.messaggio("scenario: compilati, i testi danno questi errori (i file compilati vengono scritti lo stesso):");
    for (const std::string& e : d.errori) r.messaggio(e);
    if (!d.con_geometria)
        r.messaggio("scenario: senza la geometria della linea i testi non hanno curve: compilali con --no-geometry.");
    if (d.differenze.empty()) {
        r.messaggio("scenario: andata e ritorno esatta: i testi compilati danno gli stessi byte dei file letti.");
        return;
    }
    r.messaggio("scenario: i testi compilati non danno gli stessi byte: " + std::to_string(d.differenze.size()) +
                " differenze.");
    for (const auto& x : d.differenze) r.messaggio(decompila::descrivi(x));
}

}  // namespace

void aggiungi_decompile(CLI::App& app, int& stato, Rapporto& r) {
    auto o = std::make_shared<OpzioniDecompile>();
    auto* sub = app.add_subcommand("decompile", "Riporta uno scenario compilato ai suoi testi sorgente, e lo dimostra.");
    sub->footer(spiegazione);
    aggiungi_percorsi(sub, "DIR|FILE", o->ingressi,
                      "Cartella dello scenario compilato, o i suoi file (.dat, .sim, _linea.dat)")
        ->required();
    aggiungi_percorso(sub, "-o,--output", o->uscita,
                      "Cartella dei testi (predefinita: quella corrente); creata se manca")
        ->type_name("CARTELLA");
    sub->add_option("--route", o->percorso, "Nome del percorso dello scenario da leggere nella cartella")
        ->type_name("NOME");
    sub->add_option("--train", o->numero, "Numero del treno dello scenario da leggere nella cartella")
        ->type_name("NUMERO");
    sub->add_flag("--force", o->forza, "Sostituisce i testi già presenti in CARTELLA (senza, nessun file è toccato)");
    sub->callback([o, &stato, &r] { stato = esegui_decompile(*o, r); });
}

int esegui_decompile(const OpzioniDecompile& o, Rapporto& r) {
    const FilePerFormato f = trova_file(o);
    const decompila::Decompilazione d = decompila_file(f);
    if (d.non_compilato) {
        r.messaggio("scenario: non è uno scenario compilato: " + *d.non_compilato + "; nessun file scritto.");
        return uscita::guasto_registrato;
    }
    if (const auto motivo = nomi_inadatti(d)) {
        r.messaggio("scenario: " + *motivo + "; nessun file scritto.");
        return uscita::guasto_registrato;
    }
    const std::vector<FileNuovo> testi = testi_di(d);
    std::vector<fs::path> ingressi;
    for (const auto& [formato, percorso] : f) ingressi.push_back(percorso);
    controlla_uscite({testi[0].nome, testi[1].nome}, o.uscita, ingressi);
    if (gia_presenti(testi, o, r)) return uscita::uso_errato;

    std::error_code ec;
    fs::create_directories(o.uscita, ec);
    if (ec) throw GuastoFile(ec, o.uscita);
    ArchivioDisco(o.uscita).scrivi_insieme(testi);
    for (const FileNuovo& t : testi) r.file_scritto(t.nome, o.uscita / percorso_da_utf8(t.nome));
    riporta_prova(d, r);
    return d.differenze.empty() ? uscita::successo : uscita::guasto_registrato;
}

}  // namespace scenario
