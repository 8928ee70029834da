#include <gtest/gtest.h>

#include <QKeyEvent>
#include <QPushButton>

#include "AppQt.h"
#include "platform/qt/InvioPulsantiQt.h"
#include "platform/qt/MsgBoxQt.h"
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
}

TEST(MsgBoxQt, ClickedButtonBecomesTheAnswer) {
  AppQt();
  auto box = CreaMessageBox("Proseguire ?", Pulsanti::SiNo, Icona::Domanda, "");
  QMetaObject::invokeMethod(
      box.get(), [b = box.get()] { b->button(QMessageBox::Yes)->click(); }, Qt::QueuedConnection);
  EXPECT_EQ(RispostaDaPulsante(box->exec(), Pulsanti::SiNo), Risposta::Si);
  EXPECT_EQ(RispostaDaPulsante(-1, Pulsanti::SiNo), Risposta::No);
}

namespace {

void Premi(QWidget* w, Qt::Key tasto, Qt::KeyboardModifiers modificatori = {}) {
  QKeyEvent evento(QEvent::KeyPress, tasto, modificatori);
  QApplication::sendEvent(w, &evento);
}

}  // namespace

TEST(MsgBoxQt, EnterPressesTheFocusedButtonOnceAndQtsOwnButtonsAreItalian) {
  QApplication& app = AppQt();
  InvioPremePulsanti(app);
  QWidget finestra;
  auto* pulsante = new QPushButton("Calcola", &finestra);
  int premuto = 0;
  QObject::connect(pulsante, &QPushButton::clicked, [&] { ++premuto; });
  finestra.show();
  QApplication::setActiveWindow(&finestra);
  pulsante->setFocus();
  Premi(pulsante, Qt::Key_Return);
  Premi(pulsante, Qt::Key_Enter, Qt::KeypadModifier);
  Premi(pulsante, Qt::Key_Return, Qt::ControlModifier);
  EXPECT_EQ(premuto, 2);

  ASSERT_TRUE(TraduciQtInItaliano(app));
  auto box = CreaMessageBox("Proseguire ?", Pulsanti::SiNoAnnulla, Icona::Domanda, "");
  EXPECT_EQ(box->button(QMessageBox::Yes)->text(), QString("&Sì"));
  EXPECT_EQ(box->button(QMessageBox::Cancel)->text(), QString("Annulla"));
  // In a dialog the focused button answers, not the default one, and once.
  QMetaObject::invokeMethod(
      box.get(),
      [b = box.get()] {
        QAbstractButton* no = b->button(QMessageBox::No);
        no->setFocus();
        Premi(no, Qt::Key_Return);
      },
      Qt::QueuedConnection);
  EXPECT_EQ(RispostaDaPulsante(box->exec(), Pulsanti::SiNoAnnulla), Risposta::No);
}
