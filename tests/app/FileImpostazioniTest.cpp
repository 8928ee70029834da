#include <gtest/gtest.h>

#include <tuple>

#include "AmbienteFile.h"
#include "app/FileImpostazioni.h"

using FileImpostazioni::FileIniLeggeScrive;
using VariabiliPubbliche::Stato;

namespace {

const std::string MessaggioIni =
    "Il File Tramok.ini non esiste o è incompleto.\r\n"
    "Vengono caricati materiali e unità di misura di Default.\r\n"
    "Usare il menu Materiali per cambiarli.\r\n"
    "Salvarli con il menu File - \"Salva Materiali, Unità, Par. Progetto in uso\" \r\n"
    "per creare il file Tramok.ini con valori personalizzati.\r\n"
    "I materiali, le unità di misura e i parametri di progetto vengono comunque salvati\r\n"
    "nel file dei dati della sezione.";

// Every value the settings file keeps.
auto ValoriIni() {
  const auto& s = Stato;
  const auto& i = Stato;
  return std::make_tuple(s.Normativa, i.NormativaSismica, i.SiglaAcciaio, s.ModuloEs, s.EpsSu,
                         s.Fyd, i.SiglaCalcestruzzo, s.EpsCu, s.Fcd, s.AlfaCC, s.RapportoFccFcd,
                         s.EpsC2, s.FattoreConfidenza, s.UnitaLunghezza, s.Rck, i.SigmaSAmm,
                         i.SigmaCAmm, i.TauC0, i.TauC1, s.GammaC, s.GammaS, s.RapportoN,
                         i.GammaAzioni, i.CopriferroProgetto, i.PassoArrotondamento, s.Fck, i.Fyk);
}

void ExpectDefaults() {
  EXPECT_EQ(Stato.SiglaAcciaio[0], "B450C");
  EXPECT_EQ(Stato.SiglaCalcestruzzo, "C25/30");
  EXPECT_EQ(Stato.UnitaLunghezza, "cm");
  EXPECT_EQ(Stato.Fck, 25);
  EXPECT_EQ(Stato.Fcd, 14.167);
  EXPECT_EQ(Stato.CopriferroProgetto, 20);
  EXPECT_EQ(Stato.PassoArrotondamento[0], 50);
  EXPECT_EQ(Stato.RapportoN, (std::array<float, 2>{15, 6}));
}

std::vector<std::string> Righe(const std::string& testo) {
  std::vector<std::string> righe;
  for (std::size_t p = 0, fine; p < testo.size(); p = fine + 2) {
    fine = testo.find("\r\n", p);
    righe.push_back(testo.substr(p, fine - p));
  }
  return righe;
}

std::string Unite(const std::vector<std::string>& righe, std::size_t quante) {
  std::string testo;
  for (std::size_t k = 0; k < quante; ++k) testo += righe[k] + "\r\n";
  return testo;
}

}  // namespace

TEST(FileIni, WrittenAndReadBackWhateverTheLocale) {
  AmbienteFile ambiente;
  ambiente.sistema.ImpostaSeparatori(",", ".");
  auto& s = Stato;
  auto& i = Stato;
  s.Normativa = 2;
  i.NormativaSismica = 1;
  i.SiglaAcciaio = {"Acciaio ù", "Trefolo"};
  s.ModuloEs = 205000.5;
  s.EpsSu = 0.0225;
  s.Fyd = {347.8, 1408.7};
  i.SiglaCalcestruzzo = "C35/45";
  s.EpsCu = 0.0031;
  s.Fcd = 20.1;
  s.AlfaCC = 1;
  s.RapportoFccFcd = 0.75;
  s.EpsC2 = 0.0021;
  s.FattoreConfidenza = {1.2f, 1.35f};
  s.UnitaLunghezza = "mm";
  s.Rck = 45.5f;
  i.SigmaSAmm = {215, 1080.3f};
  i.SigmaCAmm = 11.1f;
  i.TauC0 = 0.7333f;
  i.TauC1 = 2.257f;
  s.GammaC = 1.4;
  s.GammaS = 1.05;
  s.RapportoN = {10, 5.5f};
  i.GammaAzioni = 1.35f;
  i.CopriferroProgetto = 32.5f;
  i.PassoArrotondamento = {25, 12.5f};
  s.Fck = 35;
  i.Fyk = 430;
  const auto scritti = ValoriIni();
  ASSERT_TRUE(FileIniLeggeScrive("S"));

  const std::vector<std::string> righe = Righe(ambiente.Leggi("Tramok.ini"));
  ASSERT_EQ(righe.size(), 14u);
  EXPECT_EQ(righe[0], "\"\",\"7.8\"");
  EXPECT_EQ(righe[2], "\"Acciaio \xF9\",\"Trefolo\"");
  EXPECT_EQ(righe[3], "205000.5,0.0225,347.8,1408.7");

  s = {};
  i = {};
  ASSERT_TRUE(FileIniLeggeScrive("L"));
  EXPECT_EQ(ValoriIni(), scritti);
  EXPECT_TRUE(ambiente.box.Mostrati().empty());
}

