#pragma once
// Regional separators fixed for a test, restored to "." and "," afterwards.
#include <string>
#include <utility>

#include "platform/Sistema.h"

class SeparatoriProva {
 public:
  explicit SeparatoriProva(std::string decimale = ".", std::string migliaia = ",")
      : sistema_(std::move(decimale), std::move(migliaia)) {
    platform::ImpostaSistema(&sistema_);
  }
  ~SeparatoriProva() { platform::ImpostaSistema(nullptr); }
  SeparatoriProva(const SeparatoriProva&) = delete;
  SeparatoriProva& operator=(const SeparatoriProva&) = delete;

 private:
  platform::SistemaFisso sistema_;
};
