#include "platform/MsgBoxScriptato.h"

namespace platform {

MsgBoxScriptato::MsgBoxScriptato() { ImpostaServizioMsgBox(this); }

MsgBoxScriptato::~MsgBoxScriptato() {
  if (&ServizioMsgBoxCorrente() == this) ImpostaServizioMsgBox(nullptr);
}

Risposta MsgBoxScriptato::Mostra(const std::string& testo, Pulsanti pulsanti, Icona icona,
                                 const std::string& titolo) {
  mostrati_.push_back({testo, pulsanti, icona, titolo});
  if (!risposte_.empty()) {
    Risposta r = risposte_.front();
    risposte_.pop_front();
    return r;
  }
  return RispostaPredefinita(pulsanti);
}

std::vector<std::string> MsgBoxScriptato::Testi() const {
  std::vector<std::string> testi;
  for (const auto& m : mostrati_) testi.push_back(m.testo);
  return testi;
}

}  // namespace platform
