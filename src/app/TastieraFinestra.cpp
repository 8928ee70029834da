#include "app/TastieraFinestra.h"

#include <QApplication>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QTimer>

#include "app/Generale.h"
#include "platform/qt/TastiQt.h"

namespace Generale {
namespace {

class CasellaLinea : public CasellaTesto {
 public:
  explicit CasellaLinea(QLineEdit& casella) : casella_(casella) {}
  std::string Text() const override { return casella_.text().toStdString(); }
  void SetSelStart(int inizio) override { casella_.setCursorPosition(inizio); }
  void SetSelLength(int lunghezza) override {
    casella_.setSelection(casella_.cursorPosition(), lunghezza);
  }

 private:
  QLineEdit& casella_;
};

}  // namespace

void SelezionaTesto(QLineEdit& casella) {
  CasellaLinea linea(casella);
  Generale::SelezionaTesto(linea);
}

TastieraFinestra::TastieraFinestra(QWidget& finestra) : QObject(&finestra), finestra_(&finestra) {
  qApp->installEventFilter(this);
}

TastieraFinestra::~TastieraFinestra() { qApp->removeEventFilter(this); }

void TastieraFinestra::SelezionaAlFuoco(QLineEdit& casella) {
  casella.setProperty("tramokSelezionaAlFuoco", true);
}

bool TastieraFinestra::eventFilter(QObject* oggetto, QEvent* evento) {
  auto* widget = qobject_cast<QWidget*>(oggetto);
  if (!widget || widget->window() != finestra_) return false;
  if (evento->type() == QEvent::KeyPress) {
    auto* tasto = static_cast<QKeyEvent*>(evento);
    TastoGiuNumerico(platform::CodiceTasto(*tasto));
    const int battuto = platform::CodiceCarattere(*tasto);
    int carattere = battuto;
    if (battuto > 32) TastoPremutoNumerico(carattere);
    // The key and its character come in one event: the flag never outlives
    // it, and a stroke that types nothing leaves nothing behind.
    Stato.TastoDecimaleTastierino = false;
    if (carattere == battuto) return false;
    QKeyEvent separatore(QEvent::KeyPress, 0, Qt::NoModifier,
                         QString::fromUcs4(reinterpret_cast<const char32_t*>(&carattere), 1));
    QApplication::sendEvent(widget, &separatore);
    return true;
  }
  if (evento->type() == QEvent::FocusIn && widget->property("tramokSelezionaAlFuoco").toBool()) {
    auto* casella = static_cast<QLineEdit*>(widget);
    SelezionaTesto(*casella);
    // A click that gave the focus would place the caret after this.
    if (static_cast<QFocusEvent*>(evento)->reason() == Qt::MouseFocusReason)
      QTimer::singleShot(0, casella, [casella] { SelezionaTesto(*casella); });
  }
  return false;
}

}  // namespace Generale
