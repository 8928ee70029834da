#include "app/BloccoMateriali.h"

#include <cmath>

#include "app/FileInOut.h"
#include "model/Formato.h"
#include "model/Intervalli.h"
#include "model/Materiali.h"
#include "model/VariabiliPubbliche.h"
#include "platform/MsgBox.h"

namespace FileImpostazioni {
namespace {

using Generale::FileInOut;
using Generale::VersioneMinore;
using VariabiliPubbliche::Stato;

int Controlli = 0;

}  // namespace

SoloControllo::SoloControllo() { ++Controlli; }

SoloControllo::~SoloControllo() { --Controlli; }

bool SoloControllo::Attivo() { return Controlli > 0; }

std::string Sostituito(Intervalli::Grandezza g, double letto, double predefinito,
                       const std::string& nome) {
  const Intervalli::Intervallo& i = Intervalli::Di(g);
  const std::string unita = *i.unita ? std::string(" ") + i.unita : "";
  const std::string valore = std::isfinite(letto)
                                 ? Intervalli::TestoValore(g, letto, nome)
                                 : nome + " non finito";
  return valore + ": sostituito con " + Formattazione::TestoNumero(predefinito * i.scala) +
         unita + "\r\n";
}

void BloccoMaterialiLeggeScrive(Generale::FileDati& file, const std::string& modo,
                                const std::string& versione) {
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
  // Files before 7.0 hold fcd without alfa_cc.
  if (precedente("7.0")) {
    const double fcd = Stato.Fcd * Stato.AlfaCC;
    if (!std::isfinite(fcd))
      throw Generale::ErroreFile(Generale::ErroreOverflow, "fcd fuori dai limiti");
    Stato.Fcd = fcd;
  }

  if (precedente("7.8")) return;
  FileInOut(modo, file, Stato.FattoreConfidenza[0], Stato.FattoreConfidenza[1]);
}

std::string SostituisceValoriFuoriIntervallo() {
  using G = Intervalli::Grandezza;
  std::string elenco;
  const auto controlla = [&](G g, auto& campo, double predefinito, const char* nome) {
    Sostituisce(elenco, g, campo, predefinito, nome);
  };
  auto& s = Stato;
  controlla(G::AlfaCC, s.AlfaCC, 0.85, "αcc");
  controlla(G::Fcd, s.Fcd, 14.167, "fcd");
  controlla(G::RapportoFccFcd, s.RapportoFccFcd, 0.8, "fcc/fcd");
  controlla(G::EpsCu, s.EpsCu, 0.0035, "εcu");
  controlla(G::EpsC2, s.EpsC2, 0.002, "εc2");
  const std::string parabola = Materiali::ParabolaFuori(s.EpsC2, s.EpsCu);
  if (!parabola.empty() && SoloControllo::Attivo()) {
    if (elenco.empty()) elenco = parabola;
  } else if (!parabola.empty()) {
    elenco += Intervalli::TestoValore(G::EpsC2, s.EpsC2) + " oltre " +
              Intervalli::TestoValore(G::EpsCu, s.EpsCu) + ": sostituiti con " +
              Formattazione::TestoNumero(2) + " ‰ e " + Formattazione::TestoNumero(3.5) + " ‰\r\n";
    s.EpsC2 = 0.002;
    s.EpsCu = 0.0035;
  }
  controlla(G::EpsSu, s.EpsSu, 0.0675, "εsu");
  controlla(G::ModuloEs, s.ModuloEs, 200000, "Es");
  controlla(G::FydBarre, s.Fyd[0], 391.3, "fyd delle barre");
  controlla(G::FydCavi, s.Fyd[1], 0, "fyd dei cavi");
  controlla(G::FattoreConfidenza, s.FattoreConfidenza[0], 1, "FC");
  controlla(G::FattoreConfidenza, s.FattoreConfidenza[1], 1, "FC");
  controlla(G::Fck, s.Fck, 25, "fck");
  controlla(G::Fyk, s.Fyk, 450, "fyk");
  controlla(G::GammaC, s.GammaC, 1.5, "γc");
  controlla(G::GammaS, s.GammaS, 1.15, "γs");
  controlla(G::RapportoN, s.RapportoN[0], 15, "n");
  controlla(G::RapportoN, s.RapportoN[1], 6, "n dei cavi");
  controlla(G::GammaAzioni, s.GammaAzioni, 1.5, "γ azioni");
  controlla(G::Rck, s.Rck, 30, "Rck");
  controlla(G::SigmaSAmm, s.SigmaSAmm[0], 255, "σs amm.");
  controlla(G::SigmaSAmm, s.SigmaSAmm[1], 0, "σs amm. dei cavi");
  controlla(G::SigmaCAmm, s.SigmaCAmm, 9.75, "σc amm.");
  controlla(G::TauC, s.TauC0, 0.6, "τc0");
  controlla(G::TauC, s.TauC1, 1.829, "τc1");
  controlla(G::Lunghezza, s.CopriferroProgetto, 20, "Il copriferro");
  controlla(G::Lunghezza, s.PassoArrotondamento[0], 50, "Il passo di arrotondamento");
  return elenco;
}

void AvvisaValoriSostituiti(const std::string& altri) {
  const std::string elenco = SostituisceValoriFuoriIntervallo() + altri;
  if (elenco.empty()) return;
  platform::MsgBox("Valori fuori dai limiti, sostituiti con quelli di Default:\r\n" +
                       elenco.substr(0, elenco.size() - 2),
                   platform::Pulsanti::Ok, platform::Icona::Informazione);
}

}  // namespace FileImpostazioni
