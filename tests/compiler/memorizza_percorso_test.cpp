// The whole compile through an in-memory archive: what is reset, which files
// are written in which order, and when nothing is written at all.
#include <gtest/gtest.h>

#include "compiler/archivio_memoria.h"
#include "compiler/compilatore.h"
#include "compiler/percorso.h"

namespace scenario {
namespace {

constexpr const char* testo_linea = "[generale]\r\nlunghezza percorso,    1000\r\n[fine]\r\n";

std::string testo_treno(std::string_view segnale) {
    return "[generale]\r\n" + std::string(segnale) + "\r\n[fine]\r\n";
}

// Little-endian 16-bit field of a compiled file.
int campo16(const std::string& dati, std::size_t inizio) {
    const auto basso = static_cast<unsigned char>(dati.at(inizio));
    const auto alto = static_cast<unsigned char>(dati.at(inizio + 1));
    return static_cast<std::int16_t>(static_cast<std::uint16_t>(basso | alto << 8));
}

class MemorizzaPercorso : public ::testing::Test {
protected:
    Stato s;
    ArchivioMemoria archivio;

    void SetUp() override {
        s.nome_percorso = "Vordano_Seli";
        s.numero_treno = "4936";
    }

    void testi(std::string_view riga_segnale) {
        archivio.file["Vordano_Seli_linea.txt"] = testo_linea;
        archivio.file["Vordano_Seli_4936-.txt"] = testo_treno(riga_segnale);
    }

    Esito compila(std::int32_t j) { return memorizza_percorso(s, archivio, j); }
};

TEST_F(MemorizzaPercorso, LaStradaDiUnSegnaleFinoAlDiciannovesimoRecord) {
    testi("segnale,     850,   2, 4, 1,  0, 0,    0,  0,0,0, 0");
    s.codice_errore = 99;
    ASSERT_EQ(compila(1), Esito::completato);
    EXPECT_EQ(s.codice_errore, 0);
    EXPECT_EQ(archivio.scritti,
              (std::vector<std::string>{"Vordano_Seli_linea.dat", "Vordano_Seli_4936.sim", "Vordano_Seli_4936.dat"}));

    const std::string& celle = archivio.file.at("Vordano_Seli_4936.dat");
    ASSERT_EQ(celle.size(), 15u * 161u);  // 1000 + 7000 m: cells 0 .. 160
    const std::size_t r = 18 * 15;
    EXPECT_EQ(celle[r], 1);
    EXPECT_EQ(campo16(celle, r + 1), 40);
    EXPECT_EQ(campo16(celle, r + 3), 10);
    EXPECT_EQ(campo16(celle, r + 5), 0);
    EXPECT_EQ(campo16(celle, r + 7), 6);
    EXPECT_EQ(celle[16 * 15 + 10], 61);
    EXPECT_EQ(campo16(celle, 15 + 1), 5121);
    EXPECT_EQ(campo16(celle, 15 + 3), 2388);

    EXPECT_EQ(archivio.file.at("Vordano_Seli_4936.sim").size(), 87u * 34u + 12u + 4u);
    EXPECT_FALSE(archivio.esiste("Vordano_Seli_linea.txt"));
    EXPECT_FALSE(archivio.esiste("Vordano_Seli_4936-.txt"));
}

TEST_F(MemorizzaPercorso, SenzaTracciatoDueFile) {
    testi("segnale,     850,   2, 4, 1,  0, 0,    0,  0,0,0, 0");
    ASSERT_EQ(compila(0), Esito::completato);
    EXPECT_EQ(s.scrivi_tracciato, 0);
    EXPECT_EQ(archivio.scritti, (std::vector<std::string>{"Vordano_Seli_4936.sim", "Vordano_Seli_4936.dat"}));
}

TEST_F(MemorizzaPercorso, UnSegnaleNellaCella1FermaSenzaScrivere) {
    testi("segnale,     0,   2, 4, 1,  0, 0,    0,  0,0,0, 0");
    EXPECT_EQ(compila(1), Esito::errore_1250);
    EXPECT_TRUE(archivio.scritti.empty());
}

TEST_F(MemorizzaPercorso, SenzaGrigliaNessunFileEIVecchiRestano) {
    archivio.file["Vordano_Seli_4936.sim"] = "vecchio";
    s.voci[10].numero1 = 7;
    s.voci[84].stringa = "vecchio";
    EXPECT_EQ(compila(1), Esito::completato);
    EXPECT_EQ(s.scrivi_tracciato, 1);
    EXPECT_EQ(s.codice_errore, 101);
    EXPECT_TRUE(archivio.scritti.empty());
    EXPECT_EQ(archivio.file.at("Vordano_Seli_4936.sim"), "vecchio");
    EXPECT_EQ(s.voci[10].numero1, 0);
    EXPECT_TRUE(s.voci[84].stringa.empty());
}

TEST(ScriviCompilati, OrdineENomi) {
    Stato s;
    s.nome_percorso = "R";
    s.numero_treno = "T";
    s.scrivi_tracciato = -1;  // any nonzero value asks for the geometry
    ArchivioMemoria archivio;
    scrivi_compilati(s, archivio);
    EXPECT_EQ(archivio.scritti, (std::vector<std::string>{"R_linea.dat", "R_T.sim", "R_T.dat"}));
    EXPECT_EQ(archivio.file.at("R_T.sim").size(), 2958u);
}

}  // namespace
}  // namespace scenario
