#include "platform/qt/InvioPulsantiQt.h"

#include <QApplication>
#include <QKeyEvent>
#include <QPointer>
#include <QPushButton>
#include <QToolButton>

namespace platform {
namespace {

class FiltroInvio : public QObject {
 public:
  using QObject::QObject;

 protected:
  bool eventFilter(QObject* oggetto, QEvent* evento) override {
    if (evento->type() != QEvent::KeyPress) return false;
    const auto* tasto = static_cast<QKeyEvent*>(evento);
    if (tasto->key() != Qt::Key_Return && tasto->key() != Qt::Key_Enter) return false;
    if (tasto->modifiers() & ~(Qt::KeypadModifier)) return false;
    if (!qobject_cast<QPushButton*>(oggetto) && !qobject_cast<QToolButton*>(oggetto)) return false;
    auto* pulsante = static_cast<QAbstractButton*>(oggetto);
    if (!pulsante->hasFocus()) return false;
    // Taken here, so that a dialog's default button is not pressed as well;
    // a held key presses once.
    if (!tasto->isAutoRepeat()) pulsante->click();
    return true;
  }
};

}  // namespace

void InvioPremePulsanti(QApplication& app) {
  static QPointer<FiltroInvio> filtro;
  if (!filtro) {
    filtro = new FiltroInvio(&app);
    app.installEventFilter(filtro);
  }
}

}  // namespace platform
