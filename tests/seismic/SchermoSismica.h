#pragma once
// The seismic window on screen, driven with the keyboard and the mouse, on
// the standard column of the rule tables.
#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QCoreApplication>
#include <QLineEdit>
#include <QTest>
#include <QTextEdit>

#include "ColonnaProva.h"
#include "platform/MsgBoxScriptato.h"
#include "platform_qt/AppQt.h"
#include "seismic/FrmCoefficienti.h"
#include "seismic/FrmSismica.h"

class FinestraSismicaSchermo {
 public:
  FinestraSismicaSchermo() {
    AppQt();
    VariabiliPubbliche::Stato.UnitaLunghezza = "mm";
  }
  ~FinestraSismicaSchermo() {
    for (QWidget* w : {static_cast<QWidget*>(FrmSismica::Aperta()),
                       static_cast<QWidget*>(FrmCoefficienti::Aperta())})
      if (w) w->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  }

  static FrmSismica& Apri() {
    FrmSismica& f = FrmSismica::Mostra();
    QApplication::setActiveWindow(&f);
    return f;
  }
  static FrmSismica& F() { return *FrmSismica::Aperta(); }
  template <class W = QWidget>
  static W* W_(const char* nome) {
    return F().findChild<W*>(nome);
  }
  // Focus to the box, its text replaced by the keys typed.
  static void Batti(const char* nome, const QString& testo) {
    auto* box = W_<QLineEdit>(nome);
    box->setFocus(Qt::MouseFocusReason);
    box->selectAll();
    QTest::keyClicks(box, testo);
  }
  // A diameter typed into the list ComboBarrePil(indice), then Tab.
  static void Diametro(int indice, const QString& testo) {
    auto* lista = F().findChild<QComboBox*>(QString("ComboBarrePil_%1").arg(indice));
    lista->setFocus(Qt::MouseFocusReason);
    lista->lineEdit()->selectAll();
    QTest::keyClicks(lista, testo);
    QTest::keyClick(lista, Qt::Key_Tab);
  }
  static void Invio(const char* nome) { QTest::keyClick(W_(nome), Qt::Key_Return); }
  // The box left for the next one, as Tab does.
  static void Esci(const char* nome) { QTest::keyClick(W_(nome), Qt::Key_Tab); }
  static void Clic(const char* nome) {
    QWidget* b = W_(nome);
    QTest::mouseClick(b, Qt::LeftButton, {}, QPoint(6, b->height() / 2));
  }
  static void Menu(const char* nome) { W_<QAction>(nome)->trigger(); }
  static QString Lista() { return W_<QTextEdit>("RichTextBox1")->toPlainText(); }
  static platform::Colore Colore(const std::string& nome, int indice) {
    return F().Controllo(nome, indice).ForeColor();
  }

  platform::MsgBoxScriptato messaggi;
};

// The list as the window shows it: one line per text, the placeholders as
// Greek letters, "OK prescrizioni" when there is none.
inline QString ListaAttesa(const Sismica::Prescrizioni& testi) {
  if (testi.empty()) return "OK prescrizioni";
  QStringList righe;
  for (const std::string& t : testi) righe << QString::fromStdString(t);
  QString testo = righe.join('\n');
  testo.replace("Omega_", QString::fromUtf8("ω"));
  testo.replace("_Teta_", QString::fromUtf8("θ"));
  testo.replace("_Gamma_", QString::fromUtf8("γ"));
  testo.replace("_r_", QString::fromUtf8("ρ"));
  return testo;
}

inline const CasoRegole& Riga(const std::vector<CasoRegole>& casi, const std::string& nome) {
  for (const CasoRegole& caso : casi)
    if (caso.nome == nome) return caso;
  throw std::logic_error("no row " + nome);
}
