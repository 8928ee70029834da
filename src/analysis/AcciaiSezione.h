#pragma once
// Bars and tendons of a section, as both the section and its reacting parts
// hold them: modular ratios [0] bars, [1] tendons, counts, coordinates and
// areas (1-based), the tendons' prestress and initial strains.
#include <array>

#include "model/Vettore.h"

struct AcciaiSezione {
  std::array<float, 2> RapportiN{};
  int nBarre = 0;
  Vettore<float> xBarre;
  Vettore<float> yBarre;
  Vettore<float> AreeBarre;
  int nCavi = 0;
  Vettore<float> xCavi;
  Vettore<float> yCavi;
  Vettore<float> AreeCavi;
  Vettore<float> PrecompressioneCavi;  // N/mm2, tension positive
  Vettore<double> EpsCaviIniziale;

  // Ratios, then elements 1..n of each group with its count. A group is
  // re-dimensioned only when its count is above zero, so with none it keeps
  // its old contents (the prestress goes with the tendons). A source without
  // elements 1..n throws and leaves that group as it was.
  void CopiaAcciai(int nFerri, const Vettore<float>& xFerri, const Vettore<float>& yFerri,
                   const Vettore<float>& areeFerri, const std::array<float, 2>& rapporti,
                   int nTrefoli, const Vettore<float>& xTrefoli, const Vettore<float>& yTrefoli,
                   const Vettore<float>& areeTrefoli, const Vettore<float>& precompressione);
  // The memory of altri's coordinate, area and prestress arrays, so that the
  // next copy needs none; both sets of arrays are left empty.
  void PrendiMemoria(AcciaiSezione& altri);
};
