#include "platform/ApplicazioneInMemoria.h"

namespace platform {

std::optional<bool> ControlliInMemoria::TabStop(int indice) const {
  if (indice < 0 || indice >= ControlCount()) return std::nullopt;
  return tabStop_[static_cast<size_t>(indice)];
}

void ControlliInMemoria::SetTabStop(int indice, bool fermata) {
  if (!TabStop(indice)) return;
  tabStop_[static_cast<size_t>(indice)] = fermata;
}

ApplicazioneInMemoria::ApplicazioneInMemoria() { ImpostaServizioApplicazione(this); }

ApplicazioneInMemoria::~ApplicazioneInMemoria() { ImpostaServizioApplicazione(nullptr); }

void ApplicazioneInMemoria::DoEvents() {
  ++CicliEventi;
  if (EventiInSospeso) EventiInSospeso();
}

}  // namespace platform
