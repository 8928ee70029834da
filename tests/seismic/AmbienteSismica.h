#pragma once
// A file environment with the seismic state reset before and after.
#include "app/AmbienteFile.h"
#include "seismic/StatoSismica.h"

class AmbienteSismica : public AmbienteFile {
 public:
  AmbienteSismica() { Sismica::Stato = Sismica::StatoSismico{}; }
  ~AmbienteSismica() { Sismica::Stato = Sismica::StatoSismico{}; }
};
