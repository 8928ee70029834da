#pragma once
// The length unit in which sections and bars are shown and typed (mode 0),
// or the partial factor on actions (mode 1). Modeless, one at a time, gone
// when closed; asked for in the other mode, it opens again in that one.
#include <array>

#include <QWidget>

class QLineEdit;
class QRadioButton;

class frmUnits : public QWidget {
 public:
  // The window of mode IndexMenu, shown.
  static frmUnits& Mostra(int IndexMenu);
  static frmUnits* Aperta();

  void OKButton_Click();
  void CancelButton_Click();
  // The main window, and the seismic window when shown, rewritten in the
  // unit now in force.
  static void AggiornaFormPerUnita();

  const int IndexMenu;

 protected:
  // Enter in an option or in the box confirms, as in a dialog.
  bool eventFilter(QObject* oggetto, QEvent* evento) override;

 private:
  explicit frmUnits(int IndexMenu);
  QWidget* CreaFrame(int indice);

  std::array<QRadioButton*, 2> optUnits_{};
  QLineEdit* txtGammaQ_ = nullptr;
};
