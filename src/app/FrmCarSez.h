#pragma once
// The static properties of the current section as a plain-text report: the
// concrete alone and the homogenised, wholly reacting section (mode 0), or
// the cracked section of the allowable-stress method (mode 1).
#include <functional>
#include <string>

#include <QWidget>

class QPlainTextEdit;

class FrmCarSez : public QWidget {
 public:
  // verifica runs the main window's verification and answers whether its
  // data were valid; mode 1 needs it.
  FrmCarSez(int ModoLista, std::function<bool()> verifica, QWidget* genitore = nullptr);

  // Builds the report into Text1 and sets the caption.
  void ListaCarSez();

  QPlainTextEdit& Text1() { return *text1_; }
  const int ModoLista;

 private:
  std::string ReportParzializzata();
  std::string ReportOmogeneizzata();

  std::function<bool()> verifica_;
  QPlainTextEdit* text1_;
};
