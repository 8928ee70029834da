#pragma once
// A two-dimensional table that keeps its own lower bounds (rows first, then
// columns), as grids are read from row 1 and some tables from 0. A table never
// dimensioned has no bounds at all: Dimensionata() is false.
#include <stdexcept>
#include <string>
#include <vector>

template <class T>
class Matrice {
 public:
  Matrice() = default;
  Matrice(int lb1, int ub1, int lb2, int ub2) { ReDim(lb1, ub1, lb2, ub2); }

  T& operator()(int i, int j) { return dati_[Posizione(i, j)]; }
  const T& operator()(int i, int j) const { return dati_[Posizione(i, j)]; }

  bool Dimensionata() const { return dimensionata_; }
  int Lb1() const { return lb1_; }
  int Ub1() const { return lb1_ + righe_ - 1; }
  int Lb2() const { return lb2_; }
  int Ub2() const { return lb2_ + colonne_ - 1; }
  int Righe() const { return righe_; }
  int Colonne() const { return colonne_; }

  // New bounds, every element reset. An upper bound below its lower bound
  // leaves that dimension empty.
  void ReDim(int lb1, int ub1, int lb2, int ub2) {
    dimensionata_ = true;
    lb1_ = lb1;
    lb2_ = lb2;
    righe_ = ub1 >= lb1 ? ub1 - lb1 + 1 : 0;
    colonne_ = ub2 >= lb2 ? ub2 - lb2 + 1 : 0;
    dati_.assign(static_cast<size_t>(righe_) * static_cast<size_t>(colonne_), T{});
  }

  bool operator==(const Matrice&) const = default;

 private:
  size_t Posizione(int i, int j) const {
    const size_t r = static_cast<size_t>(i - lb1_);  // below a lower bound wraps past the end
    const size_t c = static_cast<size_t>(j - lb2_);
    if (r >= static_cast<size_t>(righe_) || c >= static_cast<size_t>(colonne_)) [[unlikely]]
      FuoriLimiti(i, j);
    return r * static_cast<size_t>(colonne_) + c;
  }

  [[noreturn, gnu::cold, gnu::noinline]] void FuoriLimiti(int i, int j) const {
    throw std::out_of_range("indici (" + std::to_string(i) + ", " + std::to_string(j) +
                            ") fuori dai limiti");
  }

  bool dimensionata_ = false;
  int lb1_ = 0, lb2_ = 0;
  int righe_ = 0, colonne_ = 0;
  std::vector<T> dati_;
};
