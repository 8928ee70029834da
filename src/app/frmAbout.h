#pragma once
// About the rectangular section design module, shown beside its window.
#include <QDialog>

class frmAbout : public QDialog {
  Q_OBJECT

 public:
  explicit frmAbout(QWidget* parent = nullptr);

  void cmdOK_Click();
  void cmdSysInfo_Click();

 private:
  void StartSysInfo();
};

// A new About window, shown modeless without an owner; it goes when closed.
frmAbout* MostraFrmAbout();
