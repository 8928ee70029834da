#pragma once
// Module state of the drawing module, one instance: reset it in a test with
// Grafica::Stato = Grafica::StatoGrafica{}.

namespace Grafica {

struct StatoGrafica {
  // Coincidence tolerance of points, set by ImpostaZeroMaxDimen and left set.
  double ZeroMaxDimen = 0;
};

inline StatoGrafica Stato;

}  // namespace Grafica
