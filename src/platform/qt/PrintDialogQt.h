#pragma once
// The print dialog on screen: Qt's, modal, setting up the printer the
// drawing goes to. The copies chosen are left to the program to print.
#include <functional>

#include <QPrinter>

#include "platform/PrintDialog.h"

class QPrintDialog;

namespace platform {

class PrintDialogQt : public PrintDialog {
 public:
  explicit PrintDialogQt(QPrinter& printer) : printer_(printer) {}
  void ShowPrinter() override;

 private:
  QPrinter& printer_;
};

// In place of the user: risposta is given the dialog, set up on the printer,
// answers it through its own controls and returns its result. Tests set it;
// unset, the dialog waits for the user.
void ImpostaRispostaDialogoStampa(std::function<int(QPrintDialog&)> risposta);

}  // namespace platform
