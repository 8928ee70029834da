#include "analysis/ParteReagente.h"

#include <cmath>

#include "analysis/StatiSezione.h"

Poligono ParteReagente(const Poligono& contorno, double xR, double yR, double wR, double a,
                       double b, double c, int& stato) {
  Poligono parte;
  ParteReagente(contorno, xR, yR, wR, a, b, c, stato, parte);
  return parte;
}

void ParteReagente(const Poligono& contorno, double xR, double yR, double wR, double a, double b,
                   double c, int& stato, Poligono& parte) {
  contorno.PoligonoReagenteIn(xR, yR, wR, a, b, c, stato, parte, false);
  if (stato == StatoSezione::Parzializzata) return;
  // Missed: the vertex farthest from the line tells the outline's side.
  double latoContorno = 0;
  for (int i = 1; i <= contorno.nVertici(); ++i) {
    const double v = a * contorno.X(i) + b * contorno.Y(i) + c;
    if (std::fabs(v) > std::fabs(latoContorno)) latoContorno = v;
  }
  const double latoRiferimento = a * xR + b * yR + c * wR;
  if (latoContorno == 0 || latoRiferimento == 0) return;
  const bool compresso = (latoContorno > 0) == (latoRiferimento > 0);
  stato = compresso ? StatoSezione::InteramenteReagente : StatoSezione::SoloAcciaio;
  parte = Poligono();
  if (compresso) parte.Coordinate(contorno.CoordX(), contorno.CoordY(), contorno.nVertici());
}
