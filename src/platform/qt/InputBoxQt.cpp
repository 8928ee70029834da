#include "platform/qt/InputBoxQt.h"

#include <QApplication>
#include <QInputDialog>

namespace platform {

std::string InputBoxQt::Chiedi(const std::string& prompt, const std::string& titolo,
                               const std::string& predefinito) {
  bool ok = false;
  const QString testo = QInputDialog::getText(
      QApplication::activeWindow(),
      titolo.empty() ? QApplication::applicationName() : QString::fromStdString(titolo),
      QString::fromStdString(prompt), QLineEdit::Normal, QString::fromStdString(predefinito), &ok);
  return ok ? testo.toStdString() : std::string();
}

}  // namespace platform
