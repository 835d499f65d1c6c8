// Disk files: whole-file replacement, reading, deleting.
#include <gtest/gtest.h>

#include <stdexcept>
#include <string>
#include <string_view>
#include <system_error>
#include <vector>

#include "platform/archivio_disco.h"
#include "tests/supporto/archivio_temporaneo.h"

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

// Several megabytes made piece by piece: the device is sent each finished
// part while later ones are written, and every byte arrives as made. A
// content that fails past that point leaves the older file and no temporary.
TEST(ArchivioDisco, ALargeFileMadeInPiecesArrivesWholeOrNotAtAll) {
    CartellaTemporanea c;
    std::string atteso;
    for (std::size_t i = 0; atteso.size() < 5 * 1048576 + 7; ++i) atteso += std::to_string(i) + ',';
    const auto a_pezzi = [&atteso](std::size_t fino) {
        return [&atteso, fino](Destinazione& d) {
            for (std::size_t da = 0; da < atteso.size(); da += 65530) {
                if (da >= fino) throw std::runtime_error("stopped");
                d.scrivi(std::string_view(atteso).substr(da, 65530));
            }
        };
    };
    ArchivioDisco a(c.percorso());
    a.scrivi_insieme(std::vector<FileNuovo>{{"g.dat", {}, a_pezzi(atteso.size())}});
    EXPECT_EQ(leggi_file(c / "g.dat"), atteso);

    EXPECT_THROW(a.scrivi_insieme(std::vector<FileNuovo>{{"g.dat", {}, a_pezzi(3 * 1048576)}}), std::runtime_error);
    EXPECT_EQ(leggi_file(c / "g.dat"), atteso);
    EXPECT_EQ(nomi_in(c.percorso()), std::vector<std::string>{"g.dat"});
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

// The temporary is a new name of its own: a person's files beside the
// output, whatever they are called, stay as they are.
TEST(ArchivioDisco, FilesBesideTheOutputAreNeverTouched) {
    CartellaTemporanea c;
    const std::vector<std::string> accanto = {"a.txt.tmp", ".a.txt.tmp", "a.txt~", ".a.txt.ABCDEF"};
    for (const auto& nome : accanto) scrivi_file(c / nome, "mio " + nome);
    ArchivioDisco a(c.percorso());
    a.scrivi("a.txt", "new");
    a.scrivi_insieme(std::vector<FileNuovo>{{"a.txt", "newer"}, {"b.txt", "new b"}});
    EXPECT_EQ(leggi_file(c / "a.txt"), "newer");
    EXPECT_EQ(leggi_file(c / "b.txt"), "new b");
    for (const auto& nome : accanto) EXPECT_EQ(leggi_file(c / nome), "mio " + nome);
    EXPECT_EQ(nomi_in(c.percorso()).size(), accanto.size() + 2) << "no temporary or spare left";
}

// One read-only older file stops the whole change before any file moves.
TEST(ArchivioDisco, AReadOnlyFileAmongSeveralKeepsThemAllOld) {
    CartellaTemporanea c;
    for (const char* nome : {"x.dat", "x.sim", "y.dat"}) scrivi_file(c / nome, "old");
    fs::permissions(c / "y.dat", fs::perms::owner_read);
    ArchivioDisco a(c.percorso());
    EXPECT_THROW(a.scrivi_insieme(std::vector<FileNuovo>{{"x.dat", "1"}, {"x.sim", "2"}, {"y.dat", "3"}}),
                 std::system_error);
    for (const char* nome : {"x.dat", "x.sim", "y.dat"}) EXPECT_EQ(leggi_file(c / nome), "old") << nome;
    EXPECT_EQ(nomi_in(c.percorso()).size(), 3u);
    fs::permissions(c / "y.dat", fs::perms::owner_all);  // lets Windows remove the folder
}

TEST(ArchivioDisco, AFolderThatIsNotThereFailsWithoutLeavingAnything) {
    CartellaTemporanea c;
    ArchivioDisco a(c / "missing");
    EXPECT_THROW(a.scrivi("x.txt", "data"), std::system_error);
    EXPECT_FALSE(fs::exists(c / "missing"));
}

}  // namespace
}  // namespace scenario
