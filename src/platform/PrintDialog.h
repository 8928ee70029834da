#pragma once
// The print dialog: the user confirms the printer and chooses the number of
// copies. The windows use the Qt one; tests a scripted one.

namespace platform {

class PrintDialog {
 public:
  virtual ~PrintDialog() = default;

  // Proposed, then chosen; the program prints the copies itself, one by one.
  int Copies = 1;
  // Cancel raises ErroreEsecuzione Errori::DialogoAnnullato; without it Cancel
  // returns leaving Copies as it was.
  bool CancelError = false;

  virtual void ShowPrinter() = 0;
};

}  // namespace platform
