#include <gtest/gtest.h>

#include "AmbienteFile.h"
#include "app/FileMateriali.h"
#include "app/TabelleMateriali.h"

using FileMateriali::FileMaterialiLeggeScrive;
using VariabiliPubbliche::RigaAcciaio;
using VariabiliPubbliche::RigaCalcestruzzo;
using VariabiliPubbliche::Stato;

namespace {

// The materials window as a save sees it: two grids of texts, and boxes
// whose values go into the program state.
class FinestraMaterialiProva : public Finestre::GriglieMateriali {
 public:
  void MaterialiDaForm() override {
    ++copie;
    Stato.ModuloEs = 205000;
    Stato.RapportoN[0] = 12;
  }
  const platform::FlexGrid& MsFlex(int indice) const override {
    return griglie.at(static_cast<std::size_t>(indice));
  }
  // Rows 1 on, column 0 left for the marker.
  void Righe(int indice, const std::vector<std::vector<std::string>>& righe) {
    platform::FlexGrid& griglia = griglie.at(static_cast<std::size_t>(indice));
    griglia.SetRows(static_cast<int>(righe.size()) + 1);
    griglia.SetCols(static_cast<int>(righe[0].size()) + 1);
    for (std::size_t r = 0; r < righe.size(); ++r)
      for (std::size_t c = 0; c < righe[r].size(); ++c)
        griglia.SetTextMatrix(static_cast<int>(r + 1), static_cast<int>(c + 1), righe[r][c]);
  }

  std::array<platform::FlexGrid, 2> griglie;
  int copie = 0;
};

std::string MessaggioMateriali(const AmbienteFile& ambiente,
                              const std::string& perche = " non trovato.") {
  return "File " + ambiente.Percorso("TramokMateriali.txt") + perche +
         " Vengono inseriti i materiali di default";
}

const std::string Illeggibile = " illeggibile o incompleto.";

std::vector<std::string> Designazioni(const Vettore<RigaAcciaio>& tabella) {
  std::vector<std::string> nomi;
  for (const RigaAcciaio& riga : tabella.Dati()) nomi.push_back(riga.Designazione);
  return nomi;
}

}  // namespace

TEST(FileMateriali, MissingFileGivesTheDefaultsOfTheCodeInForce) {
  AmbienteFile ambiente;
  Stato.Normativa = 1;
  Stato.ModuloEs = 1;
  EXPECT_FALSE(FileMaterialiLeggeScrive("L"));
  ASSERT_EQ(ambiente.box.Mostrati().size(), 1u);
  EXPECT_EQ(ambiente.box.Mostrati()[0].testo, MessaggioMateriali(ambiente));
  EXPECT_EQ(ambiente.box.Mostrati()[0].icona, platform::Icona::Informazione);
  EXPECT_EQ(Designazioni(Stato.TabellaAcciai),
            (std::vector<std::string>{"FeB22k", "FeB32k", "FeB38k", "FeB44k", "Trefolo"}));
  EXPECT_EQ(Stato.TabellaAcciaiNtc.Conta(), 3);
  EXPECT_EQ(Stato.TabellaAcciaiEsistenti.Conta(), 14);
  EXPECT_EQ(Stato.TabellaCalcestruzzi.Conta(), 14);
  EXPECT_EQ(Stato.ModuloEs, 200000);
  EXPECT_EQ(Stato.EpsSu, 0.01);
  EXPECT_EQ(Stato.GammaC, 1.6);
  // The next opening of the materials window reads it again, with no box.
  Stato.ModuloEs = 1;
  EXPECT_FALSE(FileMaterialiLeggeScrive("L"));
  EXPECT_EQ(ambiente.box.Mostrati().size(), 1u);
  EXPECT_EQ(Stato.ModuloEs, 200000);
}

