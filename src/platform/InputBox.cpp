#include "platform/InputBox.h"

namespace platform {
namespace {

class InputBoxSilenzioso : public ServizioInputBox {
 public:
  std::string Chiedi(const std::string&, const std::string&, const std::string&) override {
    return {};
  }
};

InputBoxSilenzioso silenzioso;
ServizioInputBox* corrente = &silenzioso;

}  // namespace

void ImpostaServizioInputBox(ServizioInputBox* servizio) {
  corrente = servizio ? servizio : &silenzioso;
}

ServizioInputBox& ServizioInputBoxCorrente() { return *corrente; }

std::string InputBox(const std::string& prompt, const std::string& titolo,
                     const std::string& predefinito) {
  return corrente->Chiedi(prompt, titolo, predefinito);
}

}  // namespace platform
