#include "platform/FormInMemoria.h"

namespace platform {

std::string ControlInMemoria::List(int indice) const {
  if (indice < 0 || indice >= ListCount()) return {};
  return voci_[static_cast<size_t>(indice)];
}

Control& FormInMemoria::Controllo(const std::string& nome, int indice) {
  auto& c = controlli_[{nome, indice}];
  if (!c) c = std::make_unique<ControlInMemoria>();
  return *c;
}

bool FormInMemoria::Esiste(const std::string& nome, int indice) const {
  return controlli_.count({nome, indice}) != 0;
}

}  // namespace platform
