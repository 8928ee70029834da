#include "model/Barra.h"

#include "model/Matematica.h"
#include "model/VariabiliPubbliche.h"

float Barra::Area() const {
  const double d = Diametro;
  return static_cast<float>(d * d * (nBarre * Matematica::Pi) / 4);
}

float Barra::Peso() const {
  const float metri = Diametro / 1000;
  return VariabiliPubbliche::PesoBarre(metri, 1) * nBarre;
}
