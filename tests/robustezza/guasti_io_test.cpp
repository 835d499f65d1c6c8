// Every file operation of a full run made to fail in turn: the run stops with
// the failure's report, or records a reading fault, and never leaves a file
// cut short, an older file changed before its turn, or a temporary behind.
#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <set>
#include <system_error>
#include <vector>

#include "platform/archivio_disco.h"
#include "tests/app/archivio_temporaneo.h"
#include "tests/robustezza/corsa_registrata.h"

namespace scenario::test {
namespace {

namespace fs = std::filesystem;

// A plausible number for each kind, so the report can be checked for it.
int numero_per(TipoOperazione tipo) {
    switch (tipo) {
        case TipoOperazione::esamina: return EIO;
        case TipoOperazione::apri: return EMFILE;
        case TipoOperazione::scrivi: return ENOSPC;
        case TipoOperazione::sincronizza: return EIO;
        case TipoOperazione::chiudi: return ENOSPC;
        case TipoOperazione::rinomina: return EROFS;
        case TipoOperazione::elimina: return EBUSY;
        case TipoOperazione::leggi: return EIO;
    }
    return EIO;
}

// The archive as the compiler would see a file it cannot read: call number
// `scelta` answers "missing" or "unreadable", the others go to disk.
class ArchivioCieco final : public Archivio {
public:
    ArchivioCieco(Archivio& dentro, std::size_t scelta) : dentro_(dentro), scelta_(scelta) {}
    bool esiste(const std::string& nome) override { return prossima() && dentro_.esiste(nome); }
    std::optional<std::string> leggi(const std::string& nome) override {
        if (!prossima()) return std::nullopt;
        return dentro_.leggi(nome);
    }
    void elimina(const std::string& nome) override {
        prossima();
        dentro_.elimina(nome);
    }
    void scrivi(const std::string& nome, std::string_view dati) override {
        prossima();
        dentro_.scrivi(nome, dati);
    }

private:
    bool prossima() { return numero_++ != scelta_; }

    Archivio& dentro_;
    std::size_t scelta_;
    std::size_t numero_ = 0;
};

class GuastiIo : public ::testing::Test {
protected:
    // A write or delete that fails ends the run with its report, and the
    // folder holds exactly what the calls before it left.
    void atteso_rapporto(OperazioniGuaste& op, const fs::path& cartella, std::size_t c, int numero) {
        ArchivioDisco disco(cartella, op);
        try {
            corri(disco);
            ADD_FAILURE() << "the run went on past the failure";
        } catch (const std::system_error& e) {
            EXPECT_EQ(e.code().value(), numero);
            EXPECT_NE(std::string(e.what()).find(rif->chiamate[c].nome), std::string::npos) << e.what();
            EXPECT_EQ(std::string(e.what()).find(".tmp"), std::string::npos) << "name the file, not the temporary";
        }
        EXPECT_EQ(differenze(dopo_le_chiamate(rif->prima, rif->chiamate, c), istantanea(cartella)), "");
    }

    // A read that fails is the compiler's reading fault: the run ends exactly
    // as when the archive itself cannot give that file.
    void atteso_guasto_lettura(OperazioniGuaste& op, const fs::path& cartella, std::size_t c) {
        ArchivioDisco disco(cartella, op);
        const Esito esito = corri(disco);

        CartellaTemporanea confronto;
        prepara_vecchi(confronto.percorso());
        ArchivioDisco vero(confronto.percorso());
        ArchivioCieco cieco(vero, c);
        const Esito atteso = corri(cieco);

        EXPECT_EQ(esito, atteso);
        EXPECT_EQ(esito.fine, FineCorsa::guasto_registrato) << "never reported as success";
        EXPECT_EQ(differenze(istantanea(confronto.percorso()), istantanea(cartella)), "");
    }

