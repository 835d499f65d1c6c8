// The temporaries' register: what a signal handler removes is exactly what
// is registered and not yet forgotten.
#include <gtest/gtest.h>

#include <filesystem>

#include "platform/temporanei.h"
#include "tests/supporto/archivio_temporaneo.h"

namespace scenario {
namespace {

namespace fs = std::filesystem;
using test::CartellaTemporanea;
using test::nomi_in;
using test::scrivi_file;

TEST(Temporanei, TheHandlersRemoveRegisteredFilesOnly) {
    CartellaTemporanea c;
    for (const char* nome : {".a.txt.AAAAAA", ".b.txt.BBBBBB", ".c.txt.CCCCCC", "a.txt"}) scrivi_file(c / nome, "x");
    {
        SezioneProtetta protetta;
        registra_temporaneo(c / ".a.txt.AAAAAA");
        registra_temporaneo(c / ".b.txt.BBBBBB");
    }
    {
        SezioneProtetta protetta;
        dimentica_temporaneo(c / ".b.txt.BBBBBB");  // renamed into place, say
    }

    rimuovi_temporanei();

    EXPECT_EQ(nomi_in(c.percorso()), (std::vector<std::string>{".b.txt.BBBBBB", ".c.txt.CCCCCC", "a.txt"}));
    rimuovi_temporanei();  // nothing left to remove, nothing else touched
    EXPECT_EQ(nomi_in(c.percorso()).size(), 3u);
}

TEST(Temporanei, ManyAtOnceAreAllRemembered) {
    CartellaTemporanea c;
    std::vector<fs::path> percorsi;
    for (int i = 0; i < 20; ++i) {
        percorsi.push_back(c / (".f" + std::to_string(i) + ".ABCDEF"));
        scrivi_file(percorsi.back(), "x");
        SezioneProtetta protetta;
        registra_temporaneo(percorsi.back());
    }
    rimuovi_temporanei();
    EXPECT_TRUE(nomi_in(c.percorso()).empty());
}

}  // namespace
}  // namespace scenario
