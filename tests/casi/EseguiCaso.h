#pragma once
// Runs the analysis a case asks for through the engine, as the windows do.
#include <map>
#include <string>

#include "FileCaso.h"

struct RisultatiCaso {
  // Numeric results by field name ("Mx", "Tipo_Rottura", ...).
  std::map<std::string, double> numeri;
  // Texts written into the result controls, by "control.index" ("F_Mu.0").
  std::map<std::string, std::string> testi;
  // Empty when the case ran; otherwise why it could not.
  std::string errore;
};

RisultatiCaso EseguiCaso(const Caso& caso);
