#pragma once
// The box of any run of consecutive vertices of a closed outline, from a tree
// of the boxes of runs built once: each box costs a few steps, not a walk
// along the run.
#include <array>
#include <cstddef>
#include <vector>

class RiquadriDeiTratti {
 public:
  // Vertices (x, y)[0..n-1].
  RiquadriDeiTratti(const double* x, const double* y, int n);
  // xMin, xMax, yMin, yMax of the vertices da, da + 1, ..., a (counted from
  // 1), past vertex n on to vertex 1 when a < da.
  std::array<double, 4> Riquadro(int da, int a) const;

 private:
  void Aggiunge(std::array<double, 4>& r, std::size_t nodo) const;
  std::size_t n_;
  std::vector<std::array<double, 4>> nodi_;  // leaves from n_ on
};
