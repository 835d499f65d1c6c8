// The builder in a folder where links and a person's own files sit beside
// every name it writes: no link is followed, no file it did not make is
// opened or removed, and its final names end up as its own whole files.
// Links need a POSIX system here.
#ifndef _WIN32

#include <gtest/gtest.h>

#include <filesystem>
#include <set>

#include "platform/archivio_disco.h"
#include "tests/supporto/archivio_temporaneo.h"
#include "tests/app/corsa_registrata.h"

namespace scenario::test {
namespace {

namespace fs = std::filesystem;

TEST(Collegamenti, BesideEveryFileAreNeverFollowedNorTouched) {
    const Riferimento rif = corsa_di_riferimento();
    CartellaTemporanea cartella;
    CartellaTemporanea altrove;
    scrivi_file(altrove / "vittima", "della vittima");
    std::set<std::string> piantati;
    for (const auto& nome : nomi_finali) {
        for (const std::string& accanto : {nome + ".tmp", "." + nome + ".tmp", nome + "~"}) {
            fs::create_symlink(altrove / "vittima", cartella / accanto);
            piantati.insert(accanto);
        }
    }
    scrivi_file(cartella / "Vordano_Seli_4936_note.txt.new", "mio");
    fs::create_symlink(altrove / "vittima", cartella / "Vordano_Seli_4936.sim");
    fs::create_symlink(altrove / "manca", cartella / "Vordano_Seli_linea.dat");
    fs::create_symlink(altrove / "vittima", cartella / "Vordano_Seli_4936_scheda_treno.txt");

    ArchivioDisco disco(cartella.percorso());
    EXPECT_EQ(corri(disco), (Esito{FineCorsa::completata, 0}));

    EXPECT_EQ(leggi_file(altrove / "vittima"), "della vittima");
    EXPECT_FALSE(fs::exists(altrove / "manca"));
    for (const auto& p : piantati) EXPECT_TRUE(fs::is_symlink(cartella / p)) << p;
    EXPECT_EQ(leggi_file(cartella / "Vordano_Seli_4936_note.txt.new"), "mio");
    for (const auto& [nome, dati] : rif.dopo) {
        EXPECT_TRUE(fs::is_regular_file(fs::symlink_status(cartella / nome))) << nome;
        EXPECT_EQ(leggi_file(cartella / nome), dati) << nome;
    }
    EXPECT_EQ(temporanei_in(cartella.percorso()), std::vector<std::string>{});
}

}  // namespace
}  // namespace scenario::test

#endif
