#pragma once
// What the program asks of the running application as a whole: to let the
// events waiting in the queue run, and which window the user is working in.
// The windows install the Qt service; tests install ApplicazioneInMemoria.
#include <memory>
#include <optional>

namespace platform {

// The controls of one window by index, 0 to ControlCount() - 1, in a fixed
// order for the life of this object.
class ControlliFinestra {
 public:
  virtual ~ControlliFinestra() = default;
  virtual int ControlCount() const = 0;
  // Whether the Tab key stops at control i; nothing for a control that never
  // takes the focus, or one no longer there.
  virtual std::optional<bool> TabStop(int indice) const = 0;
  // Passed over for such a control.
  virtual void SetTabStop(int indice, bool fermata) = 0;
};

class ServizioApplicazione {
 public:
  virtual ~ServizioApplicazione() = default;
  virtual void DoEvents() = 0;
  // nullptr when no window of the program is active.
  virtual std::shared_ptr<ControlliFinestra> FinestraAttiva() = 0;
};

// Installs the service; nullptr restores the silent default, which has no
// events and no window.
void ImpostaServizioApplicazione(ServizioApplicazione* servizio);
ServizioApplicazione& ServizioApplicazioneCorrente();

inline void DoEvents() { ServizioApplicazioneCorrente().DoEvents(); }
inline std::shared_ptr<ControlliFinestra> FinestraAttiva() {
  return ServizioApplicazioneCorrente().FinestraAttiva();
}

}  // namespace platform
