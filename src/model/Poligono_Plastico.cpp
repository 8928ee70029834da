// Plastic section moduli: the first moment of each half of the area about the
// line that halves it.
#include "model/Poligono.h"

double Poligono::WplasticoCerchio(double RaggioEsterno, double RaggioInterno) {
  const double R = RaggioEsterno, r = RaggioInterno;
  return (R * R * R - r * r * r) * 8 / 6;
}

double Poligono::Wplastico(bool Verticale, bool Cerchio, double RaggioEsterno,
                           double RaggioInterno, double* linea) {
  if (Cerchio) return WplasticoCerchio(RaggioEsterno, RaggioInterno);
  std::optional<Poligono> sopra, sotto;
  double c;
  Dividi(0.5, sopra, sotto, c, Verticale);
  // Only a line outside the polygon (the root finder gave up, and said so)
  // leaves a part empty.
  if (!sopra || !sotto) return 0;
  sopra->CaratteristicheStatiche();
  sotto->CaratteristicheStatiche();
  const float braccio = static_cast<float>(Verticale ? sopra->xG - sotto->xG
                                                     : sopra->yG - sotto->yG);
  AreaCalcola();
  if (linea) *linea = c;
  return Area / 2 * braccio;
}

void Poligono::Wplastici() {
  if (Area == 0) {
    Wplx = 0;
    Wply = 0;
    return;
  }
  Wplx = Wplastico(false);
  Wply = Wplastico(true);
}
