#include "analysis/MostraCls.h"

#include <string>

#include "model/VariabiliPubbliche.h"

void MostraCls(platform::Control& casella, double sigma) {
  std::string testo = VariabiliPubbliche::FormattaValore(sigma);
  VariabiliPubbliche::InvertiSegnoTesto(casella, testo);
}
