#pragma once
// The material state of the job as one piece: the design code with its
// factors, strengths, strains, allowable stresses, designations, confidence
// factors and grade tables. The materials window keeps the one it found and
// gives it back when the user cancels.
#include <utility>

#include "model/VariabiliPubbliche.h"

class StatoMateriali {
 public:
  // The material state in force now.
  StatoMateriali();
  // Puts it back into the program state, and the tendon types of the main
  // window with it unless told not to; nothing else of the state changes.
  void Ripristina(bool listaCavi = true) const;
  // A value put in force elsewhere meanwhile, copied by copia(state now,
  // state kept): what is given back keeps it.
  template <class Copia>
  void Prende(Copia copia) {
    copia(std::as_const(VariabiliPubbliche::Stato), salvato_);
  }

 private:
  VariabiliPubbliche::StatoProgramma salvato_;
};
