#include "platform/qt/ApplicazioneQt.h"

#include <QApplication>

namespace platform {

ControlliFinestraQt::ControlliFinestraQt(QWidget& finestra) {
  for (QWidget* w : finestra.findChildren<QWidget*>()) {
    widget_.emplace_back(w);
    focalizzabili_.push_back(w->focusPolicy() != Qt::NoFocus);
  }
}

std::optional<bool> ControlliFinestraQt::TabStop(int indice) const {
  if (indice < 0 || indice >= ControlCount()) return std::nullopt;
  const auto i = static_cast<size_t>(indice);
  if (!widget_[i] || !focalizzabili_[i]) return std::nullopt;
  return (widget_[i]->focusPolicy() & Qt::TabFocus) != 0;
}

void ControlliFinestraQt::SetTabStop(int indice, bool fermata) {
  if (!TabStop(indice)) return;
  QWidget& w = *widget_[static_cast<size_t>(indice)];
  const int politica = w.focusPolicy();
  w.setFocusPolicy(static_cast<Qt::FocusPolicy>(fermata ? politica | Qt::TabFocus
                                                        : politica & ~Qt::TabFocus));
}

void ApplicazioneQt::DoEvents() { QCoreApplication::processEvents(); }

std::shared_ptr<ControlliFinestra> ApplicazioneQt::FinestraAttiva() {
  QWidget* finestra = QApplication::activeWindow();
  if (!finestra) return nullptr;
  return std::make_shared<ControlliFinestraQt>(*finestra);
}

}  // namespace platform
