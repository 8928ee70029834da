#include "platform/qt/CasellaMultirigaQt.h"

#include <algorithm>

#include <QTextCursor>

namespace platform {

CasellaMultirigaQt::CasellaMultirigaQt(QWidget* genitore) : CasellaQt(genitore) {
  setLineWrapMode(NoWrap);
}

std::string CasellaMultirigaQt::Text() const {
  return toPlainText().replace('\n', QStringLiteral("\r\n")).toStdString();
}

void CasellaMultirigaQt::SetText(const std::string& testo) {
  QString t = QString::fromStdString(testo);
  t.replace(QStringLiteral("\r\n"), QStringLiteral("\n")).replace('\r', '\n');
  setPlainText(t);
}

int CasellaMultirigaQt::SelStart() const { return textCursor().selectionStart(); }

void CasellaMultirigaQt::SetSelStart(int inizio) {
  QTextCursor cursore = textCursor();
  cursore.setPosition(std::clamp(inizio, 0, static_cast<int>(toPlainText().size())));
  setTextCursor(cursore);
}

int CasellaMultirigaQt::SelLength() const {
  const QTextCursor cursore = textCursor();
  return cursore.selectionEnd() - cursore.selectionStart();
}

void CasellaMultirigaQt::SetSelLength(int lunghezza) {
  QTextCursor cursore = textCursor();
  const int inizio = cursore.selectionStart();
  const int fine = std::clamp(inizio + lunghezza, inizio, static_cast<int>(toPlainText().size()));
  cursore.setPosition(inizio);
  cursore.setPosition(fine, QTextCursor::KeepAnchor);
  setTextCursor(cursore);
}

}  // namespace platform
