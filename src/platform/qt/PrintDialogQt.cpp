#include "platform/qt/PrintDialogQt.h"

#include <QApplication>
#include <QPrintDialog>

#include "platform/ErroreEsecuzione.h"

namespace platform {

void PrintDialogQt::ShowPrinter() {
  printer_.setCopyCount(Copies);
  QPrintDialog dialogo(&printer_, QApplication::activeWindow());
  if (dialogo.exec() != QDialog::Accepted) {
    if (CancelError) throw ErroreEsecuzione(Errori::DialogoAnnullato, "Annullato");
    return;
  }
  Copies = printer_.copyCount();
  // Each copy is drawn by the program: the printer must not repeat them.
  printer_.setCopyCount(1);
}

}  // namespace platform
