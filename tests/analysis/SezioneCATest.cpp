#include <gtest/gtest.h>

#include "doppi/SezioneProva.h"
#include "analysis/Correnti.h"
#include "doppi/FinestreProva.h"
#include "doppi/MainProva.h"

using Coppia = std::array<double, 2>;

namespace {

class Sezione : public ::testing::Test {
 protected:
  // 300 x 500 with two bars at the bottom and one tendon.
  Sezione() {
    Rettangolo(*s_.Contorno, 300, 500);
    s_.BarreDati(2, {-100, 100}, {-200, -200}, {314, 314}, RapportiN, 1, {0}, {-150}, {140},
                 {1200});
  }
  void Nulla() {
    s_.BarreDati(0, Nessuno, Nessuno, Nessuno, RapportiN, 0, Nessuno, Nessuno, Nessuno, Nessuno);
  }

  StatoPulito pulito_;
  SezioneCA s_;
};

}  // namespace

TEST_F(Sezione, SeismicActionsChangeOnlyTheUltimateSet) {
  s_.Sollecitazioni({1000, 2000}, {3e6, 4e6}, {5e6, 6e6});
  s_.SollecitazioniSismica(-500, 7e6, 8e6);
  EXPECT_EQ(SezioneProva::N(s_), (Coppia{-500, 2000}));
  EXPECT_EQ(SezioneProva::Mx(s_), (Coppia{7e6, 4e6}));
}

TEST_F(Sezione, TendonArraysStartWithoutStrainAndOutliveACallWithNone) {
  EXPECT_EQ(SezioneProva::EpsIniziali(s_), (Vettore<double>{0}));
  SezioneProva::EpsIniziali(s_)(1) = 0.006;
  Nulla();
  EXPECT_EQ(SezioneProva::nCavi(s_), 0);
  EXPECT_EQ(SezioneProva::xBarre(s_), (Vettore<float>{-100, 100}));
  EXPECT_EQ(SezioneProva::Precompressione(s_), (Vettore<float>{1200}));
  EXPECT_EQ(SezioneProva::EpsIniziali(s_), (Vettore<double>{0.006}));
  // A short source throws and changes nothing.
  EXPECT_THROW(s_.BarreDati(3, {1, 2}, {1, 2}, {1, 2}, RapportiN, 0, Nessuno, Nessuno, Nessuno,
                            Nessuno),
               std::out_of_range);
  EXPECT_EQ(SezioneProva::xBarre(s_), (Vettore<float>{-100, 100}));
}

TEST_F(Sezione, WhollyReactingSectionIsANewCopy) {
  SezioneProva::EpsIniziali(s_)(1) = 0.006;
  const auto a = s_.CreaSezioneCaInteramenteReagente();
  const auto b = s_.CreaSezioneCaInteramenteReagente();
  EXPECT_NE(a, b);
  EXPECT_DOUBLE_EQ(a->Area, 150000 + 15 * 628 + 6 * 140);
  EXPECT_EQ(SezioneProva::Precompressione(*a), (Vettore<float>{1200}));
  EXPECT_EQ(SezioneProva::EpsIniziali(*a), (Vettore<double>{0.006}));
  Rettangolo(*a->Contorno, 10, 10);
  EXPECT_DOUBLE_EQ(s_.CoordX()(1), 150);
  EXPECT_DOUBLE_EQ(b->CoordX()(1), 150);
  // A polygon given to the section becomes its outline.
  auto p = std::make_shared<Poligono>();
  s_.SetPoligono(p);
  EXPECT_TRUE(s_.AreaNulla());
  EXPECT_EQ(s_.Poligono(), p);
}

TEST_F(Sezione, ExportIntoTheMainWindowAsCoordinates) {
  MainProva main;
  SismicaProva sismica;
  Finestre::Aperte.Main = &main;
  Finestre::Aperte.Sismica = &sismica;
  s_.EsportainMain();
  EXPECT_EQ(main.clic, (std::vector<std::pair<int, int>>{{5, 1}}));
  ASSERT_EQ(sismica.vertici.size(), 1u);
  EXPECT_EQ(sismica.vertici[0].n, 4);
  EXPECT_EQ(sismica.vertici[0].x, (Vettore<double>{150, -150, -150, 150}));
  ASSERT_EQ(sismica.barre.size(), 1u);
  EXPECT_EQ(sismica.barre[0].n, 2);
  EXPECT_EQ(sismica.barre[0].y, (Vettore<float>{-200, -200}));
  EXPECT_EQ(sismica.barre[0].aree, (Vettore<float>{314, 314}));
  // A main window that is only its controls is passed over; the grids are still written.
  platform::FormInMemoria soloControlli{"Main"};
  Finestre::Aperte.Main = &soloControlli;
  s_.EsportainMain();
  EXPECT_EQ(sismica.barre.size(), 2u);
  EXPECT_EQ(main.clic.size(), 1u);
}

TEST(Correnti, CurrentSectionCreatedOnFirstReferenceAndDropped) {
  VariabiliPubbliche::Correnti = {};
  const auto prima = VariabiliPubbliche::SezioneCorrente();
  EXPECT_EQ(VariabiliPubbliche::SezioneCorrente(), prima);
  prima->hTesto = 25;
  VariabiliPubbliche::ScartaSezioneCorrente();
  const auto nuova = VariabiliPubbliche::SezioneCorrente();
  EXPECT_NE(nuova, prima);
  EXPECT_EQ(nuova->hTesto, 0);
  EXPECT_EQ(prima->hTesto, 25);  // whoever held the old one still has it
  VariabiliPubbliche::Correnti = {};
}