struct VersioneIni {
  const char* versione;
  int normativa;
  int sismica;
  std::array<std::string, 2> sigle;
  std::array<double, 2> fyd;
  double epsSu;
  double fcd;
  double alfaCC;
  double epsC2;
  std::array<float, 2> confidenza;
  std::array<float, 2> sigmaS;
  std::array<float, 2> n;
};

void PrintTo(const VersioneIni& v, std::ostream* os) { *os << v.versione; }

class FileIniVersioni : public testing::TestWithParam<VersioneIni> {};

TEST_P(FileIniVersioni, EachLayoutReadsIntoTheSameValues) {
  const VersioneIni& v = GetParam();
  AmbienteFile ambiente;
  ambiente.CopiaFixture(std::string("Tramok-") + v.versione + ".ini", "Tramok.ini");
  ASSERT_TRUE(FileIniLeggeScrive("L"));
  EXPECT_TRUE(ambiente.box.Mostrati().empty());
  EXPECT_EQ(Stato.Normativa, v.normativa);
  EXPECT_EQ(Stato.NormativaSismica, v.sismica);
  EXPECT_EQ(Stato.SiglaAcciaio, v.sigle);
  EXPECT_EQ(Stato.Fyd, v.fyd);
  EXPECT_EQ(Stato.EpsSu, v.epsSu);
  EXPECT_DOUBLE_EQ(Stato.Fcd, v.fcd);
  EXPECT_EQ(Stato.AlfaCC, v.alfaCC);
  EXPECT_EQ(Stato.EpsC2, v.epsC2);
  EXPECT_EQ(Stato.FattoreConfidenza, v.confidenza);
  EXPECT_EQ(Stato.SigmaSAmm, v.sigmaS);
  EXPECT_EQ(Stato.RapportoN, v.n);
  // Records every layout has.
  EXPECT_EQ(Stato.ModuloEs, 210000);
  EXPECT_EQ(Stato.SiglaCalcestruzzo, "C30/37");
  EXPECT_EQ(Stato.EpsCu, 0.003);
  EXPECT_EQ(Stato.RapportoFccFcd, 0.8);
  EXPECT_EQ(Stato.UnitaLunghezza, "mm");
  EXPECT_EQ(Stato.Rck, 37);
  EXPECT_EQ(Stato.SigmaCAmm, 11.25f);
  EXPECT_EQ(Stato.TauC0, 0.6667f);
  EXPECT_EQ(Stato.TauC1, 2.1f);
  EXPECT_EQ(Stato.GammaC, 1.4);
  EXPECT_EQ(Stato.GammaS, 1.1);
  EXPECT_EQ(Stato.GammaAzioni, 1.3f);
  EXPECT_EQ(Stato.CopriferroProgetto, 25);
  EXPECT_EQ(Stato.PassoArrotondamento, (std::array<float, 2>{40, 10}));
  EXPECT_EQ(Stato.Fck, 30);
  EXPECT_EQ(Stato.Fyk, 460);
}

// The layouts from 6.0 on hold the same values, with the design code, alfa_cc
// and eps_c2 where the version has them.
VersioneIni DaSeiInPoi(const char* versione, int normativa, int sismica, double alfaCC,
                       double epsC2) {
  return {versione,    normativa,     sismica,    {"B450C più", "Trefolo"},
          {400, 1400}, 0.0675,        17,         alfaCC,
          epsC2,       {1.1f, 1.35f}, {260, 900}, {12, 5.5f}};
}

// One steel, three steel constants, no values of the tendons.
const VersioneIni Versione53{"5.3", 1,    0,     {"FeB44k", ""}, {373.9, 0}, 0.01,
                             17,    0.85, 0.002, {1, 1},         {260, 0},   {12, 6}};

