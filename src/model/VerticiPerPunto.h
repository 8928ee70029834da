#pragma once
// The vertices of an outline found by their place: those within a distance
// of a point, from a table of the cells of a grid that hold vertices, made
// in one pass, so that finding the runs of an outline through a point costs
// no walk along the whole outline.
#include <cstdint>
#include <vector>

class VerticiPerPunto {
 public:
  // Vertices (x, y)[0..n-1], met within zero; one not finite meets none.
  VerticiPerPunto(const double* x, const double* y, int n, double zero);
  // The vertices (counted from 1, rising) within zero of (px, py); the list
  // holds until the next call.
  const std::vector<int>& Presso(double px, double py) const;

 private:
  // The cell of v along one axis, and whether v lies in its upper half.
  std::int64_t Indice(double v, double origine, bool& alto) const;
  // The place in posti_ of the cell of key c: the one that lists its
  // vertices, or the free one it would take.
  std::size_t Posto(std::uint64_t c) const;
  const double* x_;
  const double* y_;
  double zero_, perLato_ = 1, x0_ = 0, y0_ = 0;  // cells per unit length
  std::vector<std::uint64_t> chiave_;  // of each vertex's cell, from 1
  // Open addressing on a power of two places, each the first vertex of a
  // cell (0 free); the next vertex of each vertex's cell, 0 after the last.
  std::vector<int> posti_, seguente_;
  mutable std::vector<int> trovati_;
};
