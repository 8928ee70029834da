#pragma once
// What the checks of an outline's cuts share, each part made when a cut
// first needs it: the outline's orientation, its vertices by place and the
// boxes of its runs of vertices.
#include <optional>
#include <vector>

#include "model/Poligono.h"
#include "model/RiquadriDeiTratti.h"
#include "model/VerticiPerPunto.h"

struct Poligono::Tagli {
  // The polygon, kept unchanged while these are used, and the distance
  // within which its points are one.
  Tagli(const Poligono& p, double zero) : poligono(p), zero(zero) {}
  const Poligono& poligono;
  const double zero;
  std::vector<int> nelVuoto;  // the sides of the cuts through holes met

  // 1 counterclockwise, -1 clockwise.
  int Verso() {
    if (verso_ == 0) verso_ = poligono.Verso();
    return verso_;
  }
  const VerticiPerPunto& Vertici() {
    if (!vertici_) vertici_.emplace(X(), Y(), poligono.nVertici_, zero);
    return *vertici_;
  }
  const RiquadriDeiTratti& Riquadri() {
    if (!riquadri_) riquadri_.emplace(X(), Y(), poligono.nVertici_);
    return *riquadri_;
  }

 private:
  const double* X() const { return poligono.x_.DaUno(poligono.nVertici_); }
  const double* Y() const { return poligono.y_.DaUno(poligono.nVertici_); }
  int verso_ = 0;
  std::optional<VerticiPerPunto> vertici_;
  std::optional<RiquadriDeiTratti> riquadri_;
};
