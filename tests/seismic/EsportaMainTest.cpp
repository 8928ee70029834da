// A column typed in the seismic window handed to the main window and
// verified there.
#include <gtest/gtest.h>

#include <QComboBox>
#include <QLineEdit>
#include <QTest>

#include "analysis/Correnti.h"
#include "app/FinestraMain.h"
#include "seismic/FrmSismica.h"
#include "seismic/StatoSismica.h"

namespace {

void Scrivi(QWidget& f, const char* nome, const QString& testo) {
  auto* box = f.findChild<QLineEdit*>(nome);
  box->selectAll();
  QTest::keyClicks(box, testo);
}

TEST(EsportaInMain, The400ColumnReachesTheGridsAndIsVerified) {
  Sismica::Stato = Sismica::StatoSismico{};
  VariabiliPubbliche::Correnti = VariabiliPubbliche::StatoCorrenti{};
  FinestraMain f;
  f.main->findChild<QAction*>("MnuSismica")->trigger();
  FrmSismica* s = FrmSismica::Aperta();
  ASSERT_NE(s, nullptr);
  Scrivi(*s, "PilastroTxt_0", "40");  // cm, the main window's unit
  Scrivi(*s, "PilastroTxt_1", "40");
  Scrivi(*s, "PilastroTxt_2", "4");
  Scrivi(*s, "PilastroTxt_3", "4");
  Scrivi(*s, "PilastroTxt_4", "4");
  s->findChild<QComboBox*>("ComboBarrePil_0")->setCurrentText("20");
  s->MemorizzaDatiSismica();
  VariabiliPubbliche::SezioneCorrente()->EsportainMain();

  EXPECT_EQ(f.C("txtRigheGriglia", 0).Text(), "4");
  EXPECT_EQ(f.C("txtRigheGriglia", 1).Text(), "12");
  EXPECT_EQ(f.main->FlexGrid(0).TextMatrix(1, 1), "20");
  EXPECT_EQ(f.main->FlexGrid(0).TextMatrix(3, 2), "-20");
  // Bar 1 top left, 3,14 cm2 at 4 cm from both faces.
  EXPECT_EQ(f.main->FlexGrid(1).TextMatrix(1, 1), "3,142");
  EXPECT_EQ(f.main->FlexGrid(1).TextMatrix(1, 2), "-16");
  EXPECT_EQ(f.main->FlexGrid(1).TextMatrix(1, 3), "16");
  s->close();

  f.Clic("btnCalcola");
  // Four bars of 20 in tension at fyd 391 on a lever arm near 0.3 m, and
  // the two middle rows, give roughly 150 to 250 kNm.
  const double Mu = std::abs(Generale::ValNumero(f.C("F_Mu", 0).Text()));
  EXPECT_GT(Mu, 150);
  EXPECT_LT(Mu, 250);
  EXPECT_EQ(f.main->FlexGrid(0).TextMatrix(1, 1), "20");
}

}  // namespace
