#pragma once
// The print dialog on screen: Qt's, modal, setting up the printer the
// drawing goes to. The copies chosen are left to the program to print.
#include <QPrinter>

#include "platform/PrintDialog.h"

namespace platform {

class PrintDialogQt : public PrintDialog {
 public:
  explicit PrintDialogQt(QPrinter& printer) : printer_(printer) {}
  void ShowPrinter() override;

 private:
  QPrinter& printer_;
};

}  // namespace platform
