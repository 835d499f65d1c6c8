// An older file that is read-only stops the run at that file, for the source
// texts and the compiled files as for the documents, even when run as root.
#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <system_error>
#include <vector>

#include "platform/archivio_disco.h"
#include "tests/supporto/archivio_temporaneo.h"
#include "tests/app/corsa_registrata.h"

namespace scenario::test {
namespace {

namespace fs = std::filesystem;

class SolaLettura : public ::testing::TestWithParam<std::string> {};

TEST_P(SolaLettura, StopsTheRunAtThatFileWithEverythingBeforeItDone) {
    static const Riferimento rif = corsa_di_riferimento();
    const std::string& bloccato = GetParam();
    CartellaTemporanea cartella;
    prepara_vecchi(cartella.percorso());
    fs::permissions(cartella / bloccato, fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
    ArchivioDisco disco(cartella.percorso());

    try {
        corri(disco);
        ADD_FAILURE() << "the run replaced a read-only file";
    } catch (const std::system_error& e) {
        EXPECT_EQ(e.code(), std::errc::permission_denied);
        EXPECT_NE(std::string(e.what()).find(bloccato), std::string::npos) << e.what();
    }

    const std::size_t c = scrittura_di(rif.chiamate, bloccato);
    EXPECT_EQ(differenze(dopo_le_chiamate(rif.prima, rif.chiamate, c), istantanea(cartella.percorso())), "");
    EXPECT_EQ(temporanei_in(cartella.percorso()), std::vector<std::string>{});
    fs::permissions(cartella / bloccato, fs::perms::owner_all);  // lets Windows remove the folder
}

INSTANTIATE_TEST_SUITE_P(TestiSorgenteECompilati, SolaLettura,
                         ::testing::Values("Vordano_Seli_linea.txt", "Vordano_Seli_4936-.txt", "Vordano_Seli_linea.dat",
                                           "Vordano_Seli_4936.sim", "Vordano_Seli_4936.dat"),
                         [](const auto& info) {
                             std::string nome = info.param;
                             std::ranges::replace_if(nome, [](char ch) { return !std::isalnum(static_cast<unsigned char>(ch)); }, '_');
                             return nome;
                         });

}  // namespace
}  // namespace scenario::test
