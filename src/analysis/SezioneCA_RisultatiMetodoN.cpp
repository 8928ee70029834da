// Results of the allowable-stress method into the main window, by the state
// of the section.
#include <string>

#include "analysis/MostraCls.h"
#include "analysis/SezioneCA.h"
#include "analysis/StatiSezione.h"
#include "drawing/Grafica_Estremi.h"
#include "model/Finestre.h"
#include "model/VariabiliPubbliche.h"
#include "platform/Colori.h"
#include "platform/MsgBox.h"

using VariabiliPubbliche::FormattaValore;
using VariabiliPubbliche::LunghezzaDaMm;
using VariabiliPubbliche::Stato;

void SezioneCA::RisultatiMetodoN() {
  platform::Form* finestra = Finestre::Aperte.Main;
  if (!finestra) return;
  platform::Form& f = *finestra;
  Finestre::FinestraMain* main = Finestre::MainAperta();
  MostraDeformazioneFerri(nBarre, EpsFerri, nCavi, EpsCavi, f);

  for (platform::Control* casella :
       {&f.Controllo("F_sigma_c"), &f.Controllo("F_sigma_s", 0), &f.Controllo("F_sigma_s", 1)}) {
    casella->SetText("");
    casella->SetForeColor(platform::QBColor(0));
  }
  for (platform::Control* casella : {&f.Controllo("F_h_utile"), &f.Controllo("F_y_neutro"),
                                     &f.Controllo("F_x_su_d", 0), &f.Controllo("F_x_su_d", 1)})
    casella->SetText("");
  f.Controllo("lbl_sigma_c", 1).SetCaption("c");
  f.Controllo("lbl_sigma_s", 1).SetCaption("s");
  if (main) {
    main->ControlliAsseNeutro(false);
    main->SigmaScontrolli(true);
  }
  // A run that could not compute the stresses has told the user already.
  if (EsitoMetodoN == EsitoCalcoloMetodoN::Errore ||
      EsitoMetodoN == EsitoCalcoloMetodoN::DatiNonValidi)
    return;

  switch (SezioneParzializzata) {
    case StatoSezione::InteramenteReagente:
      if (main) main->SigmaScontrolli(false);
      MostraCls(f.Controllo("F_sigma_c"), Sig_c_max);
      MostraTensioneFerri(nBarre, EpsFerri, nCavi, EpsCavi, f, true);
      break;
    case StatoSezione::SoloAcciaio:
      RisultatiSoloBarre(f);
      break;
    case StatoSezione::SenzaEquilibrio:
      MessaggioEquilibrioImpossibile(SollecitazioneN[1]);
      break;
    case StatoSezione::SezioneIntera:
      if (Stato.SoloBarre) {
        RisultatiSoloBarre(f);
      } else {
        // The second box shows the other concrete edge.
        MostraCls(f.Controllo("F_sigma_c"), Sig_c_max);
        MostraCls(f.Controllo("F_sigma_s", 0), Sig_c_min);
        f.Controllo("lbl_sigma_s", 1).SetCaption("c");
      }
      break;
    default: {
      MostraCls(f.Controllo("F_sigma_c"), Sig_c_max);
      MostraTensioneFerri(nBarre, EpsFerri, nCavi, EpsCavi, f, true);
      if (main) main->ControlliAsseNeutro(true);
      f.Controllo("F_y_neutro").SetText(FormattaValore(LunghezzaDaMm(yMaxCalcestruzzoMetodoN)));
      if (hUtile > 0) {
        f.Controllo("F_h_utile").SetText(FormattaValore(LunghezzaDaMm(hUtile)));
        const double xSuD = yMaxCalcestruzzoMetodoN / hUtile;
        f.Controllo("F_x_su_d", 0).SetText(FormattaValore(xSuD));
        f.Controllo("F_x_su_d", 1)
            .SetText(FormattaValore(VariabiliPubbliche::DeltaRidistribuzione(xSuD)));
      }
    }
  }
}

void SezioneCA::RisultatiSoloBarre(platform::Form& finestra) {
  finestra.Controllo("lbl_sigma_c", 1).SetCaption("sMax");
  finestra.Controllo("lbl_sigma_s", 1).SetCaption("sMin");
  // Tendons alone leave the two boxes empty.
  if (nBarre >= 1 && EpsFerri.Ub() >= nBarre) {
    const double sMin = Stato.ModuloEs * Grafica::MinimoEIndice(nBarre, EpsFerri);
    const double sMax = Stato.ModuloEs * Grafica::MassimoEIndice(nBarre, EpsFerri);
    VariabiliPubbliche::ColoraSegno(finestra.Controllo("F_sigma_c"), FormattaValore(sMax));
    VariabiliPubbliche::ColoraSegno(finestra.Controllo("F_sigma_s", 0), FormattaValore(sMin));
  }
  // The bars' hull has no area when there are fewer than three or all lie in
  // a line, in whatever order they were given.
  ::Poligono barre;
  barre.Coordinate(xBarre, yBarre, nBarre);
  if (barre.PoligonoConvessoCircoscritto().AreaNulla(true))
    platform::MsgBox(
        "Sezione tesa con solo barre reagenti.\r\nRisultati attendibili solo con almeno 3 barre "
        "non allineate.",
        platform::Pulsanti::Ok, platform::Icona::Informazione);
  else
    platform::MsgBox("Sezione tesa. Solo barre reagenti.", platform::Pulsanti::Ok,
                     platform::Icona::Informazione);
}

void SezioneCA::MessaggioEquilibrioImpossibile(double N) {
  std::string motivo;
  if (N > 0)
    motivo = "Forza di compressione esterna al poligono, in assenza di armatura.";
  else if (N == 0)
    motivo = "N=0";
  else
    motivo = "Area ferri troppo piccola in assenza di compressione.";
  platform::MsgBox(motivo + "\r\nEquilibrio impossibile!", platform::Pulsanti::Ok,
                   platform::Icona::Critica);
}
