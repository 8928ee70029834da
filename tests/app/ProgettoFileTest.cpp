// The project file written and read back, files of older layouts, damaged
// files, and the open and save commands with their dialog.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>

#include "AmbienteFile.h"
#include "app/GeneraleFile.h"
#include "app/ProgettoFile.h"
#include "model/VariabiliPubbliche.h"
#include "platform/FileDialogScriptato.h"
#include "seismic/StatoSismica.h"

namespace {

using ProgettoFile::DatiFinestra;
using VariabiliPubbliche::Stato;

// A window that keeps nothing but the project data.
class FinestraProva : public Generale::FinestraFile {
 public:
  bool FileLeggeScrive(Generale::FileDati& file, const std::string& modo) override {
    return modo == "L" ? ProgettoFile::Legge(file, dati) : ProgettoFile::Scrive(file, dati);
  }
  void ImpostaCaption(const std::string& c) override { caption = c; }
  std::string PrefissoCaption() const override { return "Tramok - File: "; }
  DatiFinestra dati;
  std::string caption = "Tramok - File: ";
};

class ProgettoFileTest : public ::testing::Test {
 protected:
  void SetUp() override {
    Sismica::Stato = Sismica::StatoSismico{};
    ProgettoFile::Stato = ProgettoFile::StatoProgetto{};
    Stato.CartellaDati = ambiente.Cartella();
  }
  void TearDown() override {
    Sismica::Stato = Sismica::StatoSismico{};
    ProgettoFile::Stato = ProgettoFile::StatoProgetto{};
  }
  bool Scrivi(const std::string& nome, DatiFinestra& dati) {
    Generale::FileDati file = Generale::FileDati::ApriScrittura(ambiente.Percorso(nome));
    if (!ProgettoFile::Scrive(file, dati)) return false;
    file.Chiudi();
    return true;
  }
  bool Leggi(const std::string& nome, DatiFinestra& dati) {
    Generale::FileDati file = Generale::FileDati::ApriLettura(ambiente.Percorso(nome));
    return ProgettoFile::Legge(file, dati);
  }
  void CopiaFixture(const std::string& nome) { ambiente.CopiaFixture(nome, nome); }

