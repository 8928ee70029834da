#include "platform/InputBoxScriptato.h"

namespace platform {

InputBoxScriptato::InputBoxScriptato() { ImpostaServizioInputBox(this); }

InputBoxScriptato::~InputBoxScriptato() {
  if (&ServizioInputBoxCorrente() == this) ImpostaServizioInputBox(nullptr);
}

std::string InputBoxScriptato::Chiedi(const std::string& prompt, const std::string& titolo,
                                      const std::string& predefinito) {
  mostrate_.push_back({prompt, titolo, predefinito});
  if (risposte_.empty()) return {};
  std::string risposta = risposte_.front();
  risposte_.pop_front();
  return risposta;
}

}  // namespace platform