// 7.8: two confidence records, the second wins; 7.6: the block has none; 7.0:
// no eps_c2; 6.2: no design-code record, fcd stored without alfa_cc; 6.0: a
// dropped steel name; 5.3: as above.
INSTANTIATE_TEST_SUITE_P(Versioni, FileIniVersioni,
                         testing::Values(DaSeiInPoi("7.8", 2, 1, 1, 0.0022),
                                         DaSeiInPoi("7.6", 2, 1, 1, 0.0022),
                                         DaSeiInPoi("7.0", 2, 1, 1, 0.002),
                                         DaSeiInPoi("6.2", 1, 0, 0.85, 0.002),
                                         DaSeiInPoi("6.0", 1, 0, 0.85, 0.002), Versione53),
                         [](const testing::TestParamInfo<VersioneIni>& info) {
                           std::string nome = std::string("v") + info.param.versione;
                           nome.erase(nome.find('.'), 1);
                           return nome;
                         });

TEST(FileIni, MissingOrEmptyFileGivesTheDefaultsAndOneBox) {
  for (const bool vuoto : {false, true}) {
    AmbienteFile ambiente;
    if (vuoto) ambiente.Scrivi("Tramok.ini", "");
    Stato.Normativa = 2;
    Stato.UnitaLunghezza = "mm";
    Stato.Fck = 40;
    Stato.PassoArrotondamento[1] = 7;
    EXPECT_FALSE(FileIniLeggeScrive("L"));
    ExpectDefaults();
    EXPECT_EQ(Stato.Normativa, 2);
    EXPECT_EQ(Stato.PassoArrotondamento[1], 7);
    ASSERT_EQ(ambiente.box.Mostrati().size(), 1u);
    EXPECT_EQ(ambiente.box.Mostrati()[0].testo, MessaggioIni);
    EXPECT_EQ(ambiente.box.Mostrati()[0].icona, platform::Icona::Informazione);
    EXPECT_EQ(ambiente.box.Mostrati()[0].titolo, "");
    // Read again ("Nuovo"): a missing file is not told twice, an empty one is.
    EXPECT_FALSE(FileIniLeggeScrive("L"));
    EXPECT_EQ(ambiente.box.Mostrati().size(), vuoto ? 2u : 1u);
  }
}

// Whole or nothing: what was read before the cut does not stay.
TEST(FileIni, ShortFileGivesTheDefaultsAndReportsOnce) {
  AmbienteFile ambiente;
  ambiente.CopiaFixture("Tramok-7.8.ini", "completo.ini");
  const std::vector<std::string> righe = Righe(ambiente.Leggi("completo.ini"));

  // Cut inside the silent records: only the settings box.
  ambiente.Scrivi("Tramok.ini", Unite(righe, 12));
  EXPECT_FALSE(FileIniLeggeScrive("L"));
  EXPECT_EQ(ambiente.box.Testi(), std::vector<std::string>{MessaggioIni});
  ExpectDefaults();
  EXPECT_EQ(Stato.GammaAzioni, 1.5f);

  // Cut inside a reported record: its box first.
  ambiente.box.Svuota();
  ambiente.Scrivi("Tramok.ini", Unite(righe, 5));
  EXPECT_FALSE(FileIniLeggeScrive("L"));
  EXPECT_EQ(ambiente.box.Testi(),
            (std::vector<std::string>{"Lettura incompleta del file\r\n" + ambiente.Percorso("Tramok.ini"),
                                      MessaggioIni}));
  ExpectDefaults();
}

TEST(FileIni, CorruptRecordStopsTheReading) {
  AmbienteFile ambiente;
  ambiente.CopiaFixture("Tramok-7.8.ini", "completo.ini");
  std::vector<std::string> righe = Righe(ambiente.Leggi("completo.ini"));
  righe[8] = "37,260,900,abc,0.6667,2.1,1.4,1.1";
  ambiente.Scrivi("Tramok.ini", Unite(righe, righe.size()));
  EXPECT_FALSE(FileIniLeggeScrive("L"));
  EXPECT_EQ(ambiente.box.Testi(),
            (std::vector<std::string>{"Lettura incompleta del file\r\n" + ambiente.Percorso("Tramok.ini"),
                                      MessaggioIni}));
  ExpectDefaults();
  EXPECT_EQ(Stato.SigmaSAmm[1], 0);
}

