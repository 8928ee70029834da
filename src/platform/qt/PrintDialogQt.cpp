#include "platform/qt/PrintDialogQt.h"

#include <QApplication>
#include <QPrintDialog>

#include "platform/ErroreEsecuzione.h"

namespace platform {

namespace {
std::function<int(QPrintDialog&)> risposta;
}

void ImpostaRispostaDialogoStampa(std::function<int(QPrintDialog&)> r) { risposta = std::move(r); }

void PrintDialogQt::ShowPrinter() {
  printer_.setCopyCount(Copies);
  QPrintDialog dialogo(&printer_, QApplication::activeWindow());
  const int esito = risposta ? risposta(dialogo) : dialogo.exec();
  if (esito != QDialog::Accepted) {
    if (CancelError) throw ErroreEsecuzione(Errori::DialogoAnnullato, "Annullato");
    return;
  }
  Copies = printer_.copyCount();
  // Each copy is drawn by the program: the printer must not repeat them.
  printer_.setCopyCount(1);
}

}  // namespace platform
