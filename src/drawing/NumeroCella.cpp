#include "drawing/NumeroCella.h"

#include <stdexcept>

#include "model/GeneraleTesto.h"

namespace NumeroCella {

bool Numerico(const std::string& testo) { return Generale::NumeroTesto(testo).has_value(); }

double Valore(const std::string& testo) {
  const std::optional<double> valore = Generale::NumeroTesto(testo);
  if (!valore) throw std::invalid_argument("\"" + testo + "\" non è un numero");
  return *valore;
}

}  // namespace NumeroCella