  AmbienteFile ambiente;
};

// A section of the given type with bars, tendons, acting points and seismic data.
DatiFinestra Sezione(int tipo) {
  Stato.TipoSezione = tipo;
  Stato.TitoloSezione = "Pilastro è 45° \"A\"";
  const bool piana = tipo <= 3;
  const int colonne = tipo == 3 ? 3 : 2;
  Stato.MatriceFigure.ReDim(1, 3, 1, colonne);
  for (int i = 1; i <= 3; ++i)
    for (int j = 1; j <= colonne; ++j) Stato.MatriceFigure(i, j) = 100.5 * i + j;
  Stato.DatiSezioneCircolare = {250, 8, 16, 40, 0};
  Stato.MatriceBarre.ReDim(1, 2, 1, piana ? 2 : 3);
  // Values a Single holds exactly: the rows are Singles in the file.
  Stato.MatriceBarre(1, 1) = 201.0625;
  Stato.MatriceBarre(2, 2) = -0.125;
  Stato.Precompresso = true;
  Stato.MatriceCavi.ReDim(1, 1, 1, piana ? 3 : 4);
  Stato.MatriceCavi(1, 1) = 140;
  Stato.MatriceCavi(1, piana ? 3 : 4) = 1200;
  Stato.AzioniDominioMN.ReDim(1, 2, 1, 2);
  Stato.AzioniDominioMN(2, 1) = 1234.5;
  Stato.AzioneV = {15000, 7000};
  Stato.Normativa = 2;
  Stato.CotTeta = 2.5f;
  Sismica::Stato.TitoloSismica = "Pilastro piano terra";
  Sismica::Stato.NEdSismica = 850000;
  Sismica::Stato.PeriodoT1 = 0.45f;
  DatiFinestra dati;
  dati.NForm = {1500, 900};
  dati.MxForm = {120.25, 80};
  dati.MyForm = {-30, 0};
  dati.nFigureForm = tipo == 4 ? 0 : 3;
  dati.nBarreForm = 2;
  dati.nCaviForm = 1;
  return dati;
}

TEST_F(ProgettoFileTest, OgniTipoDiSezioneRiscrittoUgualeByteperByte) {
  for (int tipo = 0; tipo <= 5; ++tipo) {
    SCOPED_TRACE(tipo);
    DatiFinestra dati = Sezione(tipo);
    ASSERT_TRUE(Scrivi("a.slu", dati));
    const VariabiliPubbliche::StatoProgramma scritto = Stato;
    Stato = VariabiliPubbliche::StatoProgramma{};
    Sismica::Stato = Sismica::StatoSismico{};
    DatiFinestra letti;
    ASSERT_TRUE(Leggi("a.slu", letti));
    EXPECT_EQ(letti, dati);
    EXPECT_EQ(Stato.TipoSezione, tipo);
    EXPECT_EQ(Stato.MatriceBarre, scritto.MatriceBarre);
    EXPECT_EQ(Stato.MatriceCavi, scritto.MatriceCavi);
    EXPECT_EQ(Stato.AzioniDominioMN, scritto.AzioniDominioMN);
    if (tipo != 4) {
      EXPECT_EQ(Stato.MatriceFigure, scritto.MatriceFigure);
    }
    // The circle's own record is there for a circle only; the inner radius always.
    if (tipo == 4) {
      EXPECT_EQ(Stato.DatiSezioneCircolare, scritto.DatiSezioneCircolare);
    }
    EXPECT_EQ(Stato.DatiSezioneCircolare[4], scritto.DatiSezioneCircolare[4]);
    EXPECT_EQ(Stato.TitoloSezione, "Pilastro è 45° 'A'");
    EXPECT_EQ(Sismica::Stato.TitoloSismica, "Pilastro piano terra");
    EXPECT_EQ(Sismica::Stato.NEdSismica, 850000);
    EXPECT_EQ(Stato.Normativa, 2);
    EXPECT_FLOAT_EQ(Stato.AzioneV[0], 15000);
    ASSERT_TRUE(Scrivi("b.slu", letti));
    EXPECT_EQ(ambiente.Leggi("a.slu"), ambiente.Leggi("b.slu"));
  }
}

TEST_F(ProgettoFileTest, TitoloInWindows1252ConCrLf) {
  DatiFinestra dati = Sezione(0);
  // 4.02 cm2 is 401.99999999999994 mm2 in a double; a Single field holds 402.
  Stato.MatriceBarre(1, 1) = 4.02 * 100;
  ASSERT_TRUE(Scrivi("a.slu", dati));
  const std::string testo = ambiente.Leggi("a.slu");
  EXPECT_NE(testo.find("\r\n402,0\r\n"), std::string::npos);
  EXPECT_EQ(testo.substr(0, testo.find("\r\n")), "\"Pilastro \xE8 45\xB0 'A'\",\"7.8\"");
  EXPECT_EQ(testo.substr(testo.find("\r\n"), 8), "\r\n0\r\n3\r\n");
}

TEST_F(ProgettoFileTest, SoloBarreScriveZeroFigureEDxfVuotaRifiutata) {
  DatiFinestra dati = Sezione(0);
  Stato.SoloBarre = 1;
  ASSERT_TRUE(Scrivi("a.slu", dati));
  EXPECT_EQ(dati.nFigureForm, 0);
  EXPECT_EQ(ambiente.Leggi("a.slu").substr(0, 40).find("\r\n0\r\n0\r\n") != std::string::npos, true);
  // "DXF" chosen: the rows are the type before's, not an outline.
  dati = Sezione(6);
  ambiente.Scrivi("b.slu", "vecchio");
  {
    Generale::FileDati file = Generale::FileDati::ApriScrittura(ambiente.Percorso("b.slu"));
    EXPECT_FALSE(ProgettoFile::Scrive(file, dati));
  }
  EXPECT_EQ(ambiente.Leggi("b.slu"), "vecchio");
  ASSERT_EQ(ambiente.box.Mostrati().size(), 1u);
}

TEST_F(ProgettoFileTest, Versione50LettaFinoAlRecordDelleViste) {
  CopiaFixture("progetto-5.0.slu");
  // What an old file does not hold must not come from the project before.
  Stato.Normativa = 2;
  Sismica::Stato.NEdSismica = 1;
  Stato.AzioniDominioMN.ReDim(1, 3, 1, 2);
  Stato.CopriferroProgetto = 33;
  DatiFinestra dati;
  ASSERT_TRUE(Leggi("progetto-5.0.slu", dati));
  EXPECT_TRUE(ambiente.box.Mostrati().empty());
  EXPECT_EQ(ProgettoFile::Stato.VersioneFileLetto, "5.0");
  EXPECT_EQ(Stato.TitoloSezione, "Trave 5.0");
  EXPECT_EQ(Stato.TipoSezione, 0);
  ASSERT_EQ(dati.nFigureForm, 1);
  EXPECT_EQ(Stato.MatriceFigure(1, 1), 300);
  EXPECT_EQ(Stato.MatriceFigure(1, 2), 500);
  ASSERT_EQ(dati.nBarreForm, 2);
  EXPECT_EQ(Stato.MatriceBarre(2, 1), 942);
  EXPECT_EQ(Stato.MatriceBarre(2, 2), 460);
  EXPECT_EQ(dati.nCaviForm, 0);
  EXPECT_FALSE(Stato.Precompresso);
  EXPECT_EQ(dati.NForm, (std::array<double, 2>{100, 80}));
  EXPECT_EQ(dati.MxForm, (std::array<double, 2>{50, 30}));
  EXPECT_EQ(Stato.AzioniDominioMN, (Matrice<float>(1, 1, 1, 2)));
  EXPECT_FLOAT_EQ(Stato.LunghezzaL0, 3000);
  // fcd of the old layouts is without alfa_cc: 14.17 x 0.85.
  EXPECT_NEAR(Stato.Fcd, 12.0445, 1e-9);
  EXPECT_EQ(Stato.UnitaLunghezza, "cm");
  EXPECT_FLOAT_EQ(Stato.Rck, 30);
  EXPECT_FLOAT_EQ(Stato.AzioneV[0], 25000);
  EXPECT_FLOAT_EQ(Stato.GammaAzioni, 1.4f);
  EXPECT_EQ(Stato.VisTensioniBarre, 1);
  EXPECT_EQ(Stato.VisTensioniCls, 0);
  EXPECT_EQ(Stato.VisAssi, 1);
  EXPECT_FLOAT_EQ(Stato.CopriferroProgetto, 33);
  EXPECT_EQ(Stato.Normativa, 1);
  EXPECT_FLOAT_EQ(Stato.RoL, 0.02f);
  EXPECT_EQ(Sismica::Stato.NEdSismica, 0);
}

// A file that ends inside record 19, after a gamma_c of 0: a file of "5.0"
// holds records 1 to 30, so it is refused and the factors stay.
TEST_F(ProgettoFileTest, FileFinitoPrimaDellaFineDelSuoFormatoRifiutato) {
  CopiaFixture("progetto-5.0.slu");
  std::string testo = ambiente.Leggi("progetto-5.0.slu");
  const std::string record19 = "30,255,9.75,0.6,1.829,1.5,1.15";
  ASSERT_NE(testo.find(record19), std::string::npos);
  ambiente.Scrivi("corto.slu", testo.substr(0, testo.find(record19)) + "30,255,9.75,0.6,1.829,0");
  Stato.GammaC = 1.7;
  Stato.GammaS = 1.2;
  DatiFinestra dati;
  EXPECT_FALSE(Leggi("corto.slu", dati));
  EXPECT_EQ(ambiente.box.Testi(),
            std::vector<std::string>{"Lettura incompleta del file\r\n" + ambiente.Percorso("corto.slu")});
  EXPECT_EQ(Stato.GammaC, 1.7);
  EXPECT_EQ(Stato.GammaS, 1.2);
  // Without a version it is read as "5.0" (γ azioni 1.4), and refused cut short.
  const std::string senza = "\"Trave 5.0\"" + testo.substr(testo.find("\r\n"));
  ambiente.Scrivi("senza.slu", senza);
  ASSERT_TRUE(Leggi("senza.slu", dati));
  EXPECT_FLOAT_EQ(Stato.GammaAzioni, 1.4f);
  ambiente.Scrivi("senza-corto.slu", senza.substr(0, senza.find("#TRUE#,#TRUE#,#FALSE#")));
  Stato.GammaAzioni = 1.3f;
  EXPECT_FALSE(Leggi("senza-corto.slu", dati));
  EXPECT_EQ(ambiente.box.Testi().back(), "Lettura incompleta del file\r\n" + ambiente.Percorso("senza-corto.slu"));
  EXPECT_FLOAT_EQ(Stato.GammaAzioni, 1.3f);
  // A version of 0.0 is none: cut after record 23, it is refused as well.
  const std::string zero = "\"T\",\"0.0\"" + senza.substr(senza.find("\r\n"));
  ambiente.Scrivi("zero.slu", zero.substr(0, zero.find("\r\n52\r\n0\r\n") + 9));
  EXPECT_FALSE(Leggi("zero.slu", dati));
}

// Factors out of their ranges take their defaults, as in the settings file,
// and the user is told which; the rest of the file stays.
TEST_F(ProgettoFileTest, FattoriFuoriDaiLimitiSostituitiEDetti) {
  CopiaFixture("progetto-5.0.slu");
  std::string testo = ambiente.Leggi("progetto-5.0.slu");
  // γc and γs, γ azioni, n.
  using Riga = std::pair<std::string, std::string>;
  for (const auto& [da, a] : {Riga{"1.829,1.5,1.15", "1.829,0,-1.15"},
                              Riga{"\r\n1.4\r\n", "\r\n50\r\n"},
                              Riga{"\r\n15\r\n", "\r\n1E-30\r\n"},
                              Riga{"\r\n300,500\r\n", "\r\n-300,500\r\n"}})
    testo.replace(testo.find(da), da.size(), a);
  ambiente.Scrivi("fattori.slu", testo);
  DatiFinestra dati;
  ASSERT_TRUE(Leggi("fattori.slu", dati));
  EXPECT_EQ(ambiente.box.Testi(),
            std::vector<std::string>{
                "Valori fuori dai limiti, sostituiti con quelli di Default:\r\n"
                "γc = 0: sostituito con 1.5\r\nγs = -1.15: sostituito con 1.15\r\n"
                "n = 1E-30: sostituito con 15\r\nγ azioni = 50: sostituito con 1.5\r\n"
                "b della figura 1 = -300 mm: sostituito con 0 mm"});
  EXPECT_EQ(Stato.GammaS, 1.15);
  EXPECT_EQ(Stato.RapportoN[0], 15);
  EXPECT_EQ(Stato.GammaAzioni, 1.5f);
  EXPECT_FLOAT_EQ(Stato.TauC1, 1.829f);
  // A save writes the values in force and leaves them.
  Stato.GammaC = 0.9;
  ASSERT_TRUE(Scrivi("salvato.slu", dati));
  EXPECT_EQ(Stato.GammaC, 0.9);
}

// Every material constant the file holds is checked through the same range
// table as the settings file: one out of its range at a time takes its
// default, named in one box after the read; the file's other values stay.
TEST_F(ProgettoFileTest, OgniCostanteFuoriDalSuoIntervalloSostituitaEDetta) {
  CopiaFixture("progetto-7.8.slu");
  const std::string originale = ambiente.Leggi("progetto-7.8.slu");
  struct Prova {
    std::string da, a, riga;
  };
  const std::vector<Prova> prove{
      {"200000,0.0675,", "1E-40,0.0675,", "Es = 1E-40 N/mm²: sostituito con 200000 N/mm²"},
      {"200000,0.0675,", "200000,1,", "εsu = 1000 ‰: sostituito con 67.5 ‰"},
      {"0.8,0.002", "0.8,0.0036", "εc2 = 3.6 ‰ oltre εcu = 3.5 ‰: sostituiti con 2 ‰ e 3.5 ‰"},
      {"45,255,180,11,", "1E+30,255,180,11,", "Rck = 1E+30 N/mm²: sostituito con 30 N/mm²"},
      {"45,255,180,11,", "45,255,180,-11,", "σc amm. = -11 N/mm²: sostituito con 9.75 N/mm²"},
      {"45,255,180,11,", "45,1E+9,180,11,",
       "σs amm. = 1000000000 N/mm²: sostituito con 255 N/mm²"},
      {"11,0.7,2,", "11,0.7,200,", "τc1 = 200 N/mm²: sostituito con 1.829 N/mm²"},
      {"20,50,0,0", "-20,50,0,0", "Il copriferro = -20 mm: sostituito con 20 mm"},
      {"35,450", "150,450", "fck = 150 N/mm²: sostituito con 25 N/mm²"},
      {"35,450", "35,4500", "fyk = 4500 N/mm²: sostituito con 450 N/mm²"},
      // Below the weakest materials of the codes.
      {"45,255,180,11,0.7,", "45,255,180,11,0.29,", "τc0 = 0.29 N/mm²: sostituito con 0.6 N/mm²"},
      {"391.3,1500", "1E-20,1500", "fyd delle barre = 1E-20 N/mm²: sostituito con 391.3 N/mm²"},
      {"391.3,1500", "391.3,59", "fyd dei cavi = 59 N/mm²: sostituito con 0 N/mm²"},
      {"16.53,", "0.39,", "fcd = 0.39 N/mm²: sostituito con 14.167 N/mm²"},
      {"139,0,-300,1200", "139,0,1E+30,1200", "y del cavo 2 = 1E+30 mm: sostituito con 0 mm"},
      {"400,12,16,50", "-400,12,16,50", "Il raggio = -400 mm: sostituito con 0 mm"},
      {"\r\n72\r\n", "\r\n2000000000\r\n", "Il numero di vertici = 2000000000: sostituito con 52"},
      {"60,30", "1E+20,30", "Mx = 1E+20 kNm: sostituito con 0 kNm"},
      {"\r\n0\r\n\"B450C\"", "\r\n-15000\r\n\"B450C\"", "L0 = -15000 mm: sostituito con 0 mm"},
      {"\r\n0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0\r\n", "\r\n-300,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0\r\n",
       "b del pilastro = -300 mm: sostituito con 0 mm"},
      // fck 90: εc2 = 2 + 0.085 x 40^0.53 = 2.6005 ‰ and εcu 2.6 ‰ are the
      // code's, kept with no box.
      {"0.0035,16.53,0.85,0.8,0.002", "0.0026,16.53,0.85,0.8,0.002601", ""}};
  for (const Prova& p : prove) {
    std::string testo = originale;
    testo.replace(testo.find(p.da), p.da.size(), p.a);
    ambiente.Scrivi("costante.slu", testo);
    ambiente.box.Svuota();
    DatiFinestra dati;
    ASSERT_TRUE(Leggi("costante.slu", dati)) << p.a;
    EXPECT_EQ(ambiente.box.Testi(),
              p.riga.empty() ? std::vector<std::string>{}
                             : std::vector<std::string>{
                                   "Valori fuori dai limiti, sostituiti con quelli di Default:\r\n" +
                                   p.riga})
        << p.a;
    EXPECT_EQ(Stato.SiglaCalcestruzzo, "C35/45") << p.a;
    EXPECT_EQ(Stato.FattoreConfidenza[1], 1.35f) << p.a;
  }
}

TEST_F(ProgettoFileTest, Versione60CaviSenzaPrecompressioneNellaColonnaAZero) {
  CopiaFixture("progetto-6.0.slu");
  DatiFinestra dati;
  ASSERT_TRUE(Leggi("progetto-6.0.slu", dati));
  EXPECT_TRUE(ambiente.box.Mostrati().empty());
  EXPECT_TRUE(Stato.Precompresso);
  ASSERT_EQ(dati.nCaviForm, 1);
  Matrice<double> cavi(1, 1, 1, 3);
  cavi(1, 1) = 140;
  cavi(1, 2) = 550;
  EXPECT_EQ(Stato.MatriceCavi, cavi);
  EXPECT_EQ(Stato.SiglaAcciaio[1], "Y1860");
  EXPECT_EQ(Stato.Fyd[1], 1400);
  EXPECT_EQ(Stato.UnitaLunghezza, "mm");
  EXPECT_TRUE(Stato.ClsReagenteTrazione);
  EXPECT_FLOAT_EQ(Stato.SigmaSAmm[1], 0);
  EXPECT_FLOAT_EQ(Stato.SigmaCAmm, 11);
  EXPECT_EQ(Stato.GammaC, 1.5);
  EXPECT_EQ(Stato.NumeroVerticiCerchio, 60);
  EXPECT_EQ(Stato.TipoVerifica, 2);
  EXPECT_EQ(Stato.VisTensioniBarre, 1);
  EXPECT_EQ(Stato.VisTensioniCls, 1);
  EXPECT_FLOAT_EQ(Stato.PassoArrotondamento[0], 50);
  EXPECT_FLOAT_EQ(Stato.RapportoAsCompressa, 0.5f);
  EXPECT_TRUE(Stato.OpzioniProgetto);
  EXPECT_EQ(Stato.RigheFiDiametro[0], 16);
  EXPECT_EQ(Stato.TipoVerificaProgetto, 1);
  EXPECT_EQ(Stato.NumeroBracci, 2);
  EXPECT_EQ(Stato.GancioStaffe, 1);
  EXPECT_EQ(Stato.DimensioneFissa, 2);
  EXPECT_TRUE(Stato.SenzaStaffe);
  EXPECT_EQ(Stato.Normativa, 1);
}

TEST_F(ProgettoFileTest, FileRovinatoLasciaIlProgettoPrecedente) {
  DatiFinestra dati = Sezione(0);
  ASSERT_TRUE(Scrivi("a.slu", dati));
  const std::string intero = ambiente.Leggi("a.slu");
  const VariabiliPubbliche::StatoProgramma prima = Stato;
  // Cut inside the moments of record 9, after record 14 (a point of
  // application 0 at 0, 0), inside the acting points with a count of 2;
  // then empty, a title cut inside its quotes, a version without quotes or
  // no number, a few damaged or foreign files: all damaged but the last, later.
  const std::size_t n9 = intero.find("\r\n120.25");
  const std::size_t n14 = intero.find("\r\n0,0,0\r\n") + 9;
  const std::size_t azioni = intero.find("\r\n0,0\r\n") + 2;
  // The design code is the line before the last: 7 is no code.
  const std::size_t codice = intero.rfind("\r\n", intero.rfind("\r\n", intero.size() - 3) - 1) + 2;
  std::string senzaCodice = intero;
  senzaCodice.replace(codice, 1, "7");
  const std::string casi[] = {intero.substr(0, n9 + 5), intero.substr(0, n14),
                              intero.substr(0, azioni), senzaCodice, "", "\"Trave\r\n",
                              "\"T\",7.8\r\n0\r\n",
                              std::string("\x00\x01\xff\xfe\r\n\x7f", 7),
                              "\"T\",\"7.8\"\r\n9\r\n", "\"T\",\"7.8\"\r\n0\r\n-5\r\n",
                              "\"T\",\"-1\"\r\n0\r\n", "\"T\",\"9.9\"\r\n"};
  for (const std::string& contenuto : casi) {
    SCOPED_TRACE(contenuto.substr(0, 40));
    ambiente.Scrivi("r.slu", contenuto);
    ambiente.box.Svuota();
    DatiFinestra letti = dati;
    EXPECT_FALSE(Leggi("r.slu", letti));
    // One box, naming the file.
    ASSERT_EQ(ambiente.box.Testi().size(), 1u);
    EXPECT_NE(ambiente.box.Testi()[0].find("\r\n" + ambiente.Percorso("r.slu")), std::string::npos);
    if (&contenuto != std::end(casi) - 1) EXPECT_EQ(ambiente.box.Testi()[0].rfind("Lettura incompleta", 0), 0u);
    EXPECT_EQ(letti, dati);
    EXPECT_EQ(Stato.TitoloSezione, prima.TitoloSezione);
    EXPECT_EQ(Stato.MatriceFigure, prima.MatriceFigure);
    EXPECT_EQ(Sismica::Stato.NEdSismica, 850000);
  }
  EXPECT_EQ(ambiente.box.Testi()[0].substr(0, 31), "Il file è stato scritto da una");
}

TEST_F(ProgettoFileTest, RigaComandoParole) {
  using Generale::ParoleRigaComando;
  EXPECT_EQ(ParoleRigaComando("\"/tmp/Progetti/trave 1.slu\""),
            (std::vector<std::string>{"/tmp/Progetti/trave", "1.slu"}));
  EXPECT_TRUE(ParoleRigaComando(" \t\"\" ").empty());
  EXPECT_EQ(ParoleRigaComando("a b c d e f g h i j k l").size(), 10u);
  EXPECT_EQ(ParoleRigaComando("a b c d e f g h i j k l").back(), "j");
}

TEST_F(ProgettoFileTest, RigaComandoApreConBlanchiOSegnalaFileMancante) {
  std::filesystem::create_directory(ambiente.Percorso("Progetti"));
  DatiFinestra dati = Sezione(1);
  ASSERT_TRUE(Scrivi("Progetti/trave 1.slu", dati));
  Stato = VariabiliPubbliche::StatoProgramma{};
  FinestraProva finestra;
  std::string nome = "vecchio", percorso;
  ASSERT_TRUE(Generale::ApriFileRigaComando("\"Progetti/trave   1.slu\"", nome, percorso, finestra));
  EXPECT_EQ(nome, "trave 1");
  EXPECT_EQ(finestra.caption, "Tramok - File: trave 1");
  EXPECT_EQ(Stato.CartellaDati, ambiente.Percorso("Progetti"));
  EXPECT_EQ(Stato.TipoSezione, 1);
  EXPECT_EQ(finestra.dati, dati);
  // One argument holding two blanks in a row is the path as it stands.
  ASSERT_TRUE(Scrivi("Progetti/trave  2.slu", dati));
  ASSERT_TRUE(Generale::ApriFileRigaComando("Progetti/trave  2.slu", nome, percorso, finestra));
  EXPECT_EQ(nome, "trave  2");

  EXPECT_FALSE(Generale::ApriFileRigaComando("manca.slu", nome, percorso, finestra));
  EXPECT_EQ(nome, "");
  ASSERT_EQ(ambiente.box.Mostrati().size(), 1u);
  EXPECT_EQ(ambiente.box.Mostrati()[0].testo,
            "File " + ambiente.Percorso("manca.slu") + " non trovato ");
  EXPECT_EQ(ambiente.box.Mostrati()[0].icona, platform::Icona::Critica);
}

// A link or a file standing where the save's temporary file might go is left
// alone: "Salva" writes only the project.
TEST_F(ProgettoFileTest, SalvaLasciaStareUnNomeTemporaneoPiantato) {
  FinestraProva finestra;
  finestra.dati = Sezione(0);
  platform::FileDialogScriptato dialogo;
  dialogo.Accoda(ambiente.Percorso("Trave"));
  auto& p = ProgettoFile::Stato;
  ambiente.Scrivi("altro.txt", "altro\n");
  for (const bool link : {true, false}) {
    std::filesystem::remove(ambiente.Percorso("Trave.slu.tmp"));
    if (link)
      std::filesystem::create_symlink("altro.txt", ambiente.Percorso("Trave.slu.tmp"));
    else
      ambiente.Scrivi("Trave.slu.tmp", "piantato\n");
    Stato.TitoloSezione = link ? "primo" : "secondo";
    ASSERT_TRUE(Generale::ApriSalvaFile(Generale::FileSalva, "Tramok", p.NomeFileProgetto,
                                        p.PercorsoProgetto, "slu", dialogo, finestra,
                                        "Tramok - File: "));
    EXPECT_FALSE(std::filesystem::is_symlink(ambiente.Percorso("Trave.slu"))) << link;
    EXPECT_EQ(ambiente.Leggi("Trave.slu").substr(0, 8), link ? "\"primo\"," : "\"secondo");
    EXPECT_EQ(ambiente.Leggi("altro.txt"), "altro\n") << link;
    EXPECT_EQ(std::filesystem::is_symlink(ambiente.Percorso("Trave.slu.tmp")), link);
    EXPECT_EQ(ambiente.Leggi("Trave.slu.tmp"), link ? "altro\n" : "piantato\n");
    EXPECT_EQ(ambiente.Nomi(), (std::set<std::string>{"Trave.slu", "Trave.slu.tmp", "altro.txt"}));
  }
  EXPECT_EQ(dialogo.Mostrati().size(), 1u);
}

TEST_F(ProgettoFileTest, SalvaNelFileApertoEAnnullaNonCambiaNulla) {
  std::filesystem::create_directory(ambiente.Percorso("altra"));
  FinestraProva finestra;
  finestra.dati = Sezione(0);
  platform::FileDialogScriptato dialogo;
  auto& p = ProgettoFile::Stato;
  // Save with no name yet: the save-as dialog proposes "*.slu"; a name typed
  // without extension gets it.
  dialogo.Accoda(ambiente.Percorso("altra/Trave"));
  ASSERT_TRUE(Generale::ApriSalvaFile(Generale::FileSalva, "Tramok", p.NomeFileProgetto,
                                      p.PercorsoProgetto, "slu", dialogo, finestra,
                                      "Tramok - File: "));
  ASSERT_EQ(dialogo.Mostrati().size(), 1u);
  EXPECT_EQ(dialogo.Mostrati()[0].FileName, "*.slu");
  EXPECT_EQ(dialogo.Mostrati()[0].FilterIndex, 2);
  EXPECT_TRUE(std::filesystem::exists(ambiente.Percorso("altra/Trave.slu")));
  EXPECT_EQ(dialogo.Mostrati()[0].Filter, "Tutti i Files (*.*)|*.*|Files Tramok (*.slu)|*.slu");
  EXPECT_EQ(p.NomeFileProgetto, "Trave");
  // The data folder moved by some other command: the save still goes to the file.
  Stato.CartellaDati = ambiente.Cartella();
  Stato.TitoloSezione = "secondo";
  ASSERT_TRUE(Generale::ApriSalvaFile(Generale::FileSalva, "Tramok", p.NomeFileProgetto,
                                      p.PercorsoProgetto, "slu", dialogo, finestra,
                                      "Tramok - File: "));
  EXPECT_EQ(dialogo.Mostrati().size(), 1u);
  EXPECT_FALSE(std::filesystem::exists(ambiente.Percorso("Trave.slu")));
  EXPECT_EQ(ambiente.Leggi("altra/Trave.slu").substr(0, 10), "\"secondo\",");

  // Read-only, it stays: "Salva" says so and asks for another name until one is free.
  std::filesystem::permissions(ambiente.Percorso("altra/Trave.slu"), std::filesystem::perms::owner_read);
  Stato.TitoloSezione = "terzo";
  dialogo.Accoda(ambiente.Percorso("altra/Trave.slu"));
  dialogo.Accoda(ambiente.Percorso("altra/Trave 2"));
  ASSERT_TRUE(Generale::ApriSalvaFile(Generale::FileSalva, "Tramok", p.NomeFileProgetto, p.PercorsoProgetto,
                                      "slu", dialogo, finestra, "Tramok - File: "));
  EXPECT_EQ(dialogo.Mostrati().size(), 3u);
  EXPECT_EQ(ambiente.Leggi("altra/Trave.slu").substr(0, 10), "\"secondo\",");
  EXPECT_EQ(ambiente.Leggi("altra/Trave 2.slu").substr(0, 8), "\"terzo\",");
  const std::string protetto =
      "Il file " + ambiente.Percorso("altra/Trave.slu") + " è di sola lettura e non viene sostituito.\r\n";
  EXPECT_EQ(ambiente.box.Testi(), (std::vector<std::string>{protetto + "Salvare il progetto con un altro nome.",
                                                             protetto + "Scegliere un altro nome."}));
  ambiente.box.Svuota();

  bool annullato = false;
  Generale::ApriSalvaFile(Generale::FileApri, "Tramok", p.NomeFileProgetto, p.PercorsoProgetto,
                          "slu", dialogo, finestra, "Tramok - File: ", "", &annullato);
  EXPECT_TRUE(annullato);
  EXPECT_EQ(p.NomeFileProgetto, "Trave 2");
  EXPECT_EQ(finestra.caption, "Tramok - File: Trave 2");
  EXPECT_EQ(Stato.TitoloSezione, "terzo");
  EXPECT_TRUE(ambiente.box.Mostrati().empty());
}

}  // namespace
