#include "platform/qt/CasellaTestoQt.h"

#include <algorithm>

#include <QKeyEvent>

#include "platform/Tasti.h"
#include "platform/qt/TastiQt.h"

namespace platform {

CasellaTestoQt::CasellaTestoQt(QWidget* genitore) : CasellaQt(genitore) {}

std::string CasellaTestoQt::Text() const { return text().toStdString(); }

void CasellaTestoQt::SetText(const std::string& testo) {
  setText(QString::fromStdString(testo));
  setCursorPosition(0);
}

int CasellaTestoQt::SelStart() const {
  return hasSelectedText() ? selectionStart() : cursorPosition();
}

void CasellaTestoQt::SetSelStart(int inizio) {
  setCursorPosition(std::clamp(inizio, 0, static_cast<int>(text().size())));
}

int CasellaTestoQt::SelLength() const { return static_cast<int>(selectedText().size()); }

void CasellaTestoQt::SetSelLength(int lunghezza) {
  const int inizio = SelStart();
  const int n = std::clamp(lunghezza, 0, static_cast<int>(text().size()) - inizio);
  if (n == 0)
    setCursorPosition(inizio);
  else
    setSelection(inizio, n);
}

bool CasellaTestoQt::event(QEvent* evento) {
  if (evento->type() == QEvent::KeyPress) {
    auto* tasto = static_cast<QKeyEvent*>(evento);
    if (tasto->key() == Qt::Key_Tab || tasto->key() == Qt::Key_Backtab) {
      keyPressEvent(tasto);
      return true;
    }
  }
  return QLineEdit::event(evento);
}

void CasellaTestoQt::keyPressEvent(QKeyEvent* evento) {
  const int tasto = CodiceTasto(*evento);
  int codice = tasto;
  if (KeyDown && tasto != 0) KeyDown(codice, MascheraShift(evento->modifiers()));
  switch (tasto) {
    case TastoInvio:
    case TastoEsc:
    case TastoTab:
    case TastoSu:
    case TastoGiu:
      evento->accept();
      break;
    default:
      QLineEdit::keyPressEvent(evento);
  }
}

void CasellaTestoQt::focusInEvent(QFocusEvent* evento) {
  QLineEdit::focusInEvent(evento);
  if (GotFocus) GotFocus();
}

void CasellaTestoQt::focusOutEvent(QFocusEvent* evento) {
  QLineEdit::focusOutEvent(evento);
  if (LostFocus) LostFocus();
}

}  // namespace platform
