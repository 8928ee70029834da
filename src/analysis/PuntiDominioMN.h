#pragma once
// The points of an M-N domain as four lists in step, 0-based here (point i of
// the window is element i - 1): resisting moment and axial force (32-bit, Nmm
// and N, compression positive) and the concrete strains of the top and bottom
// fibre of the plane that gives them.
#include <algorithm>
#include <cmath>
#include <cstddef>
#include <vector>

struct PuntiDominioMN {
  std::vector<float> M;
  std::vector<float> N;
  std::vector<float> EpsSup;
  std::vector<float> EpsInf;

  std::size_t Conta() const { return M.size(); }
  void Riserva(std::size_t n) {
    M.reserve(n);
    N.reserve(n);
    EpsSup.reserve(n);
    EpsInf.reserve(n);
  }
  // Every moment and force a finite number.
  bool Finiti() const {
    auto finito = [](float v) { return std::isfinite(v); };
    return std::all_of(M.begin(), M.end(), finito) && std::all_of(N.begin(), N.end(), finito);
  }
  void Aggiungi(float m, float n, float epsSup, float epsInf) {
    M.push_back(m);
    N.push_back(n);
    EpsSup.push_back(epsSup);
    EpsInf.push_back(epsInf);
  }
};
