#pragma once
// Test side of the input box: records every question and answers from a
// queue; an empty queue answers as a cancel does.
#include <deque>
#include <string>
#include <vector>

#include "platform/InputBox.h"

namespace platform {

struct DomandaMostrata {
  std::string prompt;
  std::string titolo;
  std::string predefinito;
};

class InputBoxScriptato : public ServizioInputBox {
 public:
  // Installs itself for its lifetime.
  InputBoxScriptato();
  ~InputBoxScriptato() override;
  InputBoxScriptato(const InputBoxScriptato&) = delete;
  InputBoxScriptato& operator=(const InputBoxScriptato&) = delete;

  std::string Chiedi(const std::string& prompt, const std::string& titolo,
                     const std::string& predefinito) override;

  void Accoda(const std::string& risposta) { risposte_.push_back(risposta); }
  const std::vector<DomandaMostrata>& Mostrate() const { return mostrate_; }

 private:
  std::deque<std::string> risposte_;
  std::vector<DomandaMostrata> mostrate_;
};

}  // namespace platform
