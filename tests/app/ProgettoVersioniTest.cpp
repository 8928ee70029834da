// Project files of every older layout, written by hand record by record in
// tests/app/fixtures, read into the program state and opened in the main
// window. Each starts from a previous project whose values differ from both
// the file's and the defaults, so a record that was not read shows.
#include <gtest/gtest.h>

#include <functional>

#include "AmbienteFile.h"
#include "FinestraConDialogo.h"
#include "app/GeneraleFile.h"
#include "app/ProgettoFile.h"
#include "model/VariabiliPubbliche.h"
#include "seismic/StatoSismica.h"

namespace {

using ProgettoFile::DatiFinestra;
using VariabiliPubbliche::Stato;

struct Casella {
  std::string nome;
  int indice;
  std::string testo;
};

struct Cella {
  int griglia, riga, colonna;
  std::string testo;
};

struct Layout {
  std::string versione;
  int tipo;
  std::string titolo;
  std::string unita;
  DatiFinestra dati;  // actions in kN and kNm, row counts
  int righeAzioniMN;
  double fcd;          // fcd x alfa_cc before "7.0"
  double epsC2;        // from "7.6"
  float fattoreCls;    // confidence factor of concrete, from "7.8"
  std::string siglaCavi;
  float sigmaCavi, rapportoNCavi;  // from "6.0"
  int normativa;
  float cotTeta, roL;
  std::string titoloSismica;  // the seismic block from "6.2"
  double nEd;                 // N
  int barrePilastro;
  std::function<void()> altro;  // what only this file holds
  std::vector<Casella> caselle;  // the window in its unit
  std::vector<Cella> celle;
};

// The project in memory before each file is read.
void ProgettoPrecedente() {
  Stato.Normativa = 0;
  Stato.CotTeta = 2.2f;
  Stato.MinimizzaStaffe = 1;
  Stato.RoL = 0.05f;
  Stato.EpsC2 = 0.0025;
  Stato.FattoreConfidenza = {1.1f, 1.15f};
  Stato.SiglaAcciaio[1] = "Trefolo";
  Stato.SigmaSAmm[1] = 170;
  Stato.RapportoN[1] = 7;
  Stato.Precompresso = true;
  Stato.AzioniDominioMN.ReDim(1, 3, 1, 2);
  Stato.AzioniDominioMN(3, 2) = 99;
  Sismica::Stato.TitoloSismica = "vecchio";
  Sismica::Stato.NEdSismica = 1;
  Sismica::Stato.FattoreStrutturaQ0 = 2;
  Sismica::Stato.PilastroCorrente.TipoPilastro = 1;
  Sismica::Stato.PilastroCorrente.SetMatriceSezionePilastro(1, 6, 9);
}

const Sismica::Pilastro& Colonna() { return Sismica::Stato.PilastroCorrente; }

const std::vector<Layout>& Layouts() {
  static const std::vector<Layout> t = {
      {"5.3", 2, "Trave a rettangoli 5.3", "cm",
       {{180, 120}, {210.5, 140}, {0, 0}, {40, 25}, 2, 2, 0},
       1, 15.87 * 0.85, 0.0025, 1.15f, "Trefolo", 170, 7, 1, 1, 0.02f, "", 0, 0,
       [] {
         EXPECT_FALSE(Stato.Precompresso);
         EXPECT_EQ(Stato.MatriceFigure(2, 2), 450);
         EXPECT_EQ(Stato.MatriceBarre(2, 2), 560);
         EXPECT_FLOAT_EQ(Stato.LunghezzaL0, 2500);
         EXPECT_EQ(Stato.PuntoApplicazioneN, 1);
         EXPECT_EQ(Stato.GammaC, 1.6);
         EXPECT_EQ(Stato.SigmaSAmm[0], 215);
         EXPECT_FLOAT_EQ(Stato.TauC1, 1.97f);
         EXPECT_EQ(Stato.VisTensioniBarre, 1);
         EXPECT_EQ(Stato.VisTensioniCls, 1);
         EXPECT_FLOAT_EQ(Stato.PassoArrotondamento[1], 10);
         EXPECT_EQ(Stato.RigheFiDiametro[1], 14);
         EXPECT_EQ(Stato.DiametriAutomatici, 1);
         // Stored three times: the last record read wins.
         EXPECT_EQ(Stato.DimensioneFissa, 2);
         EXPECT_EQ(Stato.GancioStaffe, 1);
         EXPECT_FALSE(Stato.SenzaStaffe);
       },
       {{"F_N", 0, "180"}, {"F_Mxsd", 0, "210,5"}, {"F_L0", platform::SenzaIndice, "250"}},
       {{0, 1, 1, "40"}, {0, 2, 2, "45"}, {1, 2, 2, "56"}}},
      {"6.1", 3, "Trave precompressa 6.1", "mm",
       {{250, 150}, {-180.5, -100}, {0, 0}, {0, 0}, 1, 2, 1},
       1, 22.67 * 0.85, 0.0025, 1.15f, "Y1860", 180, 5, 1, 1, 0.02f, "", 0, 0,
       [] {
         EXPECT_TRUE(Stato.Precompresso);
         Matrice<double> figure(1, 1, 1, 3);
         figure(1, 1) = 500;
         figure(1, 2) = 200;
         figure(1, 3) = 800;
         EXPECT_EQ(Stato.MatriceFigure, figure);
         // Tendon rows of "6.1" carry their prestress.
         EXPECT_EQ(Stato.MatriceCavi(1, 1), 556);
         EXPECT_EQ(Stato.MatriceCavi(1, 3), 1100);
         EXPECT_EQ(Stato.Fyd[1], 1450);
         EXPECT_EQ(Stato.TipoVerifica, 2);
         EXPECT_EQ(Stato.VisTensioniBarre, 0);
         EXPECT_EQ(Stato.VisTensioniCls, 1);
         EXPECT_EQ(Stato.VisAssiNeutri, 1);
         EXPECT_TRUE(Stato.SenzaStaffe);
         EXPECT_EQ(Stato.DiametroMassimo, 26);
       },
       {{"F_Mxsd", 0, "-180,5"}, {"F_nome_acc", 1, "Y1860"}},
       {{0, 1, 3, "800"}, {2, 1, 3, "1100"}}},
      {"6.2", 4, "Pilastro circolare 6.2", "cm",
       {{1200, 800}, {95, 60}, {-60, -40}, {20, 0}, 0, 0, 0},
       1, 17 * 0.85, 0.0025, 1.15f, "Y1860", 0, 6, 1, 1, 0.02f, "Pilastro P1", 1200000, 8,
       [] {
         EXPECT_EQ(Stato.DatiSezioneCircolare, (std::array<float, 5>{250, 8, 20, 40, 0}));
         EXPECT_EQ(Stato.NumeroVerticiCerchio, 60);
         EXPECT_FLOAT_EQ(Stato.AngoloFlessione, 30);
         EXPECT_EQ(Stato.TipoFlessione, 1);
         const auto& s = Sismica::Stato;
         EXPECT_EQ(s.DuttilitaMedia, 1);
         EXPECT_TRUE(s.PilastroDiBase);
         EXPECT_EQ(s.PilastroPrimiDuePiani, -1);
         EXPECT_EQ(s.DuttilitaCurvaturaInf, -1);
         EXPECT_EQ(s.FattoreStrutturaQ0, 3.9);
         EXPECT_FLOAT_EQ(s.PeriodoT1, 0.5f);
         EXPECT_EQ(s.DuttilitaCurvaturaSup, 7.2);
         EXPECT_FLOAT_EQ(s.RapportoMomentiInf, 1.2f);
         EXPECT_EQ(s.DueTerziQ0Inf, 1);
         EXPECT_EQ(s.MEdSuperiore[0], 150e6);
         EXPECT_EQ(Colonna().TipoPilastro, 1);
         EXPECT_EQ(Colonna().MatriceSezionePilastro(1, 17), 80);
       },
       {{"RaggioTxt", 0, "25"}, {"RaggioTxt", 3, "4"}, {"F_Vertici", platform::SenzaIndice, "60"},
        {"F_L0", platform::SenzaIndice, "320"}},
       {}},
      {"6.5", 5, "Sezione a L 6.5", "cm",
       {{320, 0}, {40.5, 0}, {-22, 0}, {12.5, 8}, 6, 3, 0},
       3, 18.13 * 0.85, 0.0025, 1.15f, "Y1860", 0, 6, 1, 1, 0.02f, "Setto S2", 650000, 10,
       [] {
         EXPECT_EQ(Stato.MatriceFigure(3, 1), 400);
         EXPECT_EQ(Stato.MatriceFigure(3, 2), 150);
         EXPECT_EQ(Stato.MatriceBarre(2, 2), 350);
         EXPECT_EQ(Stato.MatriceBarre(2, 3), 100);
         EXPECT_EQ(Stato.AzioniDominioMN(1, 2), 40.5f);
         EXPECT_EQ(Stato.AzioniDominioMN(3, 1), -100);
         EXPECT_EQ(Stato.PuntoApplicazioneN, 2);
         EXPECT_EQ(Stato.XN, 200);
         EXPECT_EQ(Stato.YN, 250);
         EXPECT_TRUE(Stato.ClsReagenteTrazione);
         EXPECT_EQ(Stato.TipoVerifica, 1);
         EXPECT_FLOAT_EQ(Stato.GammaAzioni, 1.4f);
         EXPECT_EQ(Stato.TipoVerificaProgetto, 1);
         const auto& s = Sismica::Stato;
         EXPECT_EQ(s.ElementoSetto, 1);
         EXPECT_EQ(Stato.NormativaSismica, 1);
         EXPECT_EQ(s.DueTerziQ0Sup, 1);
         EXPECT_TRUE(s.PilastroMensola);
         EXPECT_EQ(s.ValoriRiservatiSismica, (std::array<double, 4>{1.5, 2.5, 0, 0}));
         EXPECT_EQ(s.MEdSuperiore[1], 20e6);
         EXPECT_EQ(s.MEdInferiore[1], 10e6);
         EXPECT_EQ(Colonna().TipoPilastro, 0);
         EXPECT_EQ(Colonna().MatriceSezionePilastro(0, 2), 500);
         EXPECT_EQ(Colonna().StaffeCorrenti().Righe(), 0);
       },
       {{"F_xN", 0, "20"}, {"F_xN", 1, "25"}, {"F_N", 0, "320"}},
       {{0, 3, 1, "40"}, {0, 3, 2, "15"}, {0, 5, 2, "50"}}},
      {"7.0", 1, "Trave a T 7.0", "mm",
       {{0, 0}, {350, 230}, {0, 0}, {95, 60}, 2, 2, 0},
       1, 14.17, 0.0025, 1.15f, "Y1860", 0, 6, 2, 1.8f, 0.015f, "", 0, 0,
       [] {
         EXPECT_EQ(Stato.MatriceFigure(1, 1), 800);
         EXPECT_EQ(Stato.MatriceFigure(2, 2), 450);
         EXPECT_EQ(Stato.MatriceBarre(1, 1), 1520);
         EXPECT_EQ(Stato.AzioniDominioMN(1, 2), 350);
         EXPECT_EQ(Stato.MinimizzaStaffe, 0);
         EXPECT_EQ(Sismica::Stato.FattoreStrutturaQ0, 5.85);
         EXPECT_EQ(Colonna().TipoPilastro, 0);
       },
       {{"F_Mxsd", 0, "350"}, {"F_Mxsd", 1, "230"}},
       {{0, 1, 1, "800"}, {0, 2, 2, "450"}, {1, 2, 2, "40"}}},
      {"7.6", 0, "Trave è 20° 7.6", "cm",
       {{120, 80}, {260, 170}, {0, 0}, {110, 70}, 1, 3, 0},
       0, 25.5, 0.0022, 1.15f, "Y1860", 0, 6, 1, 1.5f, 0.01f, "Pilastro P7", 900000, 8,
       [] {
         EXPECT_EQ(Stato.MatriceBarre(3, 1), 226);
         EXPECT_EQ(Stato.MatriceBarre(3, 2), 300);
         // A count of 0 reads no acting points, and writes 0 back.
         EXPECT_FALSE(Stato.AzioniDominioMN.Dimensionata());
         EXPECT_EQ(Stato.MinimizzaStaffe, 1);
         EXPECT_EQ(Stato.NormativaSismica, 1);
         EXPECT_EQ(Sismica::Stato.DuttilitaCurvaturaSup, -1);
         EXPECT_EQ(Sismica::Stato.MEdInferiore[1], 40e6);
         Sismica::Pilastro colonna = Colonna();
         ASSERT_EQ(colonna.StaffeCorrenti().Righe(), 1);
         EXPECT_EQ(Sismica::Pilastro::BarreStaffa(colonna.StaffeCorrenti(), 1),
                   (std::vector<int>{1, 3, 5, 7}));
         colonna.SezioneInferiore = true;
         ASSERT_EQ(colonna.StaffeCorrenti().Righe(), 2);
         EXPECT_EQ(colonna.StaffeCorrenti()(2, 1), 10);
         EXPECT_EQ(Sismica::Pilastro::BarreStaffa(colonna.StaffeCorrenti(), 2),
                   (std::vector<int>{2, 6}));
       },
       {{"txtTitolo", platform::SenzaIndice, "Trave è 20° 7.6"},
        {"F_L0", platform::SenzaIndice, "400"},
        {"F_eps_cu", 1, "2,2"}},
       {{0, 1, 2, "60"}, {1, 3, 2, "30"}}},
      {"7.8", 4, "Palo cavo 7.8", "mm",
       {{500, 300}, {60, 40}, {30, 20}, {0, 0}, 0, 0, 2},
       2, 16.53, 0.002, 1.35f, "Y1860", 180, 6, 2, 2.5f, 0.01f, "Palo", 2500000, 12,
       [] {
         EXPECT_TRUE(Stato.Precompresso);
         EXPECT_EQ(Stato.DatiSezioneCircolare, (std::array<float, 5>{400, 12, 16, 50, 250}));
         EXPECT_EQ(Stato.MatriceCavi(2, 3), -300);
         EXPECT_EQ(Stato.MatriceCavi(2, 4), 1200);
         EXPECT_EQ(Stato.AzioniDominioMN(2, 1), 800);
         EXPECT_FLOAT_EQ(Stato.FattoreConfidenza[0], 1.2f);
         EXPECT_EQ(Stato.Fyd[1], 1500);
         EXPECT_EQ(Stato.NumeroVerticiCerchio, 72);
         EXPECT_EQ(Stato.VisRettangoli, 1);
         EXPECT_EQ(Stato.VisAssi, 0);
         const auto& s = Sismica::Stato;
         EXPECT_EQ(s.ValoriRiservatiSismica, (std::array<double, 4>{0.25, 0.5, 0.75, 1}));
         EXPECT_FLOAT_EQ(s.RapportoMomentiSup, 1.3f);
         EXPECT_EQ(Colonna().Spirale, 1);
         EXPECT_EQ(Colonna().MatriceSezionePilastro(1, 8), 10);
       },
       {{"RaggioTxt", 0, "400"}, {"RaggioTxt", 4, "250"}, {"F_Vertici", platform::SenzaIndice, "72"},
        {"F_MySd", 1, "20"}},
       {{2, 2, 3, "-300"}, {2, 2, 4, "1200"}}},
  };
  return t;
}

std::string Fixture(const Layout& l) { return "progetto-" + l.versione + ".slu"; }

void ControllaStato(const Layout& l, const DatiFinestra& dati) {
  EXPECT_EQ(ProgettoFile::Stato.VersioneFileLetto, l.versione);
  EXPECT_EQ(Stato.TipoSezione, l.tipo);
  EXPECT_EQ(Stato.TitoloSezione, l.titolo);
  EXPECT_EQ(Stato.UnitaLunghezza, l.unita);
  EXPECT_EQ(dati, l.dati);
  // Shears come in kN, the program holds N.
  EXPECT_FLOAT_EQ(Stato.AzioneV[0], static_cast<float>(l.dati.VForm[0] * 1000));
  EXPECT_FLOAT_EQ(Stato.AzioneV[1], static_cast<float>(l.dati.VForm[1] * 1000));
  const Matrice<float>& azioni = Stato.AzioniDominioMN;
  EXPECT_EQ(azioni.Dimensionata() ? azioni.Righe() : 0, l.righeAzioniMN);
  // Files without acting points leave one zero row, not the previous ones.
  if (l.versione < "6.5") {
    EXPECT_EQ(Stato.AzioniDominioMN, (Matrice<float>(1, 1, 1, 2)));
  }
  EXPECT_NEAR(Stato.Fcd, l.fcd, 1e-9);
  EXPECT_EQ(Stato.EpsC2, l.epsC2);
  EXPECT_FLOAT_EQ(Stato.FattoreConfidenza[1], l.fattoreCls);
  EXPECT_EQ(Stato.SiglaAcciaio[1], l.siglaCavi);
  EXPECT_FLOAT_EQ(Stato.SigmaSAmm[1], l.sigmaCavi);
  EXPECT_FLOAT_EQ(Stato.RapportoN[1], l.rapportoNCavi);
  EXPECT_EQ(Stato.Normativa, l.normativa);
  EXPECT_FLOAT_EQ(Stato.CotTeta, l.cotTeta);
  EXPECT_FLOAT_EQ(Stato.RoL, l.roL);
  EXPECT_EQ(Sismica::Stato.TitoloSismica, l.titoloSismica);
  EXPECT_EQ(Sismica::Stato.NEdSismica, l.nEd);
  EXPECT_EQ(Colonna().nBarreTotaleSup, l.barrePilastro);
  EXPECT_FALSE(Colonna().SezioneInferiore);
  if (l.versione < "6.2") {
    EXPECT_EQ(Sismica::Stato.FattoreStrutturaQ0, 5.85);
    EXPECT_EQ(Colonna().MatriceSezionePilastro(1, 6), 0);
  }
  l.altro();
}

TEST(ProgettoVersioni, OgniLayoutLettoNelloStatoDelleSueRighe) {
  for (const Layout& l : Layouts()) {
    SCOPED_TRACE(l.versione);
    AmbienteFile ambiente;
    Sismica::Stato = Sismica::StatoSismico{};
    ProgettoFile::Stato = ProgettoFile::StatoProgetto{};
    ProgettoPrecedente();
    ambiente.CopiaFixture(Fixture(l), "p.slu");
    DatiFinestra dati{{7, 7}, {7, 7}, {7, 7}, {7, 7}, 9, 9, 9};
    Generale::FileDati file = Generale::FileDati::ApriLettura(ambiente.Percorso("p.slu"));
    ASSERT_TRUE(ProgettoFile::Legge(file, dati));
    EXPECT_TRUE(ambiente.box.Mostrati().empty());
    ControllaStato(l, dati);
    Sismica::Stato = Sismica::StatoSismico{};
  }
}

// Opened with "Apri", the window shows each file in its own unit.
TEST(ProgettoVersioni, OgniLayoutApertoNellaFinestra) {
  for (const Layout& l : Layouts()) {
    SCOPED_TRACE(l.versione);
    FinestraConDialogo f;
    f.ambiente.CopiaFixture(Fixture(l), "p.slu");
    f.dialogo->Accoda(f.ambiente.Percorso("p.slu"));
    f.ambiente.box.Svuota();
    f.main->MnuFileItem_Click(1);
    EXPECT_EQ(f.ambiente.box.Testi(), std::vector<std::string>{});
    EXPECT_EQ(f.main->windowTitle().toStdString(), f.main->FormCaption + "p");
    EXPECT_EQ(Stato.TipoSezione, l.tipo);
    EXPECT_EQ(f.C("OpTipoSezione", l.tipo).Value(), 1);
    EXPECT_EQ(f.C("txtRigheGriglia", 0).Text(), std::to_string(l.dati.nFigureForm));
    EXPECT_EQ(f.C("txtRigheGriglia", 1).Text(), std::to_string(l.dati.nBarreForm));
    EXPECT_EQ(f.C("txtRigheGriglia", 2).Text(), std::to_string(l.dati.nCaviForm));
    EXPECT_EQ(f.C("chkPrecompresso").Value(), Stato.Precompresso ? 1 : 0);
    EXPECT_TRUE(f.C("NormativaItem", l.normativa).Checked());
    for (const Casella& c : l.caselle) EXPECT_EQ(f.C(c.nome, c.indice).Text(), c.testo) << c.nome;
    for (const Cella& c : l.celle)
      EXPECT_EQ(f.main->FlexGrid(c.griglia).TextMatrix(c.riga, c.colonna), c.testo)
          << c.griglia << " " << c.riga << " " << c.colonna;
  }
}

}  // namespace
