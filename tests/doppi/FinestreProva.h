#pragma once
// Windows as the engine sees them, with their controls in memory; and a guard
// that leaves the program state and the window register as it found them.
#include <array>
#include <string>

#include "model/Finestre.h"
#include "model/VariabiliPubbliche.h"
#include "platform/FormInMemoria.h"

// The "Normativa" menu as the windows build it: items 0..nVoci-1.
inline void CreaMenuNormativa(platform::Form& finestra, int nVoci) {
  static const char* const voci[] = {"NTC 2018", "DM 1996", "NTC 2018 - Strutture esistenti"};
  for (int i = 0; i < nVoci; ++i) finestra.Controllo("NormativaItem", i).SetCaption(voci[i]);
}

// The materials window: one steel table per design code, copied on request.
class MaterialiProva : public Finestre::FinestraMateriali {
 public:
  MaterialiProva() { CreaMenuNormativa(form_, 3); }
  std::string Name() const override { return form_.Name(); }
  platform::Control& Controllo(const std::string& nome, int indice) override {
    return form_.Controllo(nome, indice);
  }
  void AssegnaMatrAcciaio() override {
    ++copie;
    VariabiliPubbliche::Stato.TabellaAcciai = TabellePerNormativa.at(
        static_cast<std::size_t>(VariabiliPubbliche::Stato.Normativa));
  }

  std::array<Vettore<VariabiliPubbliche::RigaAcciaio>, 3> TabellePerNormativa;
  int copie = 0;

 private:
  platform::FormInMemoria form_{"Material"};
};

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
