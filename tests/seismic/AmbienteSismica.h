#pragma once
// A file environment with the seismic state and the current section reset
// before and after.
#include "analysis/Correnti.h"
#include "app/AmbienteFile.h"
#include "seismic/StatoSismica.h"

class AmbienteSismica : public AmbienteFile {
 public:
  AmbienteSismica() { Azzera(); }
  ~AmbienteSismica() { Azzera(); }

 private:
  static void Azzera() {
    Sismica::Stato = Sismica::StatoSismico{};
    VariabiliPubbliche::Correnti = VariabiliPubbliche::StatoCorrenti{};
  }
};
