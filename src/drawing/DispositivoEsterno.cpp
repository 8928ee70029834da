#include "drawing/DispositivoEsterno.h"

#include <map>

namespace Grafica {

namespace {
std::map<std::string, DispositivoEsterno*>& Registro() {
  static std::map<std::string, DispositivoEsterno*> registro;
  return registro;
}
}  // namespace

void RegistraDispositivoEsterno(const std::string& nome, DispositivoEsterno* dispositivo) {
  if (dispositivo)
    Registro()[nome] = dispositivo;
  else
    Registro().erase(nome);
}

DispositivoEsterno* DispositivoEsternoRegistrato(const std::string& nome) {
  const auto trovato = Registro().find(nome);
  return trovato == Registro().end() ? nullptr : trovato->second;
}

}  // namespace Grafica
