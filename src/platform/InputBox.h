#pragma once
// The input box: a prompt, a title and a default text; the answer typed, or
// an empty text when the user cancels. One service for the whole program, as
// the message boxes.
#include <string>

namespace platform {

class ServizioInputBox {
 public:
  virtual ~ServizioInputBox() = default;
  virtual std::string Chiedi(const std::string& prompt, const std::string& titolo,
                             const std::string& predefinito) = 0;
};

// nullptr restores the silent default, which answers as a cancel does.
void ImpostaServizioInputBox(ServizioInputBox* servizio);
ServizioInputBox& ServizioInputBoxCorrente();

std::string InputBox(const std::string& prompt, const std::string& titolo = "",
                     const std::string& predefinito = "");

}  // namespace platform
