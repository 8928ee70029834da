#pragma once
// What the column checks ask of the seismic window beyond its controls: the
// design actions moved between its boxes and the seismic state, the
// prescription list shown, the stirrup editor's commands.
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
  // Enables or disables the stirrup editor's confirm and add commands.
  virtual void StaffeControlliSetta(bool abilita) = 0;
};

}  // namespace Sismica
