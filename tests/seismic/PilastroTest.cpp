#include <gtest/gtest.h>

#include <cmath>

#include "AmbienteSismica.h"
#include "analysis/Correnti.h"
#include "doppi/SezioneProva.h"
#include "model/Formattazione.h"
#include "platform/ErroreEsecuzione.h"
#include "platform/FormInMemoria.h"

using Sismica::Pilastro;
using Sismica::Stato;

namespace {

// A 400 x 400 column, cover 40, 4 x 4 bars of 16 at the top, 4 x 3 of 20 at
// the bottom.
Pilastro Colonna() {
  Pilastro p;
  const float riga0[] = {400, 400, 40, 3000, 600, 150, 4, 4, 16, 100, 4, 3, 20, 80};
  for (int j = 1; j <= 14; ++j) p.SetMatriceSezionePilastro(0, j, riga0[j - 1]);
  return p;
}

Matrice<float> RecordStaffe(std::initializer_list<std::vector<float>> righe) {
  Matrice<float> staffe(1, static_cast<int>(righe.size()), 1, Pilastro::CampiStaffa);
  int i = 0;
  for (const auto& riga : righe) {
    ++i;
    for (size_t j = 0; j < riga.size(); ++j) staffe(i, static_cast<int>(j) + 1) = riga[j];
  }
  return staffe;
}

std::vector<float> Barre(const Vettore<float>& staffa) {
  std::vector<float> barre;
  for (int j = 2; j <= 9 && staffa(j) != 0; ++j) barre.push_back(staffa(j));
  return barre;
}

}  // namespace

TEST(Pilastro, AccessorsReadTheCurrentEnd) {
  Pilastro p = Colonna();
  EXPECT_EQ(p.nBarreBase(), 4);
  EXPECT_EQ(p.nBarreAltezza(), 4);
  EXPECT_EQ(p.fiBarrePilastro(), 16);
  EXPECT_EQ(p.StaffePassoCritico(), 100);
  p.SezioneInferiore = true;
  EXPECT_EQ(p.nBarreAltezza(), 3);
  EXPECT_EQ(p.fiBarrePilastro(), 20);
  EXPECT_EQ(p.StaffePassoCritico(), 80);
  EXPECT_EQ(p.fiBarrePilastroMin(), 16);
  EXPECT_EQ(p.CopriFerro(), 40);
  EXPECT_EQ(p.LunghezzaPilastro(), 3000);
  EXPECT_EQ(p.StaffePassoCentrale(), 150);
  // Whole numbers round half to even.
  p.SetMatriceSezionePilastro(0, 11, 2.5f);
  EXPECT_EQ(p.nBarreBase(), 2);
  p.SetMatriceSezionePilastro(0, 11, 3.5f);
  EXPECT_EQ(p.nBarreBase(), 4);
  p.SetMatriceSezionePilastro(0, 11, 40000);
  EXPECT_THROW(p.nBarreBase(), platform::ErroreEsecuzione);
  EXPECT_THROW(p.MatriceSezionePilastro(2, 1), std::out_of_range);
  EXPECT_THROW(p.MatriceSezionePilastro(0, 18), std::out_of_range);
  // A circular column always has its one hoop.
  p.TipoPilastro = 1;
  EXPECT_EQ(p.StaffeNumTot(), 1);
}

TEST(Pilastro, ACountOfZeroDropsOnlyTheCurrentEndsStirrups) {
  Pilastro p = Colonna();
  p.StaffeMemorizza(RecordStaffe({{8, 1, 4, 12, 9}}));
  p.SezioneInferiore = true;
  p.StaffeMemorizza(RecordStaffe({{8, 1, 4, 10, 7}, {8, 5, 6}}));
  EXPECT_EQ(p.StaffeNumTot(), 2);
  p.SetStaffeNumTot(0);
  EXPECT_EQ(p.StaffeCorrenti().Righe(), 0);
  p.SezioneInferiore = false;
  EXPECT_EQ(p.StaffeNumTot(), 1);
  EXPECT_EQ(p.StaffeCorrenti().Righe(), 1);
}

class MemorizzaPilastro : public ::testing::Test {
 protected:
  MemorizzaPilastro() {
    VariabiliPubbliche::Stato.UnitaLunghezza = "cm";
    const char* testi[] = {"40", "50", "4", "3", "4", "", "", "", "", "300", "60"};
    for (int i = 0; i < 11; ++i) finestra.Controllo("PilastroTxt", i).SetText(testi[i]);
    finestra.Controllo("ComboBarrePil", 0).SetText("18");
    finestra.Controllo("PilastroFrm", 1).SetVisible(false);
  }
  ~MemorizzaPilastro() override { VariabiliPubbliche::Stato = {}; }

