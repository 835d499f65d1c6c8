// Decompiles, then compiles the texts again on its own and holds the
// decompiler's claim against the bytes.
#include "tests/fuzz/decompila_verifica.h"

#include "compiler/archivio_memoria.h"
#include "compiler/nomi_file.h"
#include "tests/fuzz/ingresso.h"

namespace scenario::fuzz {
namespace {

// The texts compiled as `scenario compile` would: the same bytes back?
bool stessi_byte(const decompila::Decompilazione& d, const decompila::FileLetti& f) {
    Stato s;
    s.nome_percorso = d.percorso;
    s.numero_treno = d.treno;
    ArchivioMemoria a;
    a.file[nome_testo_linea(s)] = d.testo_linea;
    a.file[nome_testo_treno(s)] = d.testo_treno;
    std::int32_t j = d.con_geometria ? 1 : 0;
    memorizza_percorso(s, a, j);
    const auto uguale = [&a](const std::string& nome, std::string_view atteso) {
        return a.file.contains(nome) && a.file.at(nome) == atteso;
    };
    return uguale(nome_file_celle(s), f.celle) && uguale(nome_tabella(s), f.tabella) &&
           (!f.tracciato || uguale(nome_tracciato(s), *f.tracciato));
}

}  // namespace

std::string decompila_e_verifica(const decompila::FileLetti& f, bool dal_compilatore) {
    const decompila::Decompilazione d = decompila::decompila(f);
    if (d.non_compilato && dal_compilatore) return "the compiler's own files refused: " + *d.non_compilato;
    if (d.non_compilato) {
        if (d.non_compilato->empty()) return "refused without a reason";
        if (!d.testo_linea.empty() || !d.testo_treno.empty() || !d.differenze.empty())
            return "refused files, yet texts or differences";
        return {};
    }
    if (d.testo_linea.empty() || d.testo_treno.empty()) return "a decompile without texts";
    for (const auto& x : d.differenze)
        if (decompila::descrivi(x).empty()) return "a difference without words";
    const bool uguali = stessi_byte(d, f);
    if (uguali && !d.differenze.empty()) return "differences listed, yet the texts give the same bytes";
    if (!uguali && d.differenze.empty()) return "no difference listed, yet the texts give other bytes";
    return {};
}

decompila::FileLetti dividi_compilati(std::string_view dati) {
    decompila::FileLetti f;
    const std::size_t primo = dati.find(separatore_testi);
    f.celle = dati.substr(0, primo);
    if (primo == std::string_view::npos) return f;
    dati.remove_prefix(primo + separatore_testi.size());
    const std::size_t secondo = dati.find(separatore_testi);
    f.tabella = dati.substr(0, secondo);
    if (secondo != std::string_view::npos) f.tracciato = dati.substr(secondo + separatore_testi.size());
    return f;
}

}  // namespace scenario::fuzz
