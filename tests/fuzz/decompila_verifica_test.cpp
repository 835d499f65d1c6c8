// The decompiler's rules hold for sound files, for hand-edited ones (their
// differences listed) and for bytes that are no compiled scenario; and the
// fuzz input splits into its three files.
#include <gtest/gtest.h>

#include "compiler/nomi_file.h"
#include "tests/fuzz/compila_ingresso.h"
#include "tests/fuzz/decompila_verifica.h"

namespace scenario::fuzz {
namespace {

constexpr std::string_view piccolo =
    "1[generale]\r\nlunghezza percorso, 1000\r\n[curve]\r\ncurvad3, 100, 200\r\n[fine]\r\n"
    "@@@@\n[generale]\r\nsegnale, 850, 2, 4, 1, 0, 0, 0, 0,0,0, 0\r\n[fine]\r\n";

struct File {
    std::string celle, tabella, tracciato;
    decompila::FileLetti letti() const { return {celle, tabella, std::string_view(tracciato)}; }
};

File compilati() {
    const Esecuzione e = compila_ingresso(piccolo);
    const auto& f = e.archivio.file;
    return {f.at(nome_file_celle(e.s)), f.at(nome_tabella(e.s)), f.at(nome_tracciato(e.s))};
}

TEST(DecompilaVerifica, HoldsForSoundEditedAndForeignFiles) {
    const File sani = compilati();
    EXPECT_EQ(decompila_e_verifica(sani.letti(), true), "");
    File ritoccati = sani;
    ritoccati.celle[16 * 15 + 10] = 99;  // a repeater mark no signal gives: listed, claim true
    EXPECT_EQ(decompila_e_verifica(ritoccati.letti()), "");
    File estranei = sani;
    estranei.celle = "ciao";
    EXPECT_EQ(decompila_e_verifica(estranei.letti()), "");
    EXPECT_NE(decompila_e_verifica(estranei.letti(), true).find("own files refused"), std::string::npos);
}

TEST(DecompilaVerifica, TheInputSplitsIntoCellsTableAndGeometry) {
    const auto tre = dividi_compilati("C@@@@\nT@@@@\nG");
    EXPECT_EQ(tre.celle, "C");
    EXPECT_EQ(tre.tabella, "T");
    EXPECT_EQ(tre.tracciato, "G");
    const auto due = dividi_compilati("C@@@@\nT");
    EXPECT_EQ(due.tabella, "T");
    EXPECT_FALSE(due.tracciato.has_value());
    EXPECT_EQ(dividi_compilati("C").tabella, "");
}

}  // namespace
}  // namespace scenario::fuzz