  platform::FormInMemoria finestra{"FrmSismica"};
  Pilastro p = Colonna();
};

TEST_F(MemorizzaPilastro, BottomEndStoresOutlineAndItsOwnBars) {
  p.SezioneInferiore = true;
  p.StaffeMemorizza(RecordStaffe({{8, 1, 4, 10, 7}}));
  p.MemorizzaDatiPilastri(finestra);
  const float attesi[] = {400, 500, 40, 3000, 600, 150, 4, 4, 16, 100, 4, 3, 18, 80};
  for (int j = 1; j <= 14; ++j) EXPECT_EQ(p.MatriceSezionePilastro(0, j), attesi[j - 1]) << j;
  // Unchanged counts keep the stirrups; a changed count drops them.
  EXPECT_EQ(p.StaffeNumTot(), 1);
  finestra.Controllo("PilastroTxt", 3).SetText("4");
  p.MemorizzaDatiPilastri(finestra);
  EXPECT_EQ(p.StaffeNumTot(), 0);
  EXPECT_EQ(p.StaffeCorrenti().Righe(), 0);
}

TEST_F(MemorizzaPilastro, TopEndStoresOnlyItsBarsAndCountsBelowTwoBecomeTwo) {
  finestra.Controllo("PilastroTxt", 2).SetText("1");
  finestra.Controllo("PilastroTxt", 3).SetText("0");
  p.MemorizzaDatiPilastri(finestra);
  EXPECT_EQ(p.MatriceSezionePilastro(0, 1), 400);
  EXPECT_EQ(p.MatriceSezionePilastro(0, 2), 400);
  EXPECT_EQ(p.MatriceSezionePilastro(0, 7), 2);
  EXPECT_EQ(p.MatriceSezionePilastro(0, 8), 2);
  EXPECT_EQ(p.MatriceSezionePilastro(0, 9), 18);
  EXPECT_EQ(finestra.Controllo("PilastroTxt", 2).Text(), "2");
  EXPECT_EQ(finestra.Controllo("PilastroTxt", 3).Text(), "2");
  // Nothing is stored while the frame of the shape is hidden.
  finestra.Controllo("PilastroTxt", 2).SetText("5");
  finestra.Controllo("PilastroFrm", 0).SetVisible(false);
  p.MemorizzaDatiPilastri(finestra);
  EXPECT_EQ(p.MatriceSezionePilastro(0, 7), 2);
}

TEST_F(MemorizzaPilastro, CircularTopTakesTheBottomsHoop) {
  p.TipoPilastro = 1;
  finestra.Controllo("PilastroFrm", 1).SetVisible(true);
  finestra.Controllo("PilastroFrm", 0).SetVisible(false);
  const char* testi[] = {"8", "30", "10", "8", "4", "300", "90", "15"};
  const int indici[] = {5, 6, 7, 8, 11, 12, 15};
  for (int k = 0; k < 7; ++k) finestra.Controllo("PilastroTxt", indici[k]).SetText(testi[k]);
  finestra.Controllo("ComboBarrePil", 1).SetText("20");
  finestra.Controllo("ComboBarrePil", 2).SetText("10");
  p.SezioneInferiore = true;
  p.MemorizzaDatiPilastri(finestra);
  EXPECT_EQ(p.MatriceSezionePilastro(1, 1), 300);
  EXPECT_EQ(p.MatriceSezionePilastro(1, 12), 10);
  EXPECT_EQ(p.MatriceSezionePilastro(1, 13), 20);
  EXPECT_EQ(p.MatriceSezionePilastro(1, 14), 10);
  EXPECT_EQ(p.MatriceSezionePilastro(1, 17), 80);
  EXPECT_EQ(p.MatriceSezionePilastro(1, 8), 0);
  p.SezioneInferiore = false;
  finestra.Controllo("ComboBarrePil", 2).SetText("6");
  p.MemorizzaDatiPilastri(finestra);
  EXPECT_EQ(p.MatriceSezionePilastro(1, 6), 10);
  EXPECT_EQ(p.MatriceSezionePilastro(1, 8), 10);
  EXPECT_EQ(p.MatriceSezionePilastro(1, 11), 80);
  EXPECT_EQ(p.MatriceSezionePilastro(1, 14), 10);
}

