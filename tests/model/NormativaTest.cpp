#include <gtest/gtest.h>

#include "doppi/FinestreProva.h"
#include "model/VariabiliPubbliche.h"
#include "platform/MsgBoxScriptato.h"

using namespace VariabiliPubbliche;
using platform::Form;
using platform::FormInMemoria;
using Testi = std::vector<std::string>;

namespace {

Vettore<RigaAcciaio> Tabella(Testi designazioni) {
  Vettore<RigaAcciaio> t(1, static_cast<int>(designazioni.size()));
  for (int i = 1; i <= t.Ub(); ++i) t(i).Designazione = designazioni[static_cast<size_t>(i - 1)];
  return t;
}

// The main, materials and design windows open, with their menus; a steel
// table kept for each code.
class Normative : public ::testing::Test {
 protected:
  Normative() {
    CreaMenuNormativa(main_, 3);
    CreaMenuNormativa(progetto_, 2);
    CreaMenuNormativa(materiali_, 3);
    Stato.TabellaAcciaiNtc = Tabella({"Y1860C", "Y1770S7"});
    Stato.TabellaAcciaiDm96 = Tabella({"Treccia"});
    Stato.TabellaAcciaiEsistenti = Tabella({"Es. A", "Es. B", "Es. C"});
    Finestre::Aperte.Main = &main_;
    Stato.Fck = 30;
    Stato.FattoreConfidenza = {1.35f, 1.25f};
  }

  // Menu caption followed by the checked items.
  static Testi Menu(Form& f, int n) {
    Testi m{f.Controllo("NormativaMain").Caption()};
    for (int i = 0; i < n; ++i)
      if (f.Controllo("NormativaItem", i).Checked()) m.push_back(std::to_string(i));
    return m;
  }
  Testi Cavi() {
    platform::Control& c = main_.Controllo("CmbCavi");
    Testi v{c.Text()};
    for (int i = 0; i < c.ListCount(); ++i) v.push_back(c.List(i));
    return v;
  }
  static void FattoriSono(double gammaC, double epsSu, double alfaCC, double fcd) {
    EXPECT_DOUBLE_EQ(Stato.GammaC, gammaC);
    EXPECT_DOUBLE_EQ(Stato.EpsSu, epsSu);
    EXPECT_DOUBLE_EQ(Stato.AlfaCC, alfaCC);
    EXPECT_NEAR(Stato.Fcd, fcd, 1e-9);
  }

  StatoPulito pulito_;
  platform::MsgBoxScriptato box_;
  FormInMemoria main_{"Main"};
  FormInMemoria progetto_{"ProgettoSezione"};
  FormInMemoria materiali_{"Material"};
};

}  // namespace

TEST_F(Normative, MainMenuSetsFactorsMenuAndTendonTypesAndBack) {
  ScegliNormativa3(1, main_);
  FattoriSono(1.6, 0.01, 0.85, 18.75);  // fcd without alpha_cc: the handler applies it
  EXPECT_EQ(Menu(main_, 3), (Testi{"Normativa: DM 1996", "1"}));
  EXPECT_EQ(Cavi(), (Testi{"Tipo cavo", "Treccia"}));

  ScegliNormativa3(2, main_);
  FattoriSono(1.5, 0.0675, 1.0, 16);
  EXPECT_EQ(Menu(main_, 3), (Testi{"Normativa: NTC 2018 - Strutture esistenti", "2"}));
  EXPECT_EQ(Cavi(), (Testi{"Tipo cavo", "Es. A", "Es. B", "Es. C"}));

  ScegliNormativa3(0, main_);
  FattoriSono(1.5, 0.0675, 0.85, 20);
  EXPECT_DOUBLE_EQ(Stato.GammaS, 1.15);
  EXPECT_EQ(Menu(main_, 3), (Testi{"Normativa: NTC 2018", "0"}));
  EXPECT_EQ(Cavi(), (Testi{"Tipo cavo", "Y1860C", "Y1770S7"}));
  EXPECT_TRUE(box_.Mostrati().empty());
}

TEST_F(Normative, MaterialsMenuRefreshesItself) {
  ScegliNormativa3(2, materiali_);
  EXPECT_EQ(Menu(materiali_, 3), (Testi{"Normativa: NTC 2018 - Strutture esistenti", "2"}));
  EXPECT_EQ(Stato.TabellaAcciai, Stato.TabellaAcciaiEsistenti);
  EXPECT_EQ(Menu(main_, 3), Testi{""});  // the main window's menu is its own
}

