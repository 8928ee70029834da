#pragma once
// The engine's closed form of a design rectangle, raised for one design run
// or one of its trials and lowered on every way out, so that no verification
// of another window runs with it.
#include "model/VariabiliPubbliche.h"

class ScorciatoiaProgetto {
 public:
  ScorciatoiaProgetto() { VariabiliPubbliche::Stato.ProgettoInCorso = true; }
  ~ScorciatoiaProgetto() { VariabiliPubbliche::Stato.ProgettoInCorso = false; }
  ScorciatoiaProgetto(const ScorciatoiaProgetto&) = delete;
  ScorciatoiaProgetto& operator=(const ScorciatoiaProgetto&) = delete;
};
