#include "seismic/StatoSismica.h"

#include "app/Messaggi.h"
#include "model/Intervalli.h"
#include "model/VariabiliPubbliche.h"

namespace Sismica {

// The curvature ductilities and the reserved values stay as they are.
void ValoriDefault() {
  Stato.ElementoSetto = 0;
  VariabiliPubbliche::Stato.NormativaSismica = 0;
  Stato.DuttilitaMedia = 0;
  Stato.TitoloSismica.clear();
  Stato.PilastroPrimiDuePiani = 0;
  Stato.PilastroDiBase = false;
  Stato.PilastroMensola = false;
  Stato.NEdSismica = 0;
  Stato.MEdSuperiore = {};
  Stato.MEdInferiore = {};
  Stato.PeriodoT1 = 0;
  Stato.PeriodoTC = 0;
  Stato.FattoreStrutturaQ0 = 5.85;
  Stato.DueTerziQ0Sup = 0;
  Stato.DueTerziQ0Inf = 0;
  Stato.RapportoMomentiSup = 1;
  Stato.RapportoMomentiInf = 1;
  Stato.PilastroCorrente = Pilastro{};
  Stato.BloccoFile = {};
}

std::string CoefficientiNonValidi() {
  if (Stato.CoefficientiIlleggibili) return Messaggi::ErroreDati;
  if (VariabiliPubbliche::Stato.NormativaSismica != 1) return "";
  using Intervalli::FuoriIntervallo;
  using G = Intervalli::Grandezza;
  const double mu = Stato.PilastroCorrente.SezioneInferiore ? Stato.DuttilitaCurvaturaInf
                                                            : Stato.DuttilitaCurvaturaSup;
  for (const std::string& motivo :
       {FuoriIntervallo(G::FattoreStruttura, Stato.FattoreStrutturaQ0),
        FuoriIntervallo(G::Periodo, Stato.PeriodoT1, "T1"),
        FuoriIntervallo(G::Periodo, Stato.PeriodoTC, "TC"),
        FuoriIntervallo(G::RapportoMomenti, Stato.RapportoMomentiInf, "r sez. inferiore"),
        FuoriIntervallo(G::RapportoMomenti, Stato.RapportoMomentiSup, "r sez. superiore"),
        mu == 0 ? std::string() : FuoriIntervallo(G::DuttilitaCurvatura, mu)})
    if (!motivo.empty()) return motivo;
  return "";
}

}  // namespace Sismica
