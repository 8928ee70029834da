#pragma once
// The stirrup editor of the open seismic window, driven as a user drives it:
// its commands pressed, grid cells clicked and typed into; and what the
// column holds for the current end.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QCoreApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include "platform/qt/FlexGridQt.h"
#include "seismic/FrmSismica.h"
#include "seismic/StatoSismica.h"

namespace EditorQt {

using RigaStaffa = std::vector<float>;

// A 400 x 400 column, cover 40, 4 x 4 bars of 16 at both ends (bars 1-4
// on top, 5 and 6, 7 and 8 in the middle rows, 9-12 at the bottom),
// pitches 150 in the central zone and 100 in the critical ones, NEd 680 kN;
// no stirrups yet.
inline void Colonna400() {
  Sismica::Stato.NEdSismica = 680000;
  const float dati[] = {400, 400, 40, 3000, 600, 150, 4, 4, 16, 100, 4, 4, 16, 100};
  for (int j = 1; j <= 14; ++j)
    Sismica::Stato.PilastroCorrente.SetMatriceSezionePilastro(0, j, dati[j - 1]);
}

inline FrmSismica& Finestra() { return *FrmSismica::Aperta(); }
inline platform::FlexGrid& G() { return Finestra().FlexGridS(); }
inline platform::FlexGridQt& GQt() {
  return *Finestra().findChild<platform::FlexGridQt*>("FlexGridS_1");
}
inline QLineEdit& Editor() { return *Finestra().findChild<QLineEdit*>("TxtEdit_1"); }
inline QPushButton& Comando(int i) {
  return *Finestra().findChild<QPushButton*>(QString("cmdStaffe_%1").arg(i));
}
inline void Premi(QAbstractButton& b) { QTest::mouseClick(&b, Qt::LeftButton); }
inline void Premi(int i) { Premi(Comando(i)); }
inline void PremiNome(const char* nome) { Premi(*Finestra().findChild<QAbstractButton*>(nome)); }
// "Staffe": the editor opens on the current end.
inline void Apri() {
  PremiNome("StaffePilDef");
  QCoreApplication::processEvents();
}
inline bool Aperto() {
  return Finestra().findChild<QWidget*>("frmStaffe")->isVisibleTo(&Finestra());
}

// The stored stirrups of the current end, each up to its last non-zero field.
inline std::vector<RigaStaffa> Memorizzate() {
  std::vector<RigaStaffa> righe;
  const Matrice<float>& s = Sismica::Stato.PilastroCorrente.StaffeCorrenti();
  for (int i = 1; i <= s.Righe(); ++i) {
    RigaStaffa r;
    for (int j = 1; j <= 9; ++j) r.push_back(s(i, j));
    while (!r.empty() && r.back() == 0) r.pop_back();
    righe.push_back(r);
  }
  return righe;
}
inline std::vector<std::string> RigaGriglia(int r) {
  std::vector<std::string> celle;
  for (int c = 0; c < G().Cols(); ++c) celle.push_back(G().TextMatrix(r, c));
  return celle;
}

inline void ClicCella(int riga, int colonna) {
  platform::FlexGridQt& g = GQt();
  const QPoint centro = g.RettangoloCella(riga, colonna).center();
  QTest::mouseClick(g.viewport(), Qt::LeftButton, {}, g.viewport()->mapFrom(&g, centro));
}
// Typed into the open cell editor, then Enter.
inline void Digita(const QString& testo) {
  ASSERT_TRUE(Editor().isVisible());
  QTest::keyClicks(&Editor(), testo);
  QTest::keyClick(&Editor(), Qt::Key_Return);
}
// A generic stirrup: diameter and bars typed in turn, ended by a 0.
inline void Generica(std::initializer_list<const char*> campi) {
  Premi(4);
  for (const char* campo : campi) Digita(campo);
  Digita("0");
}
inline std::string Errore() {
  auto* l = Finestra().findChild<QLabel*>("lblErroreSt");
  return l->isVisibleTo(&Finestra()) ? l->text().toStdString() : std::string();
}

}  // namespace EditorQt
