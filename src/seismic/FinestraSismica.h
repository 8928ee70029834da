#pragma once
// What the column checks ask of the seismic window beyond its controls: the
// design actions moved between its boxes and the seismic state, and the
// prescription list shown.
#include <string>
#include <vector>

#include "platform/Form.h"

namespace Sismica {

class FinestraSismica : public platform::Form {
 public:
  // True: state to boxes (kN, kNm); false: boxes to state (N, Nmm).
  virtual void AzioniLeggeScrive(bool Scrive) = 0;
  // Shows the texts as the prescription list (see ListaPrescrizioni.h).
  virtual void ListaPrescrizioniNew(const std::vector<std::string>& coll) = 0;
};

}  // namespace Sismica
