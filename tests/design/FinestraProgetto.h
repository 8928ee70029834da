#pragma once
// The design window opened from the main window over a 30 x 50 cm rectangle
// with two bar layers, driven as a user drives it.
#include <gtest/gtest.h>

#include <QAction>
#include <QComboBox>
#include <QLineEdit>
#include <QSlider>

#include "app/FinestraMain.h"
#include "app/FinestraQt.h"
#include "design/ProgettoSezione.h"
#include "model/GeneraleTesto.h"

class FinestraProgetto : public ::testing::Test {
 protected:
  FinestraProgetto() {
    // A 30 x 50 cm rectangle with two bar layers, as typed in the main window.
    f.Clic("OpTipoSezione", 1);
    f.Clic("OpTipoSezione", 0);
    for (const char* v : {"30", "50"}) FinestraMain::Batti(v);
    f.Widget("txtRigheGriglia", 1)->setFocus();
    FinestraMain::Batti("2");
    for (const char* v : {"9,42", "4,02", "45", "5"}) FinestraMain::Batti(v);
    f.main->findChild<QAction*>("mnu_Progetto")->trigger();
    p = ProgettoSezione::Aperta();
  }
  ~FinestraProgetto() override { delete p; }

  QLineEdit* Casella(const std::string& nome, int indice = platform::SenzaIndice) {
    return p->findChild<QLineEdit*>(QString::fromStdString(platform::NomeOggetto(nome, indice)));
  }
  void Batti(const std::string& nome, int indice, const QString& testo) {
    QLineEdit* c = Casella(nome, indice);
    c->setFocus();
    c->selectAll();
    QTest::keyClicks(c, testo);
    QTest::keyClick(c, Qt::Key_Return);
  }
  void Clic(const std::string& nome, int indice = platform::SenzaIndice) {
    auto* w = p->findChild<QWidget*>(QString::fromStdString(platform::NomeOggetto(nome, indice)));
    QTest::mouseClick(w, Qt::LeftButton, {}, QPoint(6, w->height() / 2));
  }
  double Numero(const std::string& nome, int indice = platform::SenzaIndice) {
    return Generale::ValNumero(p->Form().Controllo(nome, indice).Text());
  }
  int Slider() { return p->findChild<QSlider*>("Slider1")->value(); }
  void Bracci(const char* n) {  // stirrups of n legs
    auto* bracci = p->findChild<QComboBox*>("ComboBracci");
    bracci->setCurrentIndex(bracci->findText(n, Qt::MatchStartsWith));
  }

  FinestraMain f;
  ProgettoSezione* p = nullptr;
};
