#pragma once
// Program state and materials of the ultimate-limit-state tests: C25/30 with
// fcd = 0.85 * 25 / 1.5, B450C bars (fyd = 391.3), Es = 200000.
#include "doppi/SezioneProva.h"
#include "analysis/Correnti.h"
#include "doppi/FinestreProva.h"
#include "platform/MsgBoxScriptato.h"

class StatoSlu {
 public:
  StatoSlu() {
    using VariabiliPubbliche::Stato;
    VariabiliPubbliche::Correnti = VariabiliPubbliche::StatoCorrenti{};
    Stato.Fcd = fcd;
    Stato.Fyd = {fyd, 1391.3};
    Stato.EpsYdSezione = {fyd / 200000, 1391.3 / 200000};
    Stato.NumeroRettangoli = 500;
    Carica();
  }
  ~StatoSlu() { VariabiliPubbliche::Correnti = VariabiliPubbliche::StatoCorrenti{}; }
  StatoSlu(const StatoSlu&) = delete;
  StatoSlu& operator=(const StatoSlu&) = delete;

  static constexpr double fcd = 0.85 * 25 / 1.5;
  static constexpr double fyd = 391.3;

  // Loads the materials from the program state, again after a change.
  static void Carica() { VariabiliPubbliche::MaterialiCorrenti().InizializzaMateriali(200000); }

 private:
  StatoPulito pulito_;
};

// Rectangle 300 x 500 centred on the origin with 4 bars of area a at
// (+-100, +-200), on a SezioneCA or a SezioneCAreagente.
template <class Sezione>
void RettangoloQuattroBarre(Sezione& s, float a) {
  Rettangolo(*s.Contorno, 300, 500);
  s.BarreDati(4, {-100, 100, -100, 100}, {-200, -200, 200, 200}, {a, a, a, a}, RapportiN, 0,
              Nessuno, Nessuno, Nessuno, Nessuno);
}
