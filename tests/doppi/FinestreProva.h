#pragma once
// Windows as the engine sees them, with their controls in memory; and a guard
// that leaves the program state and the window register as it found them.
#include <string>

#include "model/Finestre.h"
#include "model/VariabiliPubbliche.h"
#include "platform/FormInMemoria.h"

// The "Normativa" menu as the windows build it: items 0..nVoci-1.
inline void CreaMenuNormativa(platform::Form& finestra, int nVoci) {
  static const char* const voci[] = {"NTC 2018", "DM 1996", "NTC 2018 - Strutture esistenti"};
  for (int i = 0; i < nVoci; ++i) finestra.Controllo("NormativaItem", i).SetCaption(voci[i]);
}

class StatoPulito {
 public:
  StatoPulito() { Azzera(); }
  ~StatoPulito() { Azzera(); }
  StatoPulito(const StatoPulito&) = delete;
  StatoPulito& operator=(const StatoPulito&) = delete;

 private:
  static void Azzera() {
    VariabiliPubbliche::Stato = VariabiliPubbliche::StatoProgramma{};
    Finestre::Aperte = Finestre::FinestreAperte{};
  }
};
