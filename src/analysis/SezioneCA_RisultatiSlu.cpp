// Results of an ultimate run into the window that asked: the failure type,
// the resisting moments, and either the cracked-section values (useful depth,
// neutral axis, steel, top concrete) or, for a wholly compressed or
// concrete-only section, the values of its two edges.
#include <cmath>
#include <string>

#include "analysis/MostraCls.h"
#include "analysis/SezioneCA.h"
#include "analysis/TipiRottura.h"
#include "model/Finestre.h"
#include "model/Formato.h"
#include "model/VariabiliPubbliche.h"
#include "platform/Colori.h"

using VariabiliPubbliche::FormattaValore;
using VariabiliPubbliche::LunghezzaDaMm;
using VariabiliPubbliche::Stato;

namespace {

std::string Quattro(double valore) { return Formattazione::Formato(valore, "0.####"); }

// Why an ultimate run gave no result.
std::string TestoFallimento(EsitoCalcoloSlu esito) {
  switch (esito) {
    case EsitoCalcoloSlu::EquilibrioImpossibile:
      return "equilibrio impossibile !";
    case EsitoCalcoloSlu::OltreNlimite:
      return "forza assiale oltre il limite !";
    case EsitoCalcoloSlu::SenzaStrisce:
      return "nessun rettangolino !";
    case EsitoCalcoloSlu::DatiNonValidi:
      return "dati non validi !";
    case EsitoCalcoloSlu::CaratteristicheFallite:
      return "caratteristiche non calcolabili !";
    default:
      return "equilibrio non trovato !";
  }
}

}  // namespace

void SezioneCA::MostraRisultatiSlu(platform::Form& finestra) {
  if (finestra.Name() == "FrmSismica") return;
  platform::Control& tipo = finestra.Controllo("F_tipo_rottura", 0);
  tipo.SetForeColor(platform::QBColor(0));
  switch (Tipo_Rottura) {
    case TipoRottura::LatoCalcestruzzo:
    case TipoRottura::LatoAcciaio: {
      std::string testo;
      int colore;
      TestoTipoRottura(testo, colore, Tipo_Rottura);
      tipo.SetText(testo);
      tipo.SetForeColor(platform::QBColor(colore));
      MostraRisultatiSluParzializzata(finestra, MomentoUltimoY, hUtile, dNeutroSlu, Sig_c_max,
                                      EpsCmaxSlu);
      break;
    }
    case TipoRottura::TuttaCompressa:
      tipo.SetText("Sez. interamente reagente");
      MostraRisultatiSluLembi(finestra, MomentoUltimoY, dNeutroSlu, Sig_c_min, EpsCminSlu,
                              Sig_c_max, EpsCmaxSlu);
      break;
    case TipoRottura::CalcestruzzoEAcciaio:
      tipo.SetText("contemporanea cls-acciaio");
      MostraRisultatiSluParzializzata(finestra, MomentoUltimoY, hUtile, dNeutroSlu, Sig_c_max,
                                      EpsCmaxSlu);
      break;
    case TipoRottura::SoloCalcestruzzo:
      tipo.SetText(EpsCminSlu > 0 ? "Solo cls - Sez. int. reagente"
                                  : "Solo cls - Sez. parzializata");
      MostraRisultatiSluLembi(finestra, MomentoUltimoY, dNeutroSlu, Sig_c_min, EpsCminSlu,
                              Sig_c_max, EpsCmaxSlu);
      break;
    default:
      tipo.SetText("non prevista !");
      return;
  }
  finestra.Controllo("F_Mu", 0).SetText(FormattaValore(MomentoUltimoX / 1000000));
}

void SezioneCA::MostraFallimentoSlu(platform::Form& finestra) const {
  if (finestra.Name() != "Main") return;
  platform::Control& tipo = finestra.Controllo("F_tipo_rottura", 0);
  tipo.SetForeColor(platform::QBColor(0));
  tipo.SetText(TestoFallimento(EsitoSlu));
  // Nothing of an earlier result stays beside the failure.
  for (const char* nome : {"F_Mu", "F_x_su_d", "F_sigma_s", "F_eps_s"})
    for (int i = 0; i <= 1; ++i) finestra.Controllo(nome, i).SetText("");
  for (const char* nome : {"F_h_utile", "F_y_neutro", "F_sigma_c", "F_eps_c"})
    finestra.Controllo(nome).SetText("");
}

