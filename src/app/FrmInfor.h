#pragma once
// "Informazioni": what the program verifies and designs, and its version.
#include <QDialog>

class QPushButton;

class FrmInfor : public QDialog {
  Q_OBJECT

 public:
  explicit FrmInfor(QWidget* parent = nullptr);

  void Command1_Click();

 protected:
  // A character key typed on Command1 closes the window as a click does.
  bool eventFilter(QObject* oggetto, QEvent* evento) override;

 private:
  QPushButton* Command1 = nullptr;
};
