#include "model/Poligono.h"

#include <algorithm>
#include <bit>
#include <cstdint>

#include "drawing/Grafica.h"

namespace {

// Elements 1..Ub() of the source into a new 1-based array; false when the
// source has no element 1 or is empty.
bool CopiaDaUno(const Vettore<double>& sorgente, Vettore<double>& destinazione) {
  const int n = sorgente.Ub();
  if (n < 1 || sorgente.Lb() > 1) return false;
  Vettore<double> nuovo(1, n);
  for (int i = 1; i <= n; ++i) nuovo(i) = sorgente(i);
  destinazione = std::move(nuovo);
  return true;
}

}  // namespace

Poligono Poligono::Copia() const {
  Poligono copia;
  CopiaIn(copia);
  return copia;
}

void Poligono::CopiaIn(Poligono& copia) const {
  const int n = std::max(nVertici_, 0);
  if (n > 0) {
    // Throws, before anything is written, when the arrays do not hold them.
    x_(1), x_(n), y_(1), y_(n);
  }
  static_cast<CaratteristichePoligono&>(copia) = *this;
  copia.x_.ReDim(1, n);
  copia.y_.ReDim(1, n);
  for (int i = 1; i <= n; ++i) {
    copia.x_(i) = x_(i);
    copia.y_(i) = y_(i);
  }
  copia.nVertici_ = n;
  copia.nRettangolini_ = 0;
  copia.rapportoAree_ = 0;
  copia.controlloLati_.reset();
  if (!memoria_) memoria_ = std::make_shared<MemoriaCaratteristiche>();
  copia.memoria_ = memoria_;
}

Poligono Poligono::DaVertici(Vettore<double>&& x, Vettore<double>&& y, int n) {
  Poligono p;
  if (n < 1) return p;
  x.ReDimPreserve(n);
  y.ReDimPreserve(n);
  p.x_ = std::move(x);
  p.y_ = std::move(y);
  p.nVertici_ = n;
  return p;
}

void Poligono::ScriviVertici(std::vector<double>& vertici) const {
  const int n = std::max(nVertici_, 0);
  const double* x = x_.DaUno(n);
  const double* y = y_.DaUno(n);
  vertici.assign(x, x + n);
  vertici.insert(vertici.end(), y, y + n);
}

bool Poligono::StessiVertici(const std::vector<double>& vertici) const {
  const int n = std::max(nVertici_, 0);
  if (vertici.size() != 2 * static_cast<size_t>(n)) return false;
  const auto uguali = [](double a, double b) {
    return std::bit_cast<std::uint64_t>(a) == std::bit_cast<std::uint64_t>(b);
  };
  for (int i = 1; i <= n; ++i)
    if (!uguali(vertici[static_cast<size_t>(i) - 1], x_(i)) ||
        !uguali(vertici[static_cast<size_t>(n + i) - 1], y_(i)))
      return false;
  return true;
}

void Poligono::SetnVertici(int n) {
  nVertici_ = n;
  if (n <= 0) return;
  x_.ReDim(1, n);
  y_.ReDim(1, n);
}

void Poligono::SetCoordX(const Vettore<double>& valori) {
  nVertici_ = CopiaDaUno(valori, x_) ? valori.Ub() : 0;
}

void Poligono::SetCoordY(const Vettore<double>& valori) {
  nVertici_ = CopiaDaUno(valori, y_) ? valori.Ub() : 0;
}

double Poligono::Perimetro() const {
  const int n = nVertici_;
  if (n < 1) return 0;
  double p = 0;
  for (int i = 1; i < n; ++i) p += Grafica::Distanza(x_(i), y_(i), x_(i + 1), y_(i + 1));
  return p + Grafica::Distanza(x_(n), y_(n), x_(1), y_(1));
}