TEST(GeometriaPilastro, BarsNumberedRowByRowAndPlacedOnTheGrid) {
  Pilastro p = Colonna();
  const std::vector<std::pair<int, int>> attese = {{1, 1}, {1, 2}, {1, 3}, {1, 4}, {2, 1}, {2, 4},
                                                   {3, 1}, {3, 4}, {4, 1}, {4, 2}, {4, 3}, {4, 4}};
  const auto posizioni = p.NumerazioneBarre();
  ASSERT_EQ(posizioni.size(), attese.size());
  for (size_t k = 0; k < attese.size(); ++k) {
    EXPECT_EQ(posizioni[k].Riga, attese[k].first) << k + 1;
    EXPECT_EQ(posizioni[k].Colonna, attese[k].second) << k + 1;
  }
  p.CoordinateBarre();
  EXPECT_EQ(p.nBarreTotale(), 12);
  // Steps of (400 - 80) / 3 between the bar rows and columns.
  const float passo = 320.0f / 3;
  EXPECT_FLOAT_EQ(p.xBarre()(1), -160);
  EXPECT_FLOAT_EQ(p.yBarre()(1), 160);
  EXPECT_FLOAT_EQ(p.xBarre()(3), -160 + 2 * passo);
  EXPECT_FLOAT_EQ(p.xBarre()(6), 160);
  EXPECT_FLOAT_EQ(p.yBarre()(6), 160 - passo);
  EXPECT_FLOAT_EQ(p.yBarre()(7), 160 - 2 * passo);
  EXPECT_FLOAT_EQ(p.xBarre()(12), 160);
  EXPECT_FLOAT_EQ(p.yBarre()(12), -160);
  EXPECT_FLOAT_EQ(p.AreeBarre()(5), 201.06193f);

  // 4 along b, 3 along h: 5 and 6 in the middle row.
  p.SezioneInferiore = true;
  p.CoordinateBarre();
  EXPECT_EQ(p.nBarreTotale(), 10);
  EXPECT_EQ(p.nBarreTotaleSup, 12);
  EXPECT_FLOAT_EQ(p.xBarre()(5), -160);
  EXPECT_FLOAT_EQ(p.yBarre()(5), 0);
  EXPECT_FLOAT_EQ(p.xBarre()(6), 160);
  EXPECT_FLOAT_EQ(p.xBarre()(7), -160);
  EXPECT_FLOAT_EQ(p.yBarre()(7), -160);
  EXPECT_FLOAT_EQ(p.AreeBarre()(1), 314.159265f);
}

// One bar along a side puts the bars on the axis; none gives no bars.
TEST(GeometriaPilastro, OneBarAlongASideNeverDividesByZero) {
  Pilastro p = Colonna();
  p.SetMatriceSezionePilastro(0, 7, 1);
  p.SetMatriceSezionePilastro(0, 8, 3);
  p.CoordinateBarre();
  ASSERT_EQ(p.nBarreTotale(), 3);
  for (int i = 1; i <= 3; ++i) EXPECT_EQ(p.xBarre()(i), 0);
  EXPECT_EQ(p.yBarre()(1), 160);
  EXPECT_EQ(p.yBarre()(2), 0);
  EXPECT_EQ(p.yBarre()(3), -160);
  p.SetMatriceSezionePilastro(0, 8, 1);
  p.CoordinateBarre();
  ASSERT_EQ(p.nBarreTotale(), 1);
  EXPECT_EQ(p.xBarre()(1), 0);
  EXPECT_EQ(p.yBarre()(1), 0);
  p.SetMatriceSezionePilastro(0, 7, 5);
  EXPECT_EQ(p.nBarreDati(), 5);
  p.SetMatriceSezionePilastro(0, 7, 0);
  EXPECT_EQ(p.nBarreDati(), 0);
  Vettore<float> staffa(1, 9);
  p.StaffaEsterna(staffa);
  EXPECT_TRUE(Barre(staffa).empty());
}

TEST(GeometriaPilastro, CircularBarsStartAtTheTopCounterClockwise) {
  Pilastro p;
  p.TipoPilastro = 1;
  p.SetMatriceSezionePilastro(1, 1, 300);
  p.SetMatriceSezionePilastro(1, 2, 40);
  p.SetMatriceSezionePilastro(1, 6, 6);
  p.SetMatriceSezionePilastro(1, 7, 16);
  p.CoordinateBarre();
  ASSERT_EQ(p.nBarreTotale(), 6);
  EXPECT_NEAR(p.xBarre()(1), 0, 1e-4);
  EXPECT_FLOAT_EQ(p.yBarre()(1), 260);
  // 60 degrees on from the top, to the left.
  EXPECT_FLOAT_EQ(p.xBarre()(2), -260 * std::sqrt(3.0f) / 2);
  EXPECT_FLOAT_EQ(p.yBarre()(2), 130);
  EXPECT_NEAR(p.yBarre()(4), -260, 1e-4);
}

