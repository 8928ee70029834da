#pragma once
// The input box on screen: a modal QInputDialog over the active window.
#include "platform/InputBox.h"

namespace platform {

class InputBoxQt : public ServizioInputBox {
 public:
  std::string Chiedi(const std::string& prompt, const std::string& titolo,
                     const std::string& predefinito) override;
};

}  // namespace platform
