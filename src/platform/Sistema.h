#pragma once
// What the system tells the program: for now the regional number separators.
// The windows install the system's own answers; tests install fixed ones.
#include <string>
#include <utility>

namespace platform {

class Sistema {
 public:
  virtual ~Sistema() = default;
  // Texts, as a locale may use a separator of more than one byte in UTF-8.
  virtual std::string SeparatoreDecimale() const = 0;
  virtual std::string SeparatoreMigliaia() const = 0;
};

// Fixed answers: "." for decimals and "," for thousands unless told otherwise.
class SistemaFisso : public Sistema {
 public:
  SistemaFisso() = default;
  SistemaFisso(std::string decimale, std::string migliaia)
      : decimale_(std::move(decimale)), migliaia_(std::move(migliaia)) {}

  std::string SeparatoreDecimale() const override { return decimale_; }
  std::string SeparatoreMigliaia() const override { return migliaia_; }
  void ImpostaSeparatori(std::string decimale, std::string migliaia) {
    decimale_ = std::move(decimale);
    migliaia_ = std::move(migliaia);
  }

 private:
  std::string decimale_ = ".";
  std::string migliaia_ = ",";
};

// Installs the system used by SistemaCorrente(); nullptr restores the fixed
// default with "." and ",".
void ImpostaSistema(Sistema* sistema);
Sistema& SistemaCorrente();

}  // namespace platform