TEST_F(Normative, UnknownCodeIsReportedAndKeepsTheCodeInForce) {
  ScegliNormativa3(2, main_);
  ScegliNormativa3(3, main_);
  EXPECT_EQ(box_.Testi(), Testi{"Normativa non prevista"});
  EXPECT_EQ(box_.Mostrati()[0].icona, platform::Icona::Critica);
  EXPECT_EQ(Stato.Normativa, 2);
  FattoriSono(1.5, 0.0675, 1.0, 16);
  EXPECT_EQ(Menu(main_, 3), (Testi{"Normativa: NTC 2018 - Strutture esistenti", "2"}));
  Stato.TabellaAcciaiEsistenti = Tabella({"Nuovo"});
  ScegliNormativa3(3, main_);
  EXPECT_EQ(Cavi(), (Testi{"Tipo cavo", "Nuovo"}));  // the steel refresh runs in every case
  // The main window's handler: alfa_cc enters fcd once, 0.85 x 30 / 1.5.
  ApplicaNormativa(0, main_);
  ApplicaNormativa(3, main_);
  ApplicaNormativa(3, main_);
  FattoriSono(1.5, 0.0675, 0.85, 17);
}

TEST_F(Normative, DesignMenuChangesOnlyGammaCAndEpsSu) {
  ScegliNormativa3(2, main_);
  Stato.GammaS = 1.0;
  ScegliNormativa2(1, progetto_);
  FattoriSono(1.6, 0.01, 1.0, 18.75);
  EXPECT_DOUBLE_EQ(Stato.GammaS, 1.0);
  EXPECT_EQ(Menu(progetto_, 2), (Testi{"Normativa: DM 1996", "1"}));
  EXPECT_EQ(Stato.TabellaAcciai, Stato.TabellaAcciaiEsistenti);  // the design menu keeps the steels

  // Code 2 is not on this menu: reported, code kept, fcd recomputed all the same.
  Stato.Fcd = 0;
  ScegliNormativa2(2, progetto_);
  EXPECT_EQ(box_.Testi(), Testi{"Normativa non prevista"});
  EXPECT_EQ(Stato.Normativa, 1);
  FattoriSono(1.6, 0.01, 1.0, 18.75);

  ScegliNormativa2(0, progetto_);
  FattoriSono(1.5, 0.0675, 1.0, 20);
  EXPECT_EQ(Menu(progetto_, 2), (Testi{"Normativa: NTC 2018", "0"}));
}

TEST_F(Normative, SteelRefreshKeepsTheTableWhenTheCodeHasNone) {
  Stato.TabellaAcciaiNtc = {};
  Stato.TabellaAcciai = Tabella({"T1", "T2"});
  AggiornaAcciaiNormativa();
  EXPECT_EQ(Cavi(), (Testi{"Tipo cavo", "T1", "T2"}));
  Finestre::Aperte.Main = nullptr;
  AggiornaAcciaiNormativa();
  EXPECT_EQ(Stato.TabellaAcciai.Conta(), 2);
}

TEST_F(Normative, ConcreteFormulasByCode) {
  Stato.Fck = 25;
  EXPECT_FLOAT_EQ(Fctm(), 2.5649639f);
  EXPECT_FLOAT_EQ(Ecm(), 31475.806f);
  Stato.Fck = 60;
  EXPECT_FLOAT_EQ(Fctm(), 4.3547423f);
  EXPECT_FLOAT_EQ(Ecm(), 39099.874f);
  Stato.Normativa = 2;
  Stato.Fck = 50.4;  // above 50: not 0.3 fck^(2/3) = 4.0933
  EXPECT_FLOAT_EQ(Fctm(), 4.07631f);
  Stato.Normativa = 1;
  EXPECT_FLOAT_EQ(Fctm(), 2.6068213f);  // from Rck = 30
  EXPECT_FLOAT_EQ(Ecm(), 31220.186f);
  EXPECT_TRUE(box_.Mostrati().empty());
  Stato.Normativa = 7;
  EXPECT_EQ(Fctm(), 0);
  EXPECT_EQ(Ecm(), 0);
  EXPECT_EQ(box_.Testi(), (Testi{"Normativa non prevista", "Normativa non prevista"}));
}

TEST_F(Normative, RedistributionRatioIsClampedAndUsesRoundedFck) {
  const std::pair<double, double> fckXi[] = {{30, 0}, {30, 0.3}, {30, 0.45}, {60, 0.2},
                                             {50.4, 0.2}, {50.5, 0.2}, {51.5, 0.2}};
  const float attesi[] = {0.7f, 0.815f, 1.0f, 0.79f, 0.7f, 0.7f, 0.79f};
  for (size_t i = 0; i < std::size(attesi); ++i) {
    Stato.Fck = fckXi[i].first;
    EXPECT_FLOAT_EQ(DeltaRidistribuzione(fckXi[i].second), attesi[i]) << "fck " << Stato.Fck;
  }
}
