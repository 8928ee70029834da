#include <cmath>
#include <numbers>
#include <optional>

#include "app/ImportaDxf.h"

namespace ImportaDxf {
namespace {

using Punto = std::complex<double>;

// One arc from a to b turning by angolo (counterclockwise when positive).
struct Arco {
  Punto a;
  Punto b;
  double angolo = 0;
  Punto centro;

  Arco(Punto da, Punto a2, double bulge) : a(da), b(a2), angolo(4 * std::atan(bulge)) {
    // The centre lies off the chord's midpoint, to the left of a->b for a
    // counterclockwise arc under a half turn.
    centro = (a + b) / 2.0 + Punto(0, 1) * (b - a) / 2.0 / std::tan(angolo / 2);
  }
  // Signed area between the arc and its chord, counted as the shoelace
  // formula counts a counterclockwise outline.
  double Segmento() const { return std::norm(a - centro) / 2 * (angolo - std::sin(angolo)); }
};

// The arc from vertex i to the next one, if that side is an arc.
std::optional<Arco> ArcoDopo(const std::vector<VerticeDxf>& vertici, std::size_t i, bool chiusa) {
  const std::size_t n = vertici.size();
  if (vertici[i].bulge == 0 || (i + 1 == n && !chiusa)) return std::nullopt;
  const Punto a(vertici[i].x, vertici[i].y);
  const Punto b(vertici[(i + 1) % n].x, vertici[(i + 1) % n].y);
  if (a == b) return std::nullopt;
  return Arco(a, b, vertici[i].bulge);
}

double AreaConSegno(const std::vector<Punto>& p) {
  double doppia = 0;
  for (std::size_t i = 0; i < p.size(); ++i) {
    const Punto& q = p[(i + 1) % p.size()];
    doppia += p[i].real() * q.imag() - q.real() * p[i].imag();
  }
  return doppia / 2;
}

// The outline with every arc cut into chords of at most passo radians.
std::vector<Punto> Corde(const std::vector<VerticeDxf>& vertici, bool chiusa, double passo) {
  std::vector<Punto> punti;
  for (std::size_t i = 0; i < vertici.size(); ++i) {
    punti.emplace_back(vertici[i].x, vertici[i].y);
    const std::optional<Arco> arco = ArcoDopo(vertici, i, chiusa);
    if (!arco) continue;
    const int corde = std::max(1, static_cast<int>(std::ceil(std::fabs(arco->angolo) / passo)));
    for (int k = 1; k < corde; ++k)
      punti.push_back(arco->centro +
                      (arco->a - arco->centro) * std::polar(1.0, arco->angolo * k / corde));
  }
  return punti;
}

}  // namespace

std::vector<std::complex<double>> ContornoConCorde(const std::vector<VerticeDxf>& vertici,
                                                   bool chiusa) {
  std::vector<Punto> diritti;
  double archi = 0;
  for (std::size_t i = 0; i < vertici.size(); ++i) {
    diritti.emplace_back(vertici[i].x, vertici[i].y);
    if (const std::optional<Arco> arco = ArcoDopo(vertici, i, chiusa)) archi += arco->Segmento();
  }
  const double esatta = AreaConSegno(diritti) + archi;
  // Halving the step quarters the error; a half of the allowed 0.1 % leaves
  // room for the rounding of the coordinates.
  double passo = std::numbers::pi / 8;
  std::vector<Punto> punti = Corde(vertici, chiusa, passo);
  while (archi != 0 && passo > std::numbers::pi / 512 &&
         std::fabs(AreaConSegno(punti) - esatta) >= 0.0005 * std::fabs(esatta)) {
    passo /= 2;
    punti = Corde(vertici, chiusa, passo);
  }
  return punti;
}

}  // namespace ImportaDxf
