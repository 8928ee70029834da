#include <gtest/gtest.h>

#include <QPushButton>
#include <QTextBlock>

#include "AppQt.h"
#include "platform/qt/ApplicazioneQt.h"
#include "platform/qt/CasellaMultirigaQt.h"
#include "platform/qt/CasellaTestoQt.h"

using namespace platform;

TEST(CasellaTestoQt, SelectionAndPlaceAsTheProgramSetsThem) {
  AppQt();
  CasellaTestoQt casella;
  casella.SetText("12,50");
  EXPECT_EQ(casella.SelStart(), 0);
  casella.SetSelLength(100);
  EXPECT_EQ(casella.SelLength(), 5);
  EXPECT_EQ(casella.SelStart(), 0);
  casella.SetSelStart(1000);
  EXPECT_EQ(casella.SelStart(), 5);
  EXPECT_EQ(casella.SelLength(), 0);
  casella.SetSelStart(1);
  casella.SetSelLength(2);
  EXPECT_EQ(casella.selectedText(), "2,");
  EXPECT_EQ(casella.SelStart(), 1);

  casella.Move(1500, 300, 960, 301);
  EXPECT_EQ(casella.geometry(), QRect(100, 20, 64, 20));
  EXPECT_EQ(casella.Left(), 1500);
  EXPECT_EQ(casella.Height(), 300);
  casella.SetVisible(false);
  EXPECT_FALSE(casella.Visible());
}

TEST(CasellaMultirigaQt, ShowsTheProgramsLinesAndGivesThemBack) {
  AppQt();
  CasellaMultirigaQt casella;
  casella.SetText("i = 7\r\nx =  0.1235\r\ny = -175,000");
  EXPECT_EQ(casella.blockCount(), 3);
  EXPECT_EQ(casella.document()->findBlockByNumber(1).text(), "x =  0.1235");
  EXPECT_EQ(casella.Text(), "i = 7\r\nx =  0.1235\r\ny = -175,000");
  EXPECT_EQ(casella.SelStart(), 0);
  casella.SetSelStart(6);
  casella.SetSelLength(1000);
  EXPECT_EQ(casella.textCursor().selectedText().left(3), "x =");
  EXPECT_EQ(casella.SelLength(), 24);  // to the end, a break being one
  casella.Move(3400, 2900, 1200, 900);
  EXPECT_EQ(casella.geometry(), QRect(227, 193, 80, 60));
  EXPECT_EQ(casella.Width(), 1200);
}

TEST(ApplicazioneQt, TheActiveWindowsTabStopsAndThePendingEvents) {
  AppQt();
  QWidget finestra;
  auto* bottone = new QPushButton("Calcola", &finestra);
  auto* casella = new CasellaTestoQt(&finestra);
  auto* etichetta = new QWidget(&finestra);
  etichetta->setFocusPolicy(Qt::NoFocus);
  finestra.show();
  QApplication::setActiveWindow(&finestra);

  ApplicazioneQt applicazione;
  const auto controlli = applicazione.FinestraAttiva();
  ASSERT_TRUE(controlli);
  ASSERT_EQ(controlli->ControlCount(), 3);
  EXPECT_EQ(controlli->TabStop(0), true);
  EXPECT_EQ(controlli->TabStop(2), std::nullopt);
  controlli->SetTabStop(0, false);
  controlli->SetTabStop(1, false);
  controlli->SetTabStop(2, true);
  EXPECT_FALSE(bottone->focusPolicy() & Qt::TabFocus);
  EXPECT_TRUE(bottone->focusPolicy() & Qt::ClickFocus);
  EXPECT_EQ(controlli->TabStop(1), false);
  EXPECT_EQ(etichetta->focusPolicy(), Qt::NoFocus);
  controlli->SetTabStop(1, true);
  EXPECT_EQ(casella->focusPolicy(), Qt::StrongFocus);

  bool eseguito = false;
  QMetaObject::invokeMethod(&finestra, [&] { eseguito = true; }, Qt::QueuedConnection);
  applicazione.DoEvents();
  EXPECT_TRUE(eseguito);
}
