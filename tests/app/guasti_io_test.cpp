// Every file operation of a full run made to fail in turn: the run stops with
// the failure's report, or records a reading fault, or goes on where the
// operation only helps; it never leaves a file cut short, an older file
// changed before its turn, a mix of old and new compiled files, or a
// temporary behind.
#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <set>
#include <system_error>
#include <vector>

#include "platform/archivio_disco.h"
#include "platform/testo_errore.h"
#include "tests/supporto/archivio_temporaneo.h"
#include "tests/app/corsa_registrata.h"

namespace scenario::test {
namespace {

namespace fs = std::filesystem;
using enum TipoOperazione;

// The number a failure injected as errno `numero` reaches the person with.
int numero_di_sistema(int numero) {
    return codice_di_sistema(std::error_code(numero, std::generic_category())).value();
}

// A plausible number for each kind, so the report can be checked for it.
int numero_per(TipoOperazione tipo) {
    switch (tipo) {
        case esamina: return EIO;
        case crea_nuovo: return EMFILE;
        case scrivi: return ENOSPC;
        case sincronizza: return EIO;
        case chiudi: return ENOSPC;
        case rinomina: return EROFS;
        case collega: return EPERM;
        case elimina: return EBUSY;
        case leggi: return EIO;
        case sincronizza_cartella: return EIO;
        case blocca: return ENOLCK;
    }
    return EIO;
}

// What the run must do when operation `o` of call `c` fails.
enum class Atteso {
    rapporto_prima,  // stops with the report; the folder as before the call
    rapporto_dopo,   // stops with the report; the call's files already in place
    completa,        // the operation only helps: the run ends as a clean one
    guasto_lettura,  // the compiler's reading fault
};

Atteso atteso_per(const Operazione& o, const Chiamata& c) {
    if (!c.scrive() && c.tipo != TipoChiamata::elimina) return Atteso::guasto_lettura;
    if (!c.scrive()) return Atteso::rapporto_prima;
    // A spare name for an older file, made and removed around the renames.
    if (o.tipo == collega || o.tipo == elimina) return Atteso::completa;
    if (o.tipo == sincronizza_cartella) return Atteso::rapporto_dopo;
    return Atteso::rapporto_prima;
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
    void scrivi_insieme(std::span<const FileNuovo> file) override {
        prossima();
        dentro_.scrivi_insieme(file);
    }

private:
    bool prossima() { return numero_++ != scelta_; }

    Archivio& dentro_;
    std::size_t scelta_;
    std::size_t numero_ = 0;
};

// The folder without its hidden spares; each spare must hold the older
// content of the file it stands beside.
Istantanea senza_riserve(Istantanea cartella) {
    for (auto it = cartella.begin(); it != cartella.end();) {
        if (!nome_nascosto(it->first)) {
            ++it;
            continue;
        }
        EXPECT_EQ(it->second, contenuto_vecchio(finale_di(it->first))) << it->first << " is not a spare";
        it = cartella.erase(it);
    }
    return cartella;
}

class GuastiIo : public ::testing::Test {
protected:
    // A write or delete that fails ends the run with its report, naming the
    // file (or the folder) it concerns, never a temporary; the folder holds
    // exactly what the calls before it left, or with `dopo` that call too.
    void atteso_rapporto(OperazioniGuaste& op, const fs::path& cartella, std::size_t c, const Operazione& o,
                         bool dopo) {
        ArchivioDisco disco(cartella, op);
        try {
            corri(disco);
            ADD_FAILURE() << "the run went on past the failure";
        } catch (const std::system_error& e) {
            // Windows reports the injected errno in its own numbering.
            EXPECT_EQ(e.code().value(), numero_di_sistema(numero_per(o.tipo)));
            const std::string nominato = o.finale.empty() ? cartella.filename().string() : o.finale;
            EXPECT_NE(std::string(e.what()).find(nominato), std::string::npos) << e.what();
            EXPECT_EQ(std::string(e.what()).find("." + nominato + "."), std::string::npos) << "name the file, not a temporary";
        }
        EXPECT_EQ(differenze(dopo_le_chiamate(rif->prima, rif->chiamate, dopo ? c + 1 : c), istantanea(cartella)), "");
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

    void atteso_completa(OperazioniGuaste& op, const fs::path& cartella) {
        ArchivioDisco disco(cartella, op);
        EXPECT_EQ(corri(disco), (Esito{FineCorsa::completata, 0}));
        EXPECT_EQ(differenze(rif->dopo, senza_riserve(istantanea(cartella))), "");
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
    EXPECT_EQ(tipi.size(), 11u) << "the seam must see every operation, or the test below misses some";
    EXPECT_EQ(differenze(dopo_le_chiamate(rif->prima, rif->chiamate, rif->chiamate.size()), rif->dopo), "");
}

// Positions of the operations of one call, by kind.
std::vector<std::size_t> posizioni(const std::vector<Operazione>& ops, TipoOperazione tipo) {
    std::vector<std::size_t> p;
    for (std::size_t i = 0; i < ops.size(); ++i)
        if (ops[i].tipo == tipo) p.push_back(i);
    return p;
}

// Each new content is whole and on the device under a new name before the
// lock is taken; every check comes before the first rename; the folder is
// synced after the last, so a power cut finds no empty file and no lost rename.
TEST_F(GuastiIo, EachWriteIsWholeAndCheckedBeforeAnyFileTakesItsName) {
    for (const Chiamata& c : rif->chiamate) {
        if (!c.scrive()) continue;
        const std::vector<Operazione> ops(rif->operazioni.begin() + static_cast<std::ptrdiff_t>(c.prima_operazione),
                                          rif->operazioni.begin() + static_cast<std::ptrdiff_t>(c.dopo_operazione));
        SCOPED_TRACE(c.scritti.front().nome);
        const auto blocchi = posizioni(ops, blocca);
        const auto esami = posizioni(ops, esamina);
        const auto rinomine = posizioni(ops, rinomina);
        const auto sincronie = posizioni(ops, sincronizza_cartella);
        ASSERT_EQ(blocchi.size(), 1u);
        ASSERT_EQ(esami.size(), c.scritti.size());
        ASSERT_EQ(rinomine.size(), c.scritti.size());
        ASSERT_EQ(sincronie.size(), 1u);
        EXPECT_LT(blocchi[0], esami.front());
        EXPECT_LT(esami.back(), rinomine.front());
        EXPECT_LT(rinomine.back(), sincronie[0]);
        EXPECT_EQ(posizioni(ops, collega).size(), c.scritti.size() > 1 ? c.scritti.size() : 0u)
            << "spare names for a change of several older files, none for one";

        for (const FileNuovo& f : c.scritti) {
            const auto crea = std::ranges::find_if(ops, [&](const Operazione& o) {
                return o.tipo == crea_nuovo && o.finale == f.nome;
            });
            ASSERT_NE(crea, ops.end()) << f.nome;
            EXPECT_TRUE(nome_nascosto(crea->file)) << crea->file;
            const std::size_t i = static_cast<std::size_t>(crea - ops.begin());
            // Created, written in one or more pieces (a large file goes out
            // as it is encoded), synced, closed: all on the temporary.
            std::size_t pezzi = 0;
            while (i + 1 + pezzi < ops.size() && ops[i + 1 + pezzi].tipo == scrivi) ++pezzi;
            EXPECT_GE(pezzi, 1u) << f.nome;
            const std::size_t fine = i + pezzi + 2;
            ASSERT_LT(fine, ops.size()) << f.nome;
            EXPECT_EQ(ops[fine - 1].tipo, sincronizza) << f.nome;
            EXPECT_EQ(ops[fine].tipo, chiudi) << f.nome;
            for (std::size_t k = i; k <= fine; ++k) EXPECT_EQ(ops[k].file, crea->file) << f.nome << " step " << k - i;
            EXPECT_LT(fine, blocchi[0]);
            const auto rinomina_f = std::ranges::find_if(
                ops, [&](const Operazione& o) { return o.tipo == rinomina && o.origine == crea->file; });
            ASSERT_NE(rinomina_f, ops.end()) << f.nome;
            EXPECT_EQ(rinomina_f->file, f.nome);
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

        switch (atteso_per(o, rif->chiamate[c])) {
            case Atteso::rapporto_prima: atteso_rapporto(op, cartella.percorso(), c, o, false); break;
            case Atteso::rapporto_dopo: atteso_rapporto(op, cartella.percorso(), c, o, true); break;
            case Atteso::completa: atteso_completa(op, cartella.percorso()); break;
            case Atteso::guasto_lettura: atteso_guasto_lettura(op, cartella.percorso(), c); break;
        }

        EXPECT_TRUE(op.guasto_avvenuto());
        if (o.tipo != elimina) {
            EXPECT_EQ(temporanei_in(cartella.percorso()), std::vector<std::string>{});
        }
    }
}

// A few failures spelled out by hand, as a check on the recorded model above.
struct CasoScritto {
    const char* descrizione;
    TipoOperazione tipo;
    const char* finale;  // the first operation of `tipo` concerning this name fails
    int numero;
    std::vector<std::string> nuovi;      // final names holding the clean run's content
    std::vector<std::string> eliminati;  // final names gone
};

void PrintTo(const CasoScritto& caso, std::ostream* os) { *os << caso.descrizione; }

class GuastiScritti : public GuastiIo, public ::testing::WithParamInterface<CasoScritto> {};

TEST_P(GuastiScritti, LeaveExactlyTheseFilesNew) {
    const CasoScritto& caso = GetParam();
    CartellaTemporanea cartella;
    prepara_vecchi(cartella.percorso());
    OperazioniGuaste op;
    op.guasta_prima(caso.tipo, caso.finale, caso.numero);
    ArchivioDisco disco(cartella.percorso(), op);

    EXPECT_THROW(corri(disco), std::system_error);

    const Istantanea trovata = istantanea(cartella.percorso());
    for (const auto& nome : nomi_finali) {
        const bool nuovo = std::ranges::find(caso.nuovi, nome) != caso.nuovi.end();
        const bool eliminato = std::ranges::find(caso.eliminati, nome) != caso.eliminati.end();
        if (eliminato) EXPECT_FALSE(trovata.contains(nome)) << nome;
        else if (nuovo) EXPECT_EQ(trovata.at(nome), dati_scritti(rif->chiamate, nome)) << nome;
        else EXPECT_EQ(trovata.at(nome), contenuto_vecchio(nome)) << nome;
    }
    EXPECT_EQ(trovata.size(), nomi_finali.size() - caso.eliminati.size()) << "no temporary, nothing else";
}

const std::vector<std::string> documenti = {"Vordano_Seli_4936_note.txt", "Vordano_Seli_4936_rallentamenti.txt",
                                            "Vordano_Seli_4936_scheda_treno.txt"};
const std::vector<std::string> sorgenti = {"Vordano_Seli_linea.txt", "Vordano_Seli_4936-.txt"};

INSTANTIATE_TEST_SUITE_P(
    Casi, GuastiScritti,
    ::testing::Values(
        CasoScritto{"disk full in the first text", scrivi, "Vordano_Seli_linea.txt", ENOSPC, {}, {}},
        CasoScritto{"notes cannot reach the device", sincronizza, "Vordano_Seli_4936_note.txt", EIO, sorgenti, {}},
        CasoScritto{"train text cannot be deleted", elimina, "Vordano_Seli_4936-.txt", EBUSY,
                    {"Vordano_Seli_4936-.txt", "Vordano_Seli_4936_note.txt", "Vordano_Seli_4936_rallentamenti.txt",
                     "Vordano_Seli_4936_scheda_treno.txt"},
                    {"Vordano_Seli_linea.txt"}},
        // The compiled files change together: all three stay old.
        CasoScritto{"disk full in the cell file", scrivi, "Vordano_Seli_4936.dat", ENOSPC, documenti, sorgenti},
        CasoScritto{"the older table cannot be checked", esamina, "Vordano_Seli_4936.sim", EIO, documenti, sorgenti},
        CasoScritto{"cell file cannot take its name after the others did", rinomina, "Vordano_Seli_4936.dat", EROFS,
                    documenti, sorgenti},
        CasoScritto{"the folder cannot be locked", blocca, "", ENOLCK, {}, {}}),
    [](const auto& info) {
        std::string nome;
        for (const char ch : std::string(info.param.descrizione)) nome += std::isalnum(static_cast<unsigned char>(ch)) ? ch : '_';
        return nome;
    });

}  // namespace
}  // namespace scenario::test