TEST(GeometriaPilastro, StandardHoopAndInnerStirrup) {
  Pilastro p = Colonna();
  Vettore<float> staffa(1, 9);
  staffa(9) = 99;
  p.StaffaEsterna(staffa);
  EXPECT_EQ(Barre(staffa), (std::vector<float>{1, 4, 12, 9}));
  p.StaffaInterna(staffa);
  EXPECT_EQ(Barre(staffa), (std::vector<float>{2, 3, 6, 8, 11, 10, 7, 5}));
  // 3 x 3: one bar per side, a diamond.
  p.SetMatriceSezionePilastro(0, 7, 3);
  p.SetMatriceSezionePilastro(0, 8, 3);
  p.StaffaInterna(staffa);
  EXPECT_EQ(Barre(staffa), (std::vector<float>{2, 5, 7, 4}));
  p.StaffaEsterna(staffa);
  EXPECT_EQ(Barre(staffa), (std::vector<float>{1, 3, 8, 6}));
}

TEST(StaffePilastro, RecordsThatCannotBeStoredAreNamed) {
  Pilastro p = Colonna();  // 12 bars at the top
  const struct {
    std::vector<float> record;
    std::string errore;
  } casi[] = {
      {{8, 1, 4, 12, 9}, ""},
      {{8, 1, 0}, "Errore nella staffa 1: La staffa deve congiungere almeno due punti"},
      {{3, 1, 2}, "Errore nella staffa 1: Diametro = 3"},
      {{8, 1, 1, 5}, "Errore nella staffa 1: Due vertici coincidenti"},
      {{8, 1, 4, 13}, "Errore nella staffa 1: la barra 13 non esiste"},
      {{8, 1, 4, -3}, "Errore nella staffa 1: la barra -3 non esiste"},
      {{8, 1, 2.5f},
       "Errore nella staffa 1: la barra 2" + std::string(Formattazione::SeparatoreDecimale()) +
           "5 non esiste"},
  };
  for (const auto& caso : casi)
    EXPECT_EQ(p.ErroreStaffa(RecordStaffe({caso.record}), 1), caso.errore) << caso.errore;
  EXPECT_EQ(p.ErroreStaffa(RecordStaffe({{8, 1, 4}, {8, 5, 0, 6}}), 2),
            "Errore nella staffa 2: La staffa deve congiungere almeno due punti");
}

// The section handed to the bending and shear checks carries the top end's
// design moments about x and about y.
TEST(GeometriaPilastro, CurrentSectionBuiltFromTheCurrentEnd) {
  AmbienteSismica ambiente;
  Stato.NEdSismica = 680000;
  Stato.MEdSuperiore = {150e6, 50e6};
  Stato.MEdInferiore = {120e6, 40e6};
  Pilastro& p = Stato.PilastroCorrente;
  p = Colonna();
  p.CoordinatePilastro();
  std::shared_ptr<SezioneCA> sezione = VariabiliPubbliche::SezioneCorrente();
  EXPECT_EQ(sezione->CoordX(), (Vettore<double>{200, -200, -200, 200}));
  EXPECT_EQ(sezione->CoordY(), (Vettore<double>{200, 200, -200, -200}));
  EXPECT_EQ(SezioneProva::xBarre(*sezione), p.xBarre());
  EXPECT_EQ(SezioneProva::N(*sezione)[0], 680000);
  EXPECT_EQ(SezioneProva::Mx(*sezione)[0], 150e6);
  EXPECT_EQ(SezioneProva::My(*sezione)[0], 50e6);

  p.TipoPilastro = 1;
  p.SetMatriceSezionePilastro(1, 1, 300);
  VariabiliPubbliche::Stato.NumeroVerticiCerchio = 12;
  p.CoordinatePilastro();
  EXPECT_NE(VariabiliPubbliche::SezioneCorrente(), sezione);
  sezione = VariabiliPubbliche::SezioneCorrente();
  ASSERT_EQ(sezione->CoordX().Conta(), 12);
  EXPECT_NEAR(sezione->CoordX()(1), 0, 1e-9);
  EXPECT_NEAR(sezione->CoordY()(1), 300, 1e-9);
  // Clockwise: the second vertex 30 degrees to the right of the top.
  EXPECT_NEAR(sezione->CoordX()(2), 150, 1e-9);
  EXPECT_NEAR(sezione->CoordY()(2), 300 * std::sqrt(3.0) / 2, 1e-9);
  EXPECT_EQ(sezione->xPtoCalcoloM, 0);
  EXPECT_EQ(sezione->yPtoCalcoloM, 0);
}
