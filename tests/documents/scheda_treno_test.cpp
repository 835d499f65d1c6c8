// The timetable card and the train source text tell one story: the same
// service points in the same order, the same times, the same limits, and
// progressives that follow the line text's kilometric reference.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <regex>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "documents/documenti.h"
#include "tests/supporto/file_attesi.h"
#include "tests/documents/righe_scheda.h"
#include "tests/source_text/righe_testo.h"
#include "tests/source_text/righe_treno.h"

namespace scenario {
namespace {

using prova::contenuto;
using prova::FormaOrario;
using prova::RigaOrario;
using prova::Stazione;

bool punto_di_servizio(const RigaOrario& riga) {
    const std::string nome = contenuto(riga.localita());
    return !nome.starts_with("Km ") && !nome.starts_with("Imbocco Gall. ") && !nome.starts_with("Sbocco Gall. ") &&
           !nome.starts_with("Segn. Prot. ");
}

std::vector<RigaOrario> punti_di_servizio() {
    std::vector<RigaOrario> punti;
    for (const RigaOrario& riga : prova::righe_orario()) {
        if (punto_di_servizio(riga)) punti.push_back(riga);
    }
    return punti;
}

std::vector<Stazione> stazioni() { return prova::leggi_sezione(test::righe_attese(test::nome_treno_incorporato), "[stazioni]", prova::leggi_stazione); }

// Chainage at position 0 of the line, from the "uno" reference of the line text.
std::int64_t progressiva_origine() {
    const auto gruppi =
        prova::catture(test::righe_attese(test::nome_linea_incorporata)[2], std::regex{R"(progressiva chilometrica uno,    0,    (\d+),    \d)"});
    return gruppi.empty() ? -1 : *prova::intero(gruppi[0]);
}

std::int64_t metri_della_riga(const RigaOrario& riga) { return prova::metri(contenuto(riga.progressiva())).value_or(-1); }

TEST(SchedaTreno, CardListsTheTrainTextsStationsInOrder) {
    std::vector<std::string> sulla_scheda;
    for (const RigaOrario& riga : punti_di_servizio()) sulla_scheda.push_back(contenuto(riga.localita()));
    std::vector<std::string> nel_testo;
    for (const Stazione& s : stazioni()) nel_testo.emplace_back(s.nome);
    EXPECT_EQ(sulla_scheda, nel_testo);
}

// The protection signal belongs to the station right after it.
TEST(SchedaTreno, ProtectionSignalStandsBeforeItsStation) {
    const auto righe = prova::righe_orario();
    for (std::size_t i = 0; i + 1 < righe.size(); ++i) {
        const std::string nome = contenuto(righe[i].localita());
        if (!nome.starts_with("Segn. Prot. ")) continue;
        EXPECT_EQ(nome.substr(12), contenuto(righe[i + 1].localita()));
    }
}

// Card progressives are the chainage at the point: within 50 m of the
// station's position (a station's building need not stand on its centre).
TEST(SchedaTreno, ProgressivesFollowTheKilometricReference) {
    const auto punti = punti_di_servizio();
    const auto tutte = stazioni();
    ASSERT_EQ(punti.size(), tutte.size());
    const std::int64_t origine = progressiva_origine();
    EXPECT_EQ(origine, 87750);
    for (std::size_t i = 0; i < punti.size(); ++i) {
        EXPECT_LE(std::abs(metri_della_riga(punti[i]) - (origine - tutte[i].posizione())), 50) << tutte[i].nome;
    }
}

// Each row that sets a limit on the card is a limit row of the train text, at
// exactly the matching progressive.
TEST(SchedaTreno, SpeedChangesMatchTheTrainsLimits) {
    std::vector<std::pair<std::int64_t, std::int64_t>> sulla_scheda;
    for (const RigaOrario& riga : prova::righe_orario()) {
        if (const auto v = prova::intero(contenuto(riga.velocita()))) sulla_scheda.emplace_back(metri_della_riga(riga), *v);
    }
    std::vector<std::pair<std::int64_t, std::int64_t>> nel_testo;
    for (const auto& l : prova::leggi_sezione(test::righe_attese(test::nome_treno_incorporato), "[vel_limite]", prova::leggi_limite)) {
        nel_testo.emplace_back(progressiva_origine() - l.posizione, l.velocita);
    }
    EXPECT_EQ(sulla_scheda, nel_testo);
}

// Departure, stops and arrival carry the train text's times; the stops show
// arrival one stop length before departure; no other row shows a stop.
TEST(SchedaTreno, ScheduledTimesMatchTheCard) {
    const auto punti = punti_di_servizio();
    const auto tutte = stazioni();
    ASSERT_EQ(punti.size(), tutte.size());
    for (std::size_t i = 0; i < punti.size(); ++i) {
        SCOPED_TRACE(std::string(tutte[i].nome));
        const Stazione& s = tutte[i];
        const prova::Orario orario = prova::leggi_orario(punti[i].orario());
        if (i == 0) {
            EXPECT_EQ(orario.forma, FormaOrario::partenza);
            EXPECT_EQ(orario.secondi, std::vector<std::int64_t>{s.secondi_orario()});
        } else if (i + 1 == punti.size()) {
            EXPECT_EQ(orario.forma, FormaOrario::arrivo);
            EXPECT_EQ(orario.secondi, std::vector<std::int64_t>{s.secondi_orario()});
        } else if (s.sosta() > 0) {
            EXPECT_EQ(orario.forma, FormaOrario::fermata);
            EXPECT_EQ(orario.secondi, (std::vector<std::int64_t>{s.secondi_orario() - s.sosta(), s.secondi_orario()}));
        } else {
            EXPECT_NE(orario.forma, FormaOrario::fermata);
            EXPECT_EQ(s.secondi_orario(), 0);
        }
    }
}

// Stations with signals are written in capitals in both documents; the halts
// are the card's mixed-case rows.
TEST(SchedaTreno, StationsAreCapitalsAndHaltsMixedCase) {
    for (const Stazione& s : stazioni()) {
        const bool minuscole =
            std::any_of(s.nome.begin(), s.nome.end(), [](char c) { return c >= 'a' && c <= 'z'; });
        EXPECT_EQ(minuscole, !s.con_segnali()) << s.nome;
    }
}

}  // namespace
}  // namespace scenario
