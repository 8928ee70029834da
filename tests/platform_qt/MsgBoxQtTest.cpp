#include <gtest/gtest.h>

#include <QKeyEvent>
#include <QPushButton>

#include "AppQt.h"
#include "platform/qt/InvioPulsantiQt.h"
#include "platform/qt/MsgBoxQt.h"
#include "platform/qt/SchermoQt.h"
#include "platform/qt/TraduzioniQt.h"

using namespace platform;

TEST(MsgBoxQt, BoxCarriesTextButtonsAndIcon) {
  AppQt();
  auto box = CreaMessageBox("ERRORE!\rSuperate 101 iterazioni.\rProseguire ?", Pulsanti::SiNo,
                            Icona::Nessuna, "Tramok");
  EXPECT_EQ(box->text(), QString("ERRORE!\nSuperate 101 iterazioni.\nProseguire ?"));
  EXPECT_EQ(box->standardButtons(), QMessageBox::Yes | QMessageBox::No);
  EXPECT_EQ(box->icon(), QMessageBox::NoIcon);
  EXPECT_EQ(box->windowTitle(), QString("Tramok"));
  auto critica = CreaMessageBox("Errore", Pulsanti::Ok, Icona::Critica, "");
  EXPECT_EQ(critica->icon(), QMessageBox::Critical);
  EXPECT_EQ(critica->standardButtons(), QMessageBox::Ok);
  // Its title bar shows the whole title beside the icon and buttons.
  critica->show();
  EXPECT_GE(critica->width(), LarghezzaPerIlTitolo(*critica));
}

TEST(MsgBoxQt, ClickedButtonBecomesTheAnswer) {
  AppQt();
  auto box = CreaMessageBox("Proseguire ?", Pulsanti::SiNoPredefinitoNo, Icona::Domanda, "");
  EXPECT_EQ(box->defaultButton(), box->button(QMessageBox::No));  // Enter answers No
  QMetaObject::invokeMethod(
      box.get(), [b = box.get()] { b->button(QMessageBox::Yes)->click(); }, Qt::QueuedConnection);
  EXPECT_EQ(RispostaDaPulsante(box->exec(), Pulsanti::SiNo), Risposta::Si);
  EXPECT_EQ(RispostaDaPulsante(-1, Pulsanti::SiNo), Risposta::No);
}

TEST(MsgBoxQt, ABoxStandsOverAVisibleWindowOfTheProgram) {
  AppQt();
  QWidget finestra, secondaria(&finestra, Qt::Window);
  finestra.show(), secondaria.show();
  QApplication::setActiveWindow(&secondaria);
  EXPECT_EQ(CreaMessageBox("Salvare ?", Pulsanti::SiNo, Icona::Domanda, "")->parentWidget(), &secondaria);
  // The window that asked closes, and none is active yet: the next box stands over the
  // window it belonged to, not at the screen's corner.
  secondaria.hide(), QApplication::setActiveWindow(nullptr);
  EXPECT_EQ(CreaMessageBox("Es = 50000", Pulsanti::Ok, Icona::Critica, "")->parentWidget(), &finestra);
}

TEST(MsgBoxQt, QtsOwnButtonsAreItalianAndEnterPressesTheFocusedOneOnce) {
  QApplication& app = AppQt();
  InvioPremePulsanti(app);
  ASSERT_TRUE(TraduciQtInItaliano(app));
  auto box = CreaMessageBox("Proseguire ?", Pulsanti::SiNoAnnulla, Icona::Domanda, "");
  EXPECT_EQ(box->button(QMessageBox::Yes)->text(), QString("&Sì"));
  EXPECT_EQ(box->button(QMessageBox::Cancel)->text(), QString("Annulla"));
  // The focused button answers, not the default one.
  QMetaObject::invokeMethod(
      box.get(),
      [b = box.get()] {
        b->button(QMessageBox::No)->setFocus();
        QKeyEvent invio(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier);
        QApplication::sendEvent(b->button(QMessageBox::No), &invio);
      },
      Qt::QueuedConnection);
  EXPECT_EQ(RispostaDaPulsante(box->exec(), Pulsanti::SiNoAnnulla), Risposta::No);
}
