// Horizontal strips of small rectangles, integrated by the ultimate-limit-state
// engine from the top down.
#include <algorithm>
#include <cmath>
#include <string>

#include "model/Matematica.h"
#include "model/Poligono.h"
#include "platform/MsgBox.h"

namespace {

// Moves the running depth t down by one strip, not past L; m is the middle of
// the part from s to t.
void AvanzaProfondita(double altezza, double& t, double L, double s, double& m) {
  t += altezza;
  if (t > L) t = L;
  m = (s + t) / 2;
}

}  // namespace

bool Poligono::DiscretizzaPoligono(int n, double& altezza, double& larghezza, double& yMax,
                                   bool soloDimensioni) {
  double x0, x1, y0;
  MaxMin(x0, x1, y0, yMax);
  const float xMin = static_cast<float>(x0), xMax = static_cast<float>(x1);
  const float yMin = static_cast<float>(y0);
  altezza = yMax - yMin;
  larghezza = static_cast<float>(xMax - xMin);
  if (soloDimensioni) return true;

  const int strisce = std::max(n, 0);
  constexpr int massimo = StrisceRettangolini::MaxRettangoli;
  StrisceRettangolini& s = strisce_;
  s.Altezza.ReDim(1, strisce);
  s.yCentro.ReDim(1, strisce);
  s.nRettangoli.ReDim(1, strisce);
  s.Larghezza.ReDim(1, strisce, 1, massimo);
  s.xCentro.ReDim(1, strisce, 1, massimo);
  nRettangolini_ = strisce;

  bool completa = true;
  std::vector<double> ascisse;
  ascisse.reserve(static_cast<size_t>(std::max(nVertici_, 0)));
  const double h = (yMax - yMin) / strisce;
  double yMedia = yMax - h / 2;  // the mid-line, 64-bit
  for (int i = 1; i <= strisce; ++i, yMedia -= h) {
    s.Altezza(i) = static_cast<float>(h);
    s.yCentro(i) = static_cast<float>(i == 1 ? yMedia : s.yCentro(i - 1) - h);
    // Pairs of crossings along the mid-line bound the parts inside.
    AscisseSuOrizzontale(yMedia, ascisse);
    std::sort(ascisse.begin(), ascisse.end());
    int k = 0;
    for (size_t j = 0; j + 1 < ascisse.size(); j += 2) {
      if (k == massimo) {
        completa = false;
        break;
      }
      ++k;
      s.Larghezza(i, k) = static_cast<float>(std::fabs(ascisse[j + 1] - ascisse[j]));
      s.xCentro(i, k) = static_cast<float>((ascisse[j] + ascisse[j + 1]) / 2);
    }
    s.nRettangoli(i) = k;
  }
  if (!completa)
    platform::MsgBox("Contorno troppo frastagliato: una striscia richiede più di " +
                         std::to_string(massimo) +
                         " rettangoli. I rettangoli in eccesso sono stati ignorati.",
                     platform::Pulsanti::Ok, platform::Icona::Esclamazione);
  return completa;
}

bool Poligono::DiscretizzaCerchio(int n, double raggio) {
  StrisceRettangolini& s = strisce_;
  if (s.Altezza.Conta() < n) return false;
  const float R = static_cast<float>(raggio);
  const float d = static_cast<float>(Matematica::Pi / n);
  double theta = Matematica::Pi / 2 - d;
  for (int i = 1; i <= n; ++i) {
    if (i == 1) {
      // The cap: half the chord below it.
      const float h = static_cast<float>(R - R * std::sin(theta));
      s.Larghezza(1, 1) = static_cast<float>(R * std::cos(theta));
      s.Altezza(1) = h;
      s.yCentro(1) = R - h / 2;
    } else {
      // The mean of the chords at the top and bottom of the strip.
      const double sopra = theta;
      theta -= d;
      s.Larghezza(i, 1) = static_cast<float>(R * std::cos(sopra) + R * std::cos(theta));
      s.Altezza(i) = static_cast<float>(R * std::sin(sopra) - R * std::sin(theta));
      s.yCentro(i) = static_cast<float>(R * (std::sin(sopra) + std::sin(theta)) / 2);
    }
    s.xCentro(i, 1) = 0;
    s.nRettangoli(i) = 1;
  }
  return true;
}

double Poligono::RettangolinoArea(double& t, double L, double s, double& m, int i) const {
  AvanzaProfondita(strisce_.Altezza(i), t, L, s, m);
  double area = 0;
  for (int k = 1; k <= strisce_.nRettangoli(i); ++k) area += strisce_.Larghezza(i, k) * (t - s);
  return area;
}

void Poligono::RettangolinoMomenti(double& t, double L, double s, double& m, int i, double& Sx,
                                   double& Sy, double x0, double y0) const {
  AvanzaProfondita(strisce_.Altezza(i), t, L, s, m);
  Sx = 0;
  Sy = 0;
  for (int k = 1; k <= strisce_.nRettangoli(i); ++k) {
    const double a = (t - s) * strisce_.Larghezza(i, k);
    Sx += a * (strisce_.yCentro(i) - y0);
    Sy += a * (strisce_.xCentro(i, k) - x0);
  }
}