// Values out of their ranges go back to their defaults one by one, and the
// user is told which in one box once the whole file is read; the rest of the
// file is kept.
TEST(FileIni, ValuesOutsideTheirRangeAreReplacedAndNamed) {
  AmbienteFile ambiente;
  ambiente.CopiaFixture("Tramok-7.8.ini", "completo.ini");
  std::vector<std::string> righe = Righe(ambiente.Leggi("completo.ini"));
  righe[3] = "-210000,0.0675,400,1400";
  righe[5] = "0.003,17,-1,0.8,0.0022";
  righe[7] = "\"in\"";
  righe[8] = "37,260,900,11.25,0.6667,2.1,0,-1.15";
  righe[10] = "0,-1.2";
  ambiente.Scrivi("Tramok.ini", Unite(righe, righe.size()));
  EXPECT_TRUE(FileIniLeggeScrive("L"));
  const std::string titolo = "Valori fuori dai limiti, sostituiti con quelli di Default:\r\n";
  EXPECT_EQ(ambiente.box.Testi(),
            std::vector<std::string>{
                titolo + "αcc = -1: sostituito con 0.85\r\nEs = -210000 N/mm²: sostituito con "
                         "200000 N/mm²\r\nFC = 0: sostituito con 1\r\nFC = -1.2: sostituito con "
                         "1\r\nγc = 0: sostituito con 1.5\r\nγs = -1.15: sostituito con 1.15\r\n"
                         "L'unità di lunghezza \"in\": sostituita con cm"});
  EXPECT_EQ(Stato.ModuloEs, 200000);
  EXPECT_EQ(Stato.AlfaCC, 0.85);
  EXPECT_EQ(Stato.GammaC, 1.5);
  EXPECT_EQ(Stato.GammaS, 1.15);
  EXPECT_EQ(Stato.FattoreConfidenza, (std::array<float, 2>{1, 1}));
  EXPECT_EQ(Stato.UnitaLunghezza, "cm");
  // Kept from the file.
  EXPECT_EQ(Stato.Fcd, 17);
  EXPECT_EQ(Stato.Fyd[1], 1400);
  EXPECT_EQ(Stato.Fck, 30);

  // Each range just outside, one at a time; the file's other values stay.
  struct Prova {
    std::size_t riga;
    std::string testo, box;
  };
  const std::vector<Prova> prove{
      {3, "1E-40,0.0675,400,1400", "Es = 1E-40 N/mm²: sostituito con 200000 N/mm²"},
      {3, "210000,1,400,1400", "εsu = 1000 ‰: sostituito con 67.5 ‰"},
      {5, "-0.003,17,1,0.8,0.0022", "εcu = -3 ‰: sostituito con 3.5 ‰"},
      {5, "0.003,1E+308,1,0.8,0.0022", "fcd = 1E+308 N/mm²: sostituito con 14.167 N/mm²"},
      {5, "0.003,17,1,0.8,0.0031", "εc2 = 3.1 ‰ oltre εcu = 3 ‰: sostituiti con 2 ‰ e 3.5 ‰"},
      {9, "1E-30,5.5", "n = 1E-30: sostituito con 15"},
      {13, "150,460", "fck = 150 N/mm²: sostituito con 25 N/mm²"},
      {7, "\"km\"", "L'unità di lunghezza \"km\": sostituita con cm"}};
  for (const Prova& p : prove) {
    std::vector<std::string> modificate = Righe(ambiente.Leggi("completo.ini"));
    modificate[p.riga] = p.testo;
    ambiente.Scrivi("Tramok.ini", Unite(modificate, modificate.size()));
    ambiente.box.Svuota();
    EXPECT_TRUE(FileIniLeggeScrive("L")) << p.testo;
    EXPECT_EQ(ambiente.box.Testi(), std::vector<std::string>{titolo + p.box}) << p.testo;
    EXPECT_EQ(Stato.SiglaCalcestruzzo, "C30/37") << p.testo;
    EXPECT_EQ(Stato.UnitaLunghezza, p.riga == 7 ? "cm" : "mm") << p.testo;
  }
}

