#pragma once
// A number as a drawing call receives it: its value and whether it came in
// single precision. The y mapping computes in the caller's precision, and the
// DXF text writes 7 significant digits for a single, 15 for a double.
#include "model/Vettore.h"

namespace Grafica {

struct Numero {
  double valore;
  bool singolo;

  Numero(float v) : valore(v), singolo(true) {}
  Numero(double v) : valore(v), singolo(false) {}
  // Whole numbers (the y divisor 1 above all) divide as singles do.
  Numero(int v) : valore(v), singolo(true) {}
};

// Read-only view of a float or double array, its elements as Numero.
class VettoreNumeri {
 public:
  VettoreNumeri(const Vettore<float>& v) : singoli_(&v) {}
  VettoreNumeri(const Vettore<double>& v) : doppi_(&v) {}

  Numero operator()(int i) const {
    if (singoli_) return (*singoli_)(i);
    return (*doppi_)(i);
  }
  // True when elements 1 to n are all there.
  bool Contiene(int n) const {
    const int lb = singoli_ ? singoli_->Lb() : doppi_->Lb();
    const int ub = singoli_ ? singoli_->Ub() : doppi_->Ub();
    return lb <= 1 && ub >= n;
  }

 private:
  const Vettore<float>* singoli_ = nullptr;
  const Vettore<double>* doppi_ = nullptr;
};

}  // namespace Grafica