void SezioneCA::TestoTipoRottura(std::string& testo, int& colore, int tipo) const {
  testo = tipo == TipoRottura::LatoCalcestruzzo ? "Lato calcestruzzo" : "Lato acciaio";
  colore = 0;
  if (Stato.Precompresso && nCavi >= 1)
    StatoAcciaio(testo, colore, 1);
  else if (nBarre >= 1)
    StatoAcciaio(testo, colore, 0);
}

void SezioneCA::StatoAcciaio(std::string& testo, int& colore, int tipo) const {
  const bool cavi = tipo == 1;
  switch (cavi ? StatoSnervamento(nCavi, EpsCavi, 1) : StatoSnervamento(nBarre, EpsFerri, 0)) {
    case 0:
      testo += cavi ? " - Cavo elastico" : " - Acciaio elastico";
      colore = 12;
      break;
    case 1:
      testo += cavi ? " - Cavo snervato" : " - Acciaio snervato";
      break;
  }
}

void SezioneCA::MostraRisultatiSluParzializzata(platform::Form& finestra, double My, double d,
                                                double x, double sigmaC, double epsC) const {
  if (Stato.TipoFlessione == 1) finestra.Controllo("F_Mu", 1).SetText(FormattaValore(My / 1000000));
  finestra.Controllo("F_h_utile").SetText(FormattaValore(LunghezzaDaMm(d)));
  if (std::fabs(d) > 0) {
    finestra.Controllo("F_x_su_d", 0).SetText(FormattaValore(x / d));
    finestra.Controllo("F_x_su_d", 1)
        .SetText(FormattaValore(VariabiliPubbliche::DeltaRidistribuzione(x / d)));
  }
  MostraTensioneFerri(nBarre, EpsFerri, nCavi, EpsCavi, finestra, false);
  MostraDeformazioneFerri(nBarre, EpsFerri, nCavi, EpsCavi, finestra);
  finestra.Controllo("F_y_neutro").SetText(FormattaValore(LunghezzaDaMm(x)));
  MostraCls(finestra.Controllo("F_sigma_c"), sigmaC);
  finestra.Controllo("F_eps_c").SetText(FormattaValore(epsC * 1000));

  finestra.Controllo("F_h_utile").SetVisible(true);
  finestra.Controllo("lbl_h_utile", 0).SetVisible(true);
  finestra.Controllo("lbl_h_utile", 1).SetVisible(true);
  finestra.Controllo("lbl_x_su_d", 0).SetVisible(true);
  finestra.Controllo("F_x_su_d", 0).SetVisible(true);
  finestra.Controllo("F_x_su_d", 1).SetVisible(true);
  finestra.Controllo("lbl_h_utile", 1).SetCaption(Stato.UnitaLunghezza);
  finestra.Controllo("lbl_sigma_s", 1).SetCaption("s");
  finestra.Controllo("lbl_eps_s", 1).SetCaption("s");
  finestra.Controllo("lbl_sigma_c", 1).SetCaption("c");
  finestra.Controllo("lbl_eps_c", 1).SetCaption("c");
}

void SezioneCA::MostraRisultatiSluLembi(platform::Form& finestra, double My, double x,
                                        double sigmaInf, double epsInf, double sigmaSup,
                                        double epsSup) const {
  if (Stato.TipoFlessione == 1) finestra.Controllo("F_Mu", 1).SetText(Quattro(My / 1000000));
  if (auto* main = dynamic_cast<Finestre::FinestraMain*>(&finestra))
    main->ControlliAsseNeutro(false);
  finestra.Controllo("F_y_neutro").SetVisible(true);
  finestra.Controllo("lbl_y_neutro", 0).SetVisible(true);
  // The bottom edge takes the place of the steel.
  finestra.Controllo("lbl_sigma_s", 1).SetCaption("ci");
  MostraCls(finestra.Controllo("F_sigma_s", 0), sigmaInf);
  finestra.Controllo("lbl_eps_s", 1).SetCaption("ci");
  finestra.Controllo("F_eps_s", 0).SetText(Quattro(epsInf * 1000));
  finestra.Controllo("F_y_neutro").SetText(Quattro(x));
  finestra.Controllo("lbl_sigma_c", 1).SetCaption("cs");
  MostraCls(finestra.Controllo("F_sigma_c"), sigmaSup);
  finestra.Controllo("lbl_eps_c", 1).SetCaption("cs");
  finestra.Controllo("F_eps_c").SetText(Quattro(epsSup * 1000));
}