// Blank lines, a text left open that would shift every field after it, a
// later layout, a design code out of range: the defaults, never a mix.
TEST(FileIni, UnreadableOrUnsoundFilesGiveTheDefaults) {
  AmbienteFile ambiente;
  ambiente.CopiaFixture("Tramok-7.8.ini", "completo.ini");
  const std::vector<std::string> righe = Righe(ambiente.Leggi("completo.ini"));
  const std::string versione =
      "Il file è stato scritto da una versione del programma più recente (10.0) e non può "
      "essere letto.\r\n" + ambiente.Percorso("Tramok.ini");
  struct Prova {
    std::size_t riga;
    std::string testo;
    std::vector<std::string> box;
  };
  const std::string fuori = "Il File Tramok.ini contiene valori non validi: ";
  const std::vector<Prova> prove{
      {2, "\"B450C,Trefolo",
       {"Lettura incompleta del file\r\n" + ambiente.Percorso("Tramok.ini"), MessaggioIni}},
      {0, "\"\",\"10.0\"", {versione, MessaggioIni}},
      {1, "99,1", {fuori + "Normativa non prevista.\r\n" + MessaggioIni}}};
  for (const Prova& p : prove) {
    std::vector<std::string> modificate = righe;
    modificate[p.riga] = p.testo;
    ambiente.Scrivi("Tramok.ini", Unite(modificate, modificate.size()));
    ambiente.box.Svuota();
    Stato = VariabiliPubbliche::StatoProgramma{};
    EXPECT_FALSE(FileIniLeggeScrive("L")) << p.testo;
    EXPECT_EQ(ambiente.box.Testi(), p.box) << p.testo;
    ExpectDefaults();
    EXPECT_EQ(Stato.ModuloEs, 200000) << p.testo;
    EXPECT_EQ(Stato.EpsSu, 0.0675) << p.testo;
  }
  ambiente.box.Svuota();
  ambiente.Scrivi("Tramok.ini", std::string(40, '\n'));
  EXPECT_FALSE(FileIniLeggeScrive("L"));
  ExpectDefaults();
  EXPECT_EQ(Stato.Fyd[0], 391.3);
  EXPECT_EQ(Stato.EpsCu, 0.0035);
}

// Saving over a symbolic link writes the file it points to; the link stays.
TEST(FileIni, SaveThroughALinkWritesItsTarget) {
  AmbienteFile ambiente;
  ambiente.CopiaFixture("Tramok-7.8.ini", "reale.ini");
  std::filesystem::create_symlink("reale.ini", ambiente.Percorso("Tramok.ini"));
  ASSERT_TRUE(FileIniLeggeScrive("L"));
  Stato.Fck = 32;
  ASSERT_TRUE(FileIniLeggeScrive("S"));
  EXPECT_TRUE(std::filesystem::is_symlink(ambiente.Percorso("Tramok.ini")));
  EXPECT_NE(ambiente.Leggi("reale.ini").find("\r\n32,"), std::string::npos);
  EXPECT_EQ(ambiente.Nomi(), (std::set<std::string>{"Tramok.ini", "reale.ini"}));
}

// A link or a file standing where a save's temporary file might go is left
// alone: the save writes only the settings file.
TEST(FileIni, SaveLeavesAPlantedTemporaryNameAlone) {
  for (const bool link : {true, false}) {
    AmbienteFile ambiente;
    ambiente.CopiaFixture("Tramok-7.8.ini", "Tramok.ini");
    ambiente.Scrivi("altro.txt", "altro\n");
    if (link)
      std::filesystem::create_symlink("altro.txt", ambiente.Percorso("Tramok.ini.tmp"));
    else
      ambiente.Scrivi("Tramok.ini.tmp", "piantato\n");
    ASSERT_TRUE(FileIniLeggeScrive("L"));
    Stato.Fck = 32;
    ASSERT_TRUE(FileIniLeggeScrive("S")) << link;
    EXPECT_FALSE(std::filesystem::is_symlink(ambiente.Percorso("Tramok.ini"))) << link;
    EXPECT_NE(ambiente.Leggi("Tramok.ini").find("\r\n32,"), std::string::npos) << link;
    EXPECT_EQ(ambiente.Leggi("altro.txt"), "altro\n") << link;
    EXPECT_EQ(std::filesystem::is_symlink(ambiente.Percorso("Tramok.ini.tmp")), link);
    EXPECT_EQ(ambiente.Leggi("Tramok.ini.tmp"), link ? "altro\n" : "piantato\n");
    EXPECT_EQ(ambiente.Nomi(), (std::set<std::string>{"Tramok.ini", "Tramok.ini.tmp", "altro.txt"}));
  }
}

TEST(FileIni, FailedWriteLeavesTheFileAndSaysSo) {
  AmbienteFile ambiente;
  // A folder that is not empty where the file goes cannot be replaced.
  std::filesystem::create_directories(ambiente.Percorso("Tramok.ini/pieno"));
  Stato.Fck = 99;
  EXPECT_FALSE(FileIniLeggeScrive("S"));
  EXPECT_EQ(Stato.Fck, 99);
  ASSERT_EQ(ambiente.box.Mostrati().size(), 1u);
  EXPECT_NE(ambiente.box.Mostrati()[0].testo.find(ambiente.Percorso("Tramok.ini")),
            std::string::npos);
  EXPECT_EQ(ambiente.box.Mostrati()[0].testo.find("non esiste"), std::string::npos);
  EXPECT_TRUE(std::filesystem::exists(ambiente.Percorso("Tramok.ini/pieno")));
  EXPECT_EQ(ambiente.Nomi(), std::set<std::string>{"Tramok.ini"});
}
