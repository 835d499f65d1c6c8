// Disk files: whole-file replacement, reading, deleting.
#include <gtest/gtest.h>

#include <system_error>

#include "platform/archivio_disco.h"
#include "tests/app/archivio_temporaneo.h"

namespace scenario {
namespace {

namespace fs = std::filesystem;
using test::CartellaTemporanea;
using test::leggi_file;
using test::nomi_in;
using test::scrivi_file;

TEST(ArchivioDisco, WriteReplacesAnOlderLongerFileWhole) {
    CartellaTemporanea c;
    scrivi_file(c / "a.txt", std::string(1000, 'x'));
    ArchivioDisco a(c.percorso());
    a.scrivi("a.txt", "new");
    EXPECT_EQ(leggi_file(c / "a.txt"), "new");
    EXPECT_EQ(nomi_in(c.percorso()), std::vector<std::string>{"a.txt"});
}

TEST(ArchivioDisco, ReadGivesTheExactBytesOrNothing) {
    CartellaTemporanea c;
    const std::string dati("a\r\nb\0\xFF", 6);
    scrivi_file(c / "b.bin", dati);
    ArchivioDisco a(c.percorso());
    EXPECT_EQ(a.leggi("b.bin"), dati);
    EXPECT_EQ(a.leggi("missing"), std::nullopt);
    EXPECT_TRUE(a.esiste("b.bin"));
    EXPECT_FALSE(a.esiste("missing"));
}

TEST(ArchivioDisco, DeletingAMissingFileIsNotAFailure) {
    CartellaTemporanea c;
    ArchivioDisco a(c.percorso());
    EXPECT_NO_THROW(a.elimina("missing"));
    scrivi_file(c / "x", "1");
    a.elimina("x");
    EXPECT_FALSE(fs::exists(c / "x"));
}

TEST(ArchivioDisco, AReadOnlyOlderFileIsRefusedAndKept) {
    CartellaTemporanea c;
    scrivi_file(c / "r.txt", "old");
    fs::permissions(c / "r.txt", fs::perms::owner_read);
    ArchivioDisco a(c.percorso());
    try {
        a.scrivi("r.txt", "new");
        FAIL() << "expected a failure";
    } catch (const std::system_error& e) {
        EXPECT_EQ(e.code(), std::errc::permission_denied);
    }
    EXPECT_EQ(leggi_file(c / "r.txt"), "old");
    EXPECT_EQ(nomi_in(c.percorso()), std::vector<std::string>{"r.txt"}) << "no temporary file left";
}

TEST(ArchivioDisco, AFolderThatIsNotThereFailsWithoutLeavingAnything) {
    CartellaTemporanea c;
    ArchivioDisco a(c / "missing");
    EXPECT_THROW(a.scrivi("x.txt", "data"), std::system_error);
    EXPECT_FALSE(fs::exists(c / "missing"));
}

}  // namespace
}  // namespace scenario
