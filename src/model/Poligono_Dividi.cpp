// Division of a polygon by a horizontal or vertical line, and by the line that
// splits its area in a given ratio.
#include "model/Poligono.h"

void Poligono::DividiY(double c, std::optional<Poligono>& sopra, std::optional<Poligono>& sotto,
                       bool verticale) const {
  const float linea = static_cast<float>(c);
  double xMin, xMax, yMin, yMax;
  MaxMin(xMin, xMax, yMin, yMax);
  const float massimo = static_cast<float>(verticale ? xMax : yMax);
  // The line is linea - y = 0 (linea - x = 0): negative above (right of) it.
  const double a = verticale ? -1 : 0, b = verticale ? 0 : -1;
  Poligono tagliato;
  Vettore<int> segnati;
  if (!ConIntersezioni(a, b, linea, tagliato, segnati)) {
    const bool tuttoSotto = linea >= massimo;
    sopra = tuttoSotto ? std::nullopt : std::optional<Poligono>(Copia());
    sotto = tuttoSotto ? std::optional<Poligono>(Copia()) : std::nullopt;
    return;
  }
  sopra = ParteDaUnLato(tagliato, segnati, a, b, linea, -1);
  sotto = ParteDaUnLato(tagliato, segnati, a, b, linea, 1);
}

void Poligono::Dividi(double rapporto, std::optional<Poligono>& sopra,
                      std::optional<Poligono>& sotto, double& c, bool verticale) {
  rapportoAree_ = static_cast<float>(rapporto);
  AreaCalcola();
  double xMin, xMax, yMin, yMax;
  MaxMin(xMin, xMax, yMin, yMax);
  double da = static_cast<float>(verticale ? xMin : yMin);
  double a = static_cast<float>(verticale ? xMax : yMax);
  c = Matematica::RadiceRegulaFalsi(*this, da, a, Area / 10000, verticale ? 1.0 : 0.0);
  DividiY(c, sopra, sotto, verticale);
}

double Poligono::yEquazione(double& c, const std::optional<double>& verticale) {
  std::optional<Poligono> sopra, sotto;
  DividiY(c, sopra, sotto, verticale.value_or(0) != 0);
  if (!sopra) return -(rapportoAree_ * Area);
  sopra->AreaCalcola();
  return sopra->Area - rapportoAree_ * Area;
}
