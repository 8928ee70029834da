#include "platform/qt/InputBoxQt.h"

#include <QApplication>
#include <QInputDialog>
#include <QLineEdit>

#include "platform/qt/SchermoQt.h"

namespace platform {

std::string InputBoxQt::Chiedi(const std::string& prompt, const std::string& titolo,
                               const std::string& predefinito) {
  QInputDialog dialogo(QApplication::activeWindow());
  const QString testoTitolo =
      titolo.empty() ? QApplication::applicationName() : QString::fromStdString(titolo);
  dialogo.setWindowTitle(testoTitolo);
  dialogo.setLabelText(QString::fromStdString(prompt));
  dialogo.setTextValue(QString::fromStdString(predefinito));
  // The dialog's layout sizes it to its contents: the text box sets the width.
  if (auto* riga = dialogo.findChild<QLineEdit*>()) RigaPerIlTitolo(dialogo, *riga);
  return dialogo.exec() == QDialog::Accepted ? dialogo.textValue().toStdString() : std::string();
}

}  // namespace platform
