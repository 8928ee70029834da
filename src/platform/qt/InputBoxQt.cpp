#include "platform/qt/InputBoxQt.h"

#include <QApplication>
#include <QFontMetrics>
#include <QInputDialog>
#include <QLineEdit>

namespace platform {

std::string InputBoxQt::Chiedi(const std::string& prompt, const std::string& titolo,
                               const std::string& predefinito) {
  QInputDialog dialogo(QApplication::activeWindow());
  const QString testoTitolo =
      titolo.empty() ? QApplication::applicationName() : QString::fromStdString(titolo);
  dialogo.setWindowTitle(testoTitolo);
  dialogo.setLabelText(QString::fromStdString(prompt));
  dialogo.setTextValue(QString::fromStdString(predefinito));
  // Wide enough for the whole title, in a bold face, beside the title
  // bar's icon and buttons.
  QFont grassetto = dialogo.font();
  grassetto.setBold(true);
  const QFontMetrics misure(grassetto);
  const int larghezza = misure.horizontalAdvance(testoTitolo) + 10 * misure.height();
  // The dialog's layout sizes it to its contents: the text box sets the width.
  if (auto* riga = dialogo.findChild<QLineEdit*>()) riga->setMinimumWidth(larghezza);
  return dialogo.exec() == QDialog::Accepted ? dialogo.textValue().toStdString() : std::string();
}

}  // namespace platform
