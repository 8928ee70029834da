#include <gtest/gtest.h>

#include <QPushButton>

#include "AppProva.h"
#include "platform/qt/MsgBoxQt.h"

using namespace platform;

TEST(MsgBoxQt, BoxCarriesTextButtonsAndIcon) {
  App();
  auto box = CreaMessageBox("ERRORE!\rSuperate 101 iterazioni.\rProseguire ?", Pulsanti::SiNo,
                            Icona::Nessuna, "Tramok");
  EXPECT_EQ(box->text(), QString("ERRORE!\nSuperate 101 iterazioni.\nProseguire ?"));
  EXPECT_EQ(box->standardButtons(), QMessageBox::Yes | QMessageBox::No);
  EXPECT_EQ(box->icon(), QMessageBox::NoIcon);
  EXPECT_EQ(box->windowTitle(), QString("Tramok"));
  auto critica = CreaMessageBox("Errore", Pulsanti::Ok, Icona::Critica, "");
  EXPECT_EQ(critica->icon(), QMessageBox::Critical);
  EXPECT_EQ(critica->standardButtons(), QMessageBox::Ok);
}

TEST(MsgBoxQt, ClickedButtonBecomesTheAnswer) {
  App();
  auto box = CreaMessageBox("Proseguire ?", Pulsanti::SiNo, Icona::Domanda, "");
  QMetaObject::invokeMethod(
      box.get(), [b = box.get()] { b->button(QMessageBox::Yes)->click(); }, Qt::QueuedConnection);
  EXPECT_EQ(RispostaDaPulsante(box->exec(), Pulsanti::SiNo), Risposta::Si);
  EXPECT_EQ(RispostaDaPulsante(-1, Pulsanti::SiNo), Risposta::No);
}
