// The recorded run and the folder it must leave after any of its calls.
#include "tests/app/corsa_registrata.h"

#include <algorithm>
#include <array>
#include <fstream>
#include <stdexcept>
#include <vector>

#include "platform/archivio_disco.h"
#include "tests/app/messaggi_registrati.h"
#include "tests/supporto/archivio_temporaneo.h"

namespace scenario::test {

namespace fs = std::filesystem;

std::string contenuto_vecchio(const std::string& nome) {
    std::string dati;
    for (int i = 0; i < 40; ++i) dati += "vecchio " + nome + " " + std::to_string(i) + "\r\n";
    return dati;
}

void prepara_vecchi(const fs::path& cartella) {
    for (const auto& nome : nomi_finali) scrivi_file(cartella / nome, contenuto_vecchio(nome));
}

namespace {

// Whole files in blocks: the kill test reads megabytes after every run.
std::string leggi_in_blocchi(const fs::path& p) {
    std::ifstream in(p, std::ios::binary);
    std::string dati;
    std::array<char, 65536> blocco{};
    while (in.read(blocco.data(), blocco.size()) || in.gcount() > 0)
        dati.append(blocco.data(), static_cast<std::size_t>(in.gcount()));
    return dati;
}

}  // namespace

Istantanea istantanea(const fs::path& cartella, const std::string& escluso) {
    Istantanea cartella_letta;
    for (const auto& e : fs::directory_iterator(cartella)) {
        const std::string nome = e.path().filename().string();
        if (e.is_regular_file() && nome != escluso) cartella_letta[nome] = leggi_in_blocchi(e.path());
    }
    return cartella_letta;
}

std::string differenze(const Istantanea& attesa, const Istantanea& trovata) {
    std::string righe;
    for (const auto& [nome, dati] : attesa) {
        const auto t = trovata.find(nome);
        if (t == trovata.end()) righe += nome + ": missing\n";
        else if (t->second != dati)
            righe += nome + ": " + std::to_string(t->second.size()) + " bytes, not the expected " +
                     std::to_string(dati.size()) + "\n";
    }
    for (const auto& [nome, dati] : trovata)
        if (!attesa.contains(nome)) righe += nome + ": not expected\n";
    return righe;
}

std::vector<std::string> temporanei_in(const fs::path& cartella) {
    std::vector<std::string> nomi;
    for (const auto& e : fs::directory_iterator(cartella)) {
        const std::string nome = e.path().filename().string();
        if (nome_nascosto(nome)) nomi.push_back(nome);
    }
    std::ranges::sort(nomi);
    return nomi;
}

Chiamata& ArchivioDiario::apri_chiamata(TipoChiamata tipo, const std::string& nome) {
    const std::size_t ora = operazioni_.eseguite().size();
    return chiamate_.emplace_back(Chiamata{tipo, nome, {}, ora, ora});
}

bool ArchivioDiario::esiste(const std::string& nome) {
    apri_chiamata(TipoChiamata::esiste, nome);
    const bool c = dentro_.esiste(nome);
    chiudi_chiamata();
    return c;
}

std::optional<std::string> ArchivioDiario::leggi(const std::string& nome) {
    apri_chiamata(TipoChiamata::leggi, nome);
    auto dati = dentro_.leggi(nome);
    chiudi_chiamata();
    return dati;
}

void ArchivioDiario::elimina(const std::string& nome) {
    apri_chiamata(TipoChiamata::elimina, nome);
    dentro_.elimina(nome);
    chiudi_chiamata();
}

void ArchivioDiario::scrivi(const std::string& nome, std::string_view dati) {
    apri_chiamata(TipoChiamata::scrivi, nome).scritti = {{nome, std::string(dati)}};
    dentro_.scrivi(nome, dati);
    chiudi_chiamata();
}

void ArchivioDiario::scrivi_insieme(std::span<const FileNuovo> file) {
    // Whole contents kept: a file made as it is written is made here once more.
    auto& scritti = apri_chiamata(TipoChiamata::scrivi_insieme, "").scritti;
    for (const FileNuovo& f : file) scritti.push_back({f.nome, f.tutto()});
    dentro_.scrivi_insieme(file);
    chiudi_chiamata();
}

namespace {

class FinestraMuta final : public Finestra {
public:
    void mostra() override {}
    void ridisegna() override {}
    void distruggi() override {}
};

}  // namespace

Esito corri(Archivio& archivio) {
    FinestraMuta finestra;
    MessaggiRegistrati messaggi;
    Form1 form(finestra, archivio, messaggi);
    const FineCorsa fine = form.Form_Load();
    return {fine, form.codice_errore};
}

Riferimento corsa_di_riferimento() {
    CartellaTemporanea cartella;
    prepara_vecchi(cartella.percorso());
    Riferimento r;
    r.prima = istantanea(cartella.percorso());
    OperazioniGuaste contate;  // nothing chosen: only counts
    ArchivioDisco disco(cartella.percorso(), contate);
    ArchivioDiario diario(disco, contate);
    if (corri(diario) != Esito{FineCorsa::completata, 0}) throw std::logic_error("the clean run did not complete");
    r.chiamate = diario.chiamate();
    r.operazioni = contate.eseguite();
    r.dopo = istantanea(cartella.percorso());
    return r;
}

std::size_t chiamata_di(const std::vector<Chiamata>& chiamate, std::size_t indice) {
    for (std::size_t c = 0; c < chiamate.size(); ++c)
        if (chiamate[c].prima_operazione <= indice && indice < chiamate[c].dopo_operazione) return c;
    throw std::out_of_range("file operation " + std::to_string(indice) + " ran outside every archive call");
}

namespace {

const FileNuovo* scritto_in(const Chiamata& c, const std::string& nome) {
    for (const FileNuovo& f : c.scritti)
        if (f.nome == nome) return &f;
    return nullptr;
}

}  // namespace

std::size_t scrittura_di(const std::vector<Chiamata>& chiamate, const std::string& nome) {
    for (std::size_t c = 0; c < chiamate.size(); ++c)
        if (scritto_in(chiamate[c], nome)) return c;
    throw std::out_of_range(nome + " is never written");
}

const std::string& dati_scritti(const std::vector<Chiamata>& chiamate, const std::string& nome) {
    return scritto_in(chiamate[scrittura_di(chiamate, nome)], nome)->dati;
}

// A write of several files lands whole: that is what the tests hold it to.
Istantanea dopo_le_chiamate(Istantanea partenza, const std::vector<Chiamata>& chiamate, std::size_t fino_a) {
    for (std::size_t c = 0; c < fino_a && c < chiamate.size(); ++c) {
        for (const FileNuovo& f : chiamate[c].scritti) partenza[f.nome] = f.dati;
        if (chiamate[c].tipo == TipoChiamata::elimina) partenza.erase(chiamate[c].nome);
    }
    return partenza;
}

}  // namespace scenario::test
