#include "platform/qt/TastiQt.h"

#include <QChar>

#include "platform/Tasti.h"

namespace platform {

int CodiceTasto(const QKeyEvent& evento) {
  const int k = evento.key();
  // The decimal key of the numeric keypad, whatever character it sends. With
  // NumLock off the same key is the keypad's Delete, which is Delete.
  if ((evento.modifiers() & Qt::KeypadModifier) && (k == Qt::Key_Period || k == Qt::Key_Comma))
    return 110;
  if ((k >= Qt::Key_A && k <= Qt::Key_Z) || (k >= Qt::Key_0 && k <= Qt::Key_9)) return k;
  if (k >= Qt::Key_F1 && k <= Qt::Key_F12) return 112 + (k - Qt::Key_F1);
  switch (k) {
    case Qt::Key_Backspace: return TastoBackspace;
    case Qt::Key_Tab:
    case Qt::Key_Backtab: return TastoTab;
    case Qt::Key_Return:
    case Qt::Key_Enter: return TastoInvio;
    case Qt::Key_Escape: return TastoEsc;
    case Qt::Key_Space: return 32;
    case Qt::Key_PageUp: return 33;
    case Qt::Key_PageDown: return 34;
    case Qt::Key_End: return 35;
    case Qt::Key_Home: return 36;
    case Qt::Key_Left: return TastoSinistra;
    case Qt::Key_Up: return TastoSu;
    case Qt::Key_Right: return TastoDestra;
    case Qt::Key_Down: return TastoGiu;
    case Qt::Key_Insert: return 45;
    case Qt::Key_Delete: return TastoCanc;
    case Qt::Key_Plus: return 187;
    case Qt::Key_Comma: return 188;
    case Qt::Key_Minus: return 189;
    case Qt::Key_Period: return 190;
    default: return 0;
  }
}

int MascheraShift(Qt::KeyboardModifiers modificatori) {
  int maschera = 0;
  if (modificatori & Qt::ShiftModifier) maschera |= MascheraMaiuscolo;
  if (modificatori & Qt::ControlModifier) maschera |= MascheraCtrl;
  if (modificatori & Qt::AltModifier) maschera |= MascheraAlt;
  return maschera;
}

int CodiceCarattere(const QKeyEvent& evento) {
  switch (evento.key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter: return TastoInvio;
    case Qt::Key_Backspace: return TastoBackspace;
    case Qt::Key_Escape: return TastoEsc;
    case Qt::Key_Tab: return TastoTab;
    default: break;
  }
  const QList<uint> caratteri = evento.text().toUcs4();
  // Delete, arrows and function keys may send a control character: none typed.
  if (caratteri.isEmpty() || !QChar::isPrint(caratteri.front())) return 0;
  return static_cast<int>(caratteri.front());
}

}  // namespace platform
