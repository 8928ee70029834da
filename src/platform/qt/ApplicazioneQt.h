#pragma once
// The application service on screen: pending Qt events run, and the active
// window's widgets as its controls, a TabStop being the Tab bit of a
// widget's focus policy.
#include <vector>

#include <QPointer>
#include <QWidget>

#include "platform/Applicazione.h"

namespace platform {

class ControlliFinestraQt : public ControlliFinestra {
 public:
  // The window's widgets as they are now, in creation order.
  explicit ControlliFinestraQt(QWidget& finestra);
  int ControlCount() const override { return static_cast<int>(widget_.size()); }
  std::optional<bool> TabStop(int indice) const override;
  void SetTabStop(int indice, bool fermata) override;

 private:
  // Widgets that could take the focus when the list was made.
  std::vector<QPointer<QWidget>> widget_;
  std::vector<bool> focalizzabili_;
};

class ApplicazioneQt : public ServizioApplicazione {
 public:
  void DoEvents() override;
  std::shared_ptr<ControlliFinestra> FinestraAttiva() override;
};

}  // namespace platform
