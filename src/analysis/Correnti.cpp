#include "analysis/Correnti.h"

namespace VariabiliPubbliche {

std::shared_ptr<SezioneCA> SezioneCorrente() {
  if (!Correnti.Sezione) Correnti.Sezione = std::make_shared<SezioneCA>();
  return Correnti.Sezione;
}

void ScartaSezioneCorrente() { Correnti.Sezione.reset(); }

Materiali& MaterialiCorrenti() { return Correnti.Leggi; }

}  // namespace VariabiliPubbliche
