// Capacity-design shear of the column: the resisting moments of both ends
// give the design shear, the stirrups of the weaker end, assumed to go on at
// the central pitch, the resistance with the variable strut of the beam
// design. And the current end handed to the main window.
#include <algorithm>
#include <cmath>

#include "analysis/Correnti.h"
#include "analysis/TestoSingolo.h"
#include "design/ModelloProgetto.h"
#include "model/Finestre.h"
#include "model/Formato.h"
#include "model/VariabiliPubbliche.h"
#include "seismic/FinestraSismica.h"
#include "seismic/Normative3274.h"
#include "seismic/Pilastro.h"
#include "seismic/StatoSismica.h"

namespace Sismica {
namespace {

using VariabiliPubbliche::FormattaValore;

const char* const Assi[] = {"X.", "Y."};

// The base a section too narrow for the struts at cot(theta) = 1 needs.
std::string BaseMinimaTaglio(double VEd, double VRdmax, double bw) {
  return "Per la verifica a taglio la base deve essere portata a" +
         FormattaValore(VariabiliPubbliche::LunghezzaDaMm(bw * VEd / VRdmax)) + " " +
         VariabiliPubbliche::Stato.UnitaLunghezza + ".";
}

// The struts carry VEd at 2.5, at a cot(theta) lowered towards 1, or not at
// all: then cot(theta) = 1 and the text of the base needed.
double VerificaBielle(double VEd, double VRdmax, double bw, double z, double NEd, double Ac,
                      float& cotTeta, std::string& testo) {
  if (!(VEd > VRdmax)) return VRdmax;
  const double fcd = VariabiliPubbliche::Stato.Fcd;
  double cot = cotTeta;
  if (ModelloProgetto::RiduceCotTeta(VEd, fcd, bw, z, cot, NEd, Ac)) {
    cotTeta = static_cast<float>(cot);
    return VEd;
  }
  cotTeta = 1;
  VRdmax = ModelloProgetto::VRdMaxEc2(fcd, bw, z, 1, NEd, Ac);
  if (VRdmax > 0) testo = BaseMinimaTaglio(VEd, VRdmax, bw);
  return VRdmax;
}

// " 12 - 25 - 8": the whole part of each area.
std::string ElencoAree(const std::vector<float>& aree, float totale) {
  if (!(totale > 0) || aree.empty()) return " 0";
  std::string elenco;
  for (float a : aree)
    elenco += (elenco.empty() ? " " : " - ") + std::to_string(static_cast<long>(std::floor(a)));
  return elenco;
}

}  // namespace

double Pilastro::MomentoUltimoPilastro(FinestraSismica& finestra, int direzione, bool& riuscito) {
  CoordinatePilastro();
  // The laws of the materials in force, whether or not the main window has
  // calculated since they were chosen.
  VariabiliPubbliche::MaterialiCorrenti().InizializzaMateriali(VariabiliPubbliche::Stato.ModuloEs);
  const auto sezione = VariabiliPubbliche::SezioneCorrente();
  sezione->CalcolaSezioneCA(finestra);
  riuscito = riuscito && sezione->EsitoSlu == EsitoCalcoloSlu::Riuscito;
  return direzione == 0 ? sezione->MomentoUltimoX : sezione->MomentoUltimoY;
}

float Pilastro::TaglioResistente(double asw, int direzione, std::string& testo, double VEd) const {
  float& cotTeta = Stato.CotTetaPilastro;
  cotTeta = 2.5f;
  const double Ac = AreaSezione();
  const double bw = direzione == 0 ? bSezione() : hSezione();
  const double z = 0.9 * VariabiliPubbliche::SezioneCorrente()->hUtile;
  const double NEd = Stato.NEdSismica;
  double VRdmax =
      ModelloProgetto::VRdMaxEc2(VariabiliPubbliche::Stato.Fcd, bw, z, cotTeta, NEd, Ac);
  VRdmax = VerificaBielle(VEd, VRdmax, bw, z, NEd, Ac, cotTeta, testo);
  const double VRsd = asw * VariabiliPubbliche::Stato.Fyd[0] * z / StaffePassoCentrale() * cotTeta;
  return static_cast<float>(std::min(VRsd, VRdmax));
}

bool Pilastro::CalcolaMomentiTagliUltimiPilastro(FinestraSismica& finestra, int direzione) {
  // Without a pitch, stirrups or resisting moments there is no verdict.
  Prescrizioni lista;
  if (!(StaffePassoCentrale() > 0))
    lista.push_back("ATTENZIONE - Passo staffe nullo nella zona centrale!");

  // The other end, then this one again: the flag ends as it was, even when
  // the other end's data cannot be read.
  double momento[2] = {};  // [1] bottom end
  float area[2] = {};
  std::vector<float> aree[2];
  bool riuscito = true;
  const bool corrente = SezioneInferiore;
  try {
    for (int passo = 0; passo < 2; ++passo) {
      SezioneInferiore = !SezioneInferiore;
      momento[SezioneInferiore] = MomentoUltimoPilastro(finestra, direzione, riuscito);
      area[SezioneInferiore] = StaffeAreaEfficace(direzione, aree[SezioneInferiore]);
    }
  } catch (...) {
    SezioneInferiore = corrente;
    throw;
  }
  // The bottom end unless the top one has strictly less.
  const int scelta = area[0] < area[1] ? 0 : 1;
  if (!(area[scelta] > 0)) lista.push_back(StaffeMancanti(!(area[1] > 0), !(area[0] > 0)));
  if (!riuscito)
    lista.push_back(
        "ATTENZIONE - Momento resistente non calcolabile: verifica a taglio non eseguita!");
  else if (!(VariabiliPubbliche::SezioneCorrente()->hUtile > 0))
    lista.push_back("ATTENZIONE - Altezza utile nulla: verifica a taglio non eseguita!");
  auto senzaVerdetto = [&] {
    finestra.Controllo("txtVu", direzione).SetText("");
    finestra.Controllo("F_V", direzione).SetText("");
    finestra.ListaPrescrizioniNew(lista);
    return false;
  };
  if (!lista.empty()) return senzaVerdetto();

  Normative3274::TestiTaglio testi;
  const float VEd = TaglioCapacitaPilastro(momento[1], momento[0], testi);
  // Without a length there is no design shear to check against.
  if (LunghezzaPilastro() <= 0) {
    lista.push_back("ATTENZIONE - H interpiano = 0!");
    return senzaVerdetto();
  }
  std::string testo;
  const float VRd = TaglioResistente(area[scelta], direzione, testo, VEd);
  platform::Control& vu = finestra.Controllo("txtVu", direzione);
  vu.SetText(FormattaValore(VRd / 1000));
  Normative3274::ColoraControllo(vu, VEd, false, VRd);

  const std::string asse = Assi[direzione];
  lista.push_back((VRd < VEd ? "NO" : "OK") +
                  std::string(" verifica a taglio per inflessione intorno all'asse ") + asse);
  if (!testo.empty()) {
    lista.push_back(testo);
  } else {
    lista.push_back((Stato.PilastroMensola
                         ? "Il taglio sollecitante è calcolato in base al momento "
                         : "Il taglio sollecitante è calcolato in base ai momenti ") +
                    testi.Resistenti + testi.Momenti);
    lista.push_back("Il taglio resistente (" + FormattaValore(VRd / 1000, true) +
                    " kN) è calcolato con cot_Teta_ =" + FormattaValore(Stato.CotTetaPilastro) +
                    " in base alla staffatura della zona critica " +
                    (scelta == 1 ? "inferiore" : "superiore") +
                    ", che è la minima e che si ipotizza estesa alla zona centrale con passo di " +
                    TestoSingolo(StaffePassoCentrale()) + " mm.");
    lista.push_back(
        "Le aree efficaci delle staffe, che tengono conto dell'eventuale"
        " inclinazione dei bracci, hanno i seguenti valori (mm^2): " +
        ElencoAree(aree[scelta], area[scelta]));
  }
  finestra.ListaPrescrizioniNew(lista);
  finestra.Controllo("F_V", direzione).SetText(FormattaValore(VEd / 1000));
  return true;
}

void Pilastro::EsportaInTramok(platform::Form& finestra) const {
  Finestre::FinestraMain* main = Finestre::MainAperta();
  if (!main) return;
  const char* momenti = SezioneInferiore ? "F_MInfsd" : "F_MSupsd";
  main->Controllo("F_Mxsd", 0).SetText(finestra.Controllo(momenti, 0).Text());
  main->Controllo("F_MySd", 0).SetText(finestra.Controllo(momenti, 1).Text());
  if (!Circolare()) {
    VariabiliPubbliche::SezioneCorrente()->EsportainMain();
    return;
  }
  const int circolare = 4;
  main->Controllo("OpTipoSezione", circolare).SetValue(1);
  main->OpTipoSezione_Click(circolare);
  auto lunghezza = [](double mm) {
    return Formattazione::TestoNumero(VariabiliPubbliche::LunghezzaDaMm(mm));
  };
  main->Controllo("RaggioTxt", 0).SetText(lunghezza(RaggioPilastro()));
  main->Controllo("RaggioTxt", 4).SetText("0");
  main->Controllo("RaggioTxt", 1).SetText(std::to_string(nBarreTotale()));
  main->Controllo("RaggioTxt", 2).SetText(lunghezza(fiBarrePilastro()));
  main->Controllo("RaggioTxt", 3).SetText(lunghezza(CopriFerro()));
  main->Controllo("txtRigheGriglia", 1).SetText("0");
}

}  // namespace Sismica
