#pragma once
// Test side of the application service: a window of controls held in memory,
// and a count of the times pending events were let run, with an optional
// action standing for the events that run then.
#include <functional>
#include <memory>
#include <optional>
#include <utility>
#include <vector>

#include "platform/Applicazione.h"

namespace platform {

class ControlliInMemoria : public ControlliFinestra {
 public:
  // One entry per control: its TabStop, or nothing for one without.
  explicit ControlliInMemoria(std::vector<std::optional<bool>> tabStop)
      : tabStop_(std::move(tabStop)) {}
  int ControlCount() const override { return static_cast<int>(tabStop_.size()); }
  std::optional<bool> TabStop(int indice) const override;
  void SetTabStop(int indice, bool fermata) override;

 private:
  std::vector<std::optional<bool>> tabStop_;
};

class ApplicazioneInMemoria : public ServizioApplicazione {
 public:
  // Installs itself for its lifetime.
  ApplicazioneInMemoria();
  ~ApplicazioneInMemoria() override;
  ApplicazioneInMemoria(const ApplicazioneInMemoria&) = delete;
  ApplicazioneInMemoria& operator=(const ApplicazioneInMemoria&) = delete;

  void DoEvents() override;
  std::shared_ptr<ControlliFinestra> FinestraAttiva() override { return Attiva; }

  std::shared_ptr<ControlliFinestra> Attiva;
  std::function<void()> EventiInSospeso;
  int CicliEventi = 0;
};

}  // namespace platform