TEST(FileMateriali, SaveAfterAMissingFileWritesAllTablesAcrossLocales) {
  AmbienteFile ambiente;
  ambiente.sistema.ImpostaSeparatori(",", ".");
  Stato.Normativa = 1;
  FileMaterialiLeggeScrive("L");
  ambiente.box.Svuota();

  // The user edits the grids: numbers as typed in an Italian locale.
  FinestraMaterialiProva finestra;
  finestra.Righe(0, {{"FeB22k", "215", "335", "115"},
                     {"FeB44k", "1.440,5", "1.540", "255"},
                     {"Trefolo", "1620", "1800", "1080"}});
  finestra.Righe(1, {{"C25/30", "25", "30"}, {"C32/40 \"speciale\"", "32,5", "40"}});
  ASSERT_TRUE(FileMaterialiLeggeScrive("S", &finestra));
  EXPECT_EQ(finestra.copie, 1);
  EXPECT_TRUE(ambiente.box.Mostrati().empty());
  const std::string scritto = ambiente.Leggi("TramokMateriali.txt");
  EXPECT_EQ(scritto.substr(0, scritto.find("\r\n", scritto.find("\r\n") + 2)),
            "1.15,205000,0.01\r\n1.6,0.0035,0.85,0.8");
  EXPECT_NE(scritto.find("\r\n3\r\n\"FeB22k\",215,335,115\r\n\"FeB44k\",1440.5,1540,255\r\n"),
            std::string::npos);

  // Read back where "." is the decimal separator.
  ambiente.sistema.ImpostaSeparatori(".", ",");
  Stato = {};
  Stato.CartellaProgramma = ambiente.Cartella();
  Stato.Normativa = 1;
  ASSERT_TRUE(FileMaterialiLeggeScrive("L"));
  EXPECT_TRUE(ambiente.box.Mostrati().empty());
  EXPECT_EQ(Stato.ModuloEs, 205000);
  EXPECT_EQ(Stato.RapportoN[0], 12);
  EXPECT_EQ(Stato.TabellaAcciaiNtc, TabelleMateriali::AcciaiPredefiniti(0));
  EXPECT_EQ(Stato.TabellaAcciaiDm96, (Vettore<RigaAcciaio>{{"FeB22k", 215, 335, 115},
                                                                  {"FeB44k", 1440.5, 1540, 255},
                                                                  {"Trefolo", 1620, 1800, 1080}}));
  EXPECT_EQ(Stato.TabellaAcciaiEsistenti, TabelleMateriali::AcciaiPredefiniti(2));
  EXPECT_EQ(Stato.TabellaAcciai, Stato.TabellaAcciaiDm96);
  EXPECT_EQ(Stato.TabellaCalcestruzzi,
            (Vettore<RigaCalcestruzzo>{{"C25/30", 25, 30}, {"C32/40 'speciale'", 32.5, 40}}));
}

TEST(FileMateriali, FileOfAnotherInstallationReadsQuotedAndBareNumbers) {
  AmbienteFile ambiente;
  ambiente.sistema.ImpostaSeparatori(",", ".");
  ambiente.CopiaFixture("TramokMateriali-italiano.txt", "TramokMateriali.txt");
  Stato.Normativa = 2;
  ASSERT_TRUE(FileMaterialiLeggeScrive("L"));
  EXPECT_TRUE(ambiente.box.Mostrati().empty());
  EXPECT_EQ(Stato.TabellaAcciaiNtc(3), (RigaAcciaio{"Trefolo", 1620, 1800, 1080}));
  EXPECT_EQ(Stato.TabellaAcciaiDm96.Conta(), 5);
  EXPECT_EQ(Stato.TabellaAcciai,
            (Vettore<RigaAcciaio>{{"B450C", 450, 540, 255}, {"Aq50 1957", 265, 540, 155}}));
  EXPECT_EQ(Stato.TabellaCalcestruzzi(3), (RigaCalcestruzzo{"C32/40 è", 32.5, 40}));
}

