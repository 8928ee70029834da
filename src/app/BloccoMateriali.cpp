#include "app/BloccoMateriali.h"

#include <cmath>

#include "app/FileInOut.h"
#include "model/VariabiliPubbliche.h"
#include "model/VariabiliPubbliche.h"

namespace FileImpostazioni {
namespace {

using Generale::FileInOut;
using Generale::VersioneMinore;
using VariabiliPubbliche::Stato;

template <class T>
void Positivo(T& valore, T predefinito) {
  if (!(valore > 0)) valore = predefinito;
}

void LeggeScrive(Generale::FileDati& file, const std::string& modo, const std::string& versione) {
  const bool lettura = modo == "L";
  auto precedente = [&](const char* minima) { return lettura && VersioneMinore(versione, minima); };

  auto& sigle = Stato.SiglaAcciaio;
  if (precedente("6.0")) {
    FileInOut(modo, file, sigle[0]);
  } else if (precedente("6.2")) {
    std::string scartato;
    FileInOut(modo, file, sigle[0], scartato, sigle[1]);
  } else {
    FileInOut(modo, file, sigle[0], sigle[1]);
  }

  if (precedente("6.0"))
    FileInOut(modo, file, Stato.ModuloEs, Stato.EpsSu, Stato.Fyd[0]);
  else
    FileInOut(modo, file, Stato.ModuloEs, Stato.EpsSu, Stato.Fyd[0], Stato.Fyd[1]);

  FileInOut(modo, file, Stato.SiglaCalcestruzzo);

  if (precedente("7.6"))
    FileInOut(modo, file, Stato.EpsCu, Stato.Fcd, Stato.AlfaCC, Stato.RapportoFccFcd);
  else
    FileInOut(modo, file, Stato.EpsCu, Stato.Fcd, Stato.AlfaCC, Stato.RapportoFccFcd, Stato.EpsC2);
  if (lettura) CorreggiDivisori();
  // Files before 7.0 hold fcd without alfa_cc.
  if (precedente("7.0")) {
    const double fcd = Stato.Fcd * Stato.AlfaCC;
    if (!std::isfinite(fcd))
      throw Generale::ErroreFile(Generale::ErroreOverflow, "fcd fuori dai limiti");
    Stato.Fcd = fcd;
  }

  if (precedente("7.8")) return;
  FileInOut(modo, file, Stato.FattoreConfidenza[0], Stato.FattoreConfidenza[1]);
  if (lettura) CorreggiDivisori();
}

}  // namespace

void BloccoMaterialiLeggeScrive(Generale::FileDati& file, const std::string& modo,
                                const std::string& versione) {
  try {
    LeggeScrive(file, modo, versione);
  } catch (const Generale::ErroreFile&) {
    if (modo == "L") CorreggiDivisori();
    throw;
  }
}

void CorreggiDivisori() {
  Positivo(Stato.ModuloEs, 200000.0);
  Positivo(Stato.AlfaCC, 0.85);
  Positivo(Stato.GammaC, 1.5);
  Positivo(Stato.GammaS, 1.15);
  for (float& fattore : Stato.FattoreConfidenza) Positivo(fattore, 1.0f);
}

}  // namespace FileImpostazioni