    // One clean run, recorded once for every test here.
    static const Riferimento& riferimento() {
        static const Riferimento r = corsa_di_riferimento();
        return r;
    }
    const Riferimento* rif = &riferimento();
};

TEST_F(GuastiIo, ARunUsesEveryKindOfFileOperationAndItsRecordExplainsItsFiles) {
    std::set<TipoOperazione> tipi;
    for (const auto& o : rif->operazioni) tipi.insert(o.tipo);
    EXPECT_EQ(tipi.size(), 8u) << "the seam must see every operation, or the test below misses some";
    EXPECT_EQ(differenze(dopo_le_chiamate(rif->prima, rif->chiamate, rif->chiamate.size()), rif->dopo), "");
}

// Sync before rename: a power cut after the rename must not find an empty file.
TEST_F(GuastiIo, EachFileIsOnTheDeviceBeforeItTakesItsName) {
    using enum TipoOperazione;
    for (const auto& nome : nomi_finali) {
        const Chiamata& c = rif->chiamate[scrittura_di(rif->chiamate, nome)];
        std::vector<Operazione> trovate(rif->operazioni.begin() + static_cast<std::ptrdiff_t>(c.prima_operazione),
                                        rif->operazioni.begin() + static_cast<std::ptrdiff_t>(c.dopo_operazione));
        const std::string t = nome + ".tmp";
        const std::vector<std::pair<TipoOperazione, std::string>> attese = {
            {esamina, nome}, {apri, t}, {scrivi, t}, {sincronizza, t}, {chiudi, t}, {rinomina, nome}};
        ASSERT_EQ(trovate.size(), attese.size()) << nome;
        for (std::size_t i = 0; i < attese.size(); ++i) {
            EXPECT_EQ(trovate[i].tipo, attese[i].first) << nome << " step " << i;
            EXPECT_EQ(trovate[i].file, attese[i].second) << nome << " step " << i;
        }
    }
}

TEST_F(GuastiIo, EveryFileOperationOfARunFailingInTurnLosesNothing) {
    for (std::size_t i = 0; i < rif->operazioni.size(); ++i) {
        const Operazione& o = rif->operazioni[i];
        const std::size_t c = chiamata_di(rif->chiamate, i);
        SCOPED_TRACE("operation " + std::to_string(i) + ": " + std::string(nome_tipo(o.tipo)) + " " + o.file);
        CartellaTemporanea cartella;
        prepara_vecchi(cartella.percorso());
        OperazioniGuaste op;
        op.guasta_numero(i, numero_per(o.tipo));

        const TipoChiamata tipo = rif->chiamate[c].tipo;
        if (tipo == TipoChiamata::scrivi || tipo == TipoChiamata::elimina)
            atteso_rapporto(op, cartella.percorso(), c, numero_per(o.tipo));
        else
            atteso_guasto_lettura(op, cartella.percorso(), c);

        EXPECT_TRUE(op.guasto_avvenuto());
        EXPECT_EQ(temporanei_in(cartella.percorso()), std::vector<std::string>{});
    }
}

// A few failures spelled out by hand, as a check on the recorded model above.
struct CasoScritto {
    const char* descrizione;
    TipoOperazione tipo;
    const char* file;
    int numero;
    std::vector<std::string> nuovi;     // final names holding the clean run's content
    std::vector<std::string> eliminati;  // final names gone
};

void PrintTo(const CasoScritto& caso, std::ostream* os) { *os << caso.descrizione; }

class GuastiScritti : public GuastiIo, public ::testing::WithParamInterface<CasoScritto> {};

TEST_P(GuastiScritti, LeaveExactlyTheseFilesNew) {
    const CasoScritto& caso = GetParam();
    CartellaTemporanea cartella;
    prepara_vecchi(cartella.percorso());
    OperazioniGuaste op;
    op.guasta_prima(caso.tipo, caso.file, caso.numero);
    ArchivioDisco disco(cartella.percorso(), op);

    EXPECT_THROW(corri(disco), std::system_error);

    const Istantanea trovata = istantanea(cartella.percorso());
    for (const auto& nome : nomi_finali) {
        const bool nuovo = std::ranges::find(caso.nuovi, nome) != caso.nuovi.end();
        const bool eliminato = std::ranges::find(caso.eliminati, nome) != caso.eliminati.end();
        if (eliminato) EXPECT_FALSE(trovata.contains(nome)) << nome;
        else if (nuovo) EXPECT_EQ(trovata.at(nome), rif->chiamate[scrittura_di(rif->chiamate, nome)].dati) << nome;
        else EXPECT_EQ(trovata.at(nome), contenuto_vecchio(nome)) << nome;
    }
    EXPECT_EQ(trovata.size(), nomi_finali.size() - caso.eliminati.size()) << "no temporary, nothing else";
}

INSTANTIATE_TEST_SUITE_P(
    Casi, GuastiScritti,
    ::testing::Values(
        CasoScritto{"disk full in the first text", TipoOperazione::scrivi, "Vordano_Seli_linea.txt.tmp", ENOSPC, {}, {}},
        CasoScritto{"notes cannot reach the device", TipoOperazione::sincronizza, "Vordano_Seli_4936_note.txt.tmp",
                    EIO, {"Vordano_Seli_linea.txt", "Vordano_Seli_4936-.txt"}, {}},
        CasoScritto{"train text cannot be deleted", TipoOperazione::elimina, "Vordano_Seli_4936-.txt", EBUSY,
                    {"Vordano_Seli_4936-.txt", "Vordano_Seli_4936_note.txt", "Vordano_Seli_4936_rallentamenti.txt",
                     "Vordano_Seli_4936_scheda_treno.txt"},
                    {"Vordano_Seli_linea.txt"}},
        CasoScritto{"disk full in the cell file", TipoOperazione::scrivi, "Vordano_Seli_4936.dat.tmp", ENOSPC,
                    {"Vordano_Seli_4936_note.txt", "Vordano_Seli_4936_rallentamenti.txt",
                     "Vordano_Seli_4936_scheda_treno.txt", "Vordano_Seli_linea.dat", "Vordano_Seli_4936.sim"},
                    {"Vordano_Seli_linea.txt", "Vordano_Seli_4936-.txt"}},
        CasoScritto{"cell file cannot take its name", TipoOperazione::rinomina, "Vordano_Seli_4936.dat", EROFS,
                    {"Vordano_Seli_4936_note.txt", "Vordano_Seli_4936_rallentamenti.txt",
                     "Vordano_Seli_4936_scheda_treno.txt", "Vordano_Seli_linea.dat", "Vordano_Seli_4936.sim"},
                    {"Vordano_Seli_linea.txt", "Vordano_Seli_4936-.txt"}}),
    [](const auto& info) {
        std::string nome;
        for (const char ch : std::string(info.param.descrizione)) nome += std::isalnum(static_cast<unsigned char>(ch)) ? ch : '_';
        return nome;
    });

}  // namespace
}  // namespace scenario::test