TEST(FileMateriali, EmptyFileTableWithoutRowsOrCutShortGivesTheDefaults) {
  AmbienteFile ambiente;
  const std::string costanti = "1.15,210000,0.0675\r\n1.5,0.0035,0.85,0.8\r\n15\r\n";
  for (const std::string& contenuto : {std::string(), costanti + "0\r\n"}) {
    ambiente.box.Svuota();
    ambiente.Scrivi("TramokMateriali.txt", contenuto);
    EXPECT_FALSE(FileMaterialiLeggeScrive("L"));
    EXPECT_EQ(ambiente.box.Testi().back(), MessaggioMateriali(ambiente, Illeggibile));
    EXPECT_EQ(Stato.TabellaAcciai, TabelleMateriali::AcciaiPredefiniti(0));
    EXPECT_EQ(Stato.ModuloEs, 200000);
  }
  EXPECT_EQ(ambiente.box.Testi(),
            std::vector<std::string>{MessaggioMateriali(ambiente, Illeggibile)});

  ambiente.box.Svuota();
  ambiente.Scrivi("TramokMateriali.txt",
                  costanti + "2\r\n\"B450C\",450,540,255\r\n\"B450A\",450\r\n");
  EXPECT_FALSE(FileMaterialiLeggeScrive("L"));
  EXPECT_EQ(ambiente.box.Testi(),
            (std::vector<std::string>{
                "Lettura incompleta del file\r\n" + ambiente.Percorso("TramokMateriali.txt"),
                MessaggioMateriali(ambiente, Illeggibile)}));
  // A table cut short is not taken: the code's defaults fill it.
  EXPECT_EQ(Stato.TabellaAcciaiNtc, TabelleMateriali::AcciaiPredefiniti(0));

  // Read whole, but with a modular ratio of 0: that one value back to its
  // default, the box names it, the rest of the file is kept.
  ambiente.box.Svuota();
  ambiente.sistema.ImpostaSeparatori(",", ".");
  ambiente.CopiaFixture("TramokMateriali-italiano.txt", "TramokMateriali.txt");
  std::string testo = ambiente.Leggi("TramokMateriali.txt");
  const std::size_t riga3 = testo.find('\n', testo.find('\n') + 1) + 1;
  testo.replace(riga3, testo.find('\r', riga3) - riga3, "0");
  // Grades that cannot stand leave their table, named in the same box.
  using Riga = std::pair<std::string, std::string>;
  for (const auto& [da, a] : {Riga{"\"B450A\",\"450\"", "\"B450A\",\"199.9\""},
                              Riga{"\"FeB22k\",215", "\"FeB22k\",-0"},
                              Riga{"\"FeB32k\",315,490", "\"FeB32k\",315,300"}})
    testo.replace(testo.find(da), da.size(), a);
  ambiente.Scrivi("TramokMateriali.txt", testo);
  Stato.RapportoN[0] = 9;
  EXPECT_TRUE(FileMaterialiLeggeScrive("L"));
  EXPECT_EQ(ambiente.box.Testi(),
            std::vector<std::string>{
                "Valori fuori dai limiti, sostituiti con quelli di Default:\r\n"
                "n = 0: sostituito con 15\r\n"
                "\"B450A\", fyk = 199,9 N/mm²: tolto dalla tabella\r\n"
                "\"FeB22k\", fyk = 0 N/mm²: tolto dalla tabella\r\n"
                "\"FeB32k\", ftk = 300 N/mm² minore di fyk = 315 N/mm²: tolto dalla tabella"});
  EXPECT_EQ(Stato.RapportoN[0], 15);
  EXPECT_EQ(Designazioni(Stato.TabellaAcciaiNtc), (std::vector<std::string>{"B450C", "Trefolo"}));
  EXPECT_EQ(Designazioni(Stato.TabellaAcciaiDm96),
            (std::vector<std::string>{"FeB38k", "FeB44k", "Trefolo"}));
  ASSERT_TRUE(FileMaterialiLeggeScrive("S"));
  EXPECT_EQ(ambiente.Leggi("TramokMateriali.txt").find("B450A"), std::string::npos);
}

TEST(FileMateriali, FailedSaveKeepsMemoryAndTheOldFile) {
  AmbienteFile ambiente;
  // A folder that is not empty where the file goes cannot be replaced.
  std::filesystem::create_directories(ambiente.Percorso("TramokMateriali.txt/pieno"));
  Stato.TabellaCalcestruzzi = {{"C99/99", 99, 99}};
  EXPECT_FALSE(FileMaterialiLeggeScrive("S"));
  ASSERT_EQ(ambiente.box.Mostrati().size(), 1u);
  EXPECT_NE(ambiente.box.Mostrati()[0].testo, MessaggioMateriali(ambiente));
  EXPECT_EQ(Stato.TabellaCalcestruzzi, (Vettore<RigaCalcestruzzo>{{"C99/99", 99, 99}}));
  EXPECT_TRUE(Stato.TabellaAcciaiNtc.Vuoto());
  EXPECT_TRUE(std::filesystem::exists(ambiente.Percorso("TramokMateriali.txt/pieno")));
  EXPECT_EQ(ambiente.Nomi(), std::set<std::string>{"TramokMateriali.txt"});
}

TEST(FileMateriali, UnknownCodeStillWritesTheThreeSteelTables) {
  AmbienteFile ambiente;
  Stato.Normativa = 5;
  FinestraMaterialiProva finestra;
  finestra.Righe(0, {{"X", "1", "2", "3"}});
  finestra.Righe(1, {{"C20/25", "20", "25"}});
  ASSERT_TRUE(FileMaterialiLeggeScrive("S", &finestra));
  Stato.Normativa = 0;
  ASSERT_TRUE(FileMaterialiLeggeScrive("L"));
  EXPECT_EQ(Stato.TabellaAcciai, TabelleMateriali::AcciaiPredefiniti(0));
  EXPECT_EQ(Stato.TabellaAcciaiEsistenti, TabelleMateriali::AcciaiPredefiniti(2));
  EXPECT_EQ(Stato.TabellaCalcestruzzi, (Vettore<RigaCalcestruzzo>{{"C20/25", 20, 25}}));
}
