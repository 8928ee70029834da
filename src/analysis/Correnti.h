#pragma once
// The current section and the one materials object of the program state.
// Reset both in a test with VariabiliPubbliche::Correnti = {}.
#include <memory>

#include "analysis/SezioneCA.h"
#include "model/Materiali.h"

namespace VariabiliPubbliche {

struct StatoCorrenti {
  std::shared_ptr<SezioneCA> Sezione;  // created on first reference
  Materiali Leggi;
};

inline StatoCorrenti Correnti;

// The current section, created empty when there is none. Whoever holds the
// pointer keeps the section it got, also after it has been dropped.
std::shared_ptr<SezioneCA> SezioneCorrente();
// Drops the current section: the next reference gets a new, empty one.
void ScartaSezioneCorrente();

Materiali& MaterialiCorrenti();

}  // namespace VariabiliPubbliche
