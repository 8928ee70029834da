// The verification the user asks for: allowable stresses ("Metodo n") or the
// ultimate limit state, with its prestress step, and its results.
#include "analysis/SezioneCA.h"
#include "model/Finestre.h"
#include "model/VariabiliPubbliche.h"
#include "platform/MsgBox.h"
#include "platform/RegistriVettoriali.h"

using VariabiliPubbliche::Stato;

void SezioneCA::CalcolaSezioneCA(platform::Form& finestra) {
  platform::PulisciRegistriVettoriali();
  if (RifiutaDatiNonValidi()) {
    // No result of an earlier run stays on screen or in the drawing.
    nAsseNeutro = 0;
    EpsFerri = {};
    EpsCavi = {};
    if (Stato.TipoVerifica != 1) {
      EsitoSlu = EsitoCalcoloSlu::DatiNonValidi;
      MostraFallimentoSlu(finestra);
    } else {
      EsitoMetodoN = EsitoCalcoloMetodoN::DatiNonValidi;
      RisultatiMetodoN();
    }
    return;
  }
  // A property of the section that could not be computed has said so in its
  // box: the run gives no result.
  const int fallite = Poligono::CaratteristicheFallite();
  if (Stato.TipoVerifica != 1) {
    PressoFlessioneSlu(finestra, fallite);
    return;
  }
  PressoFlessioneMetodoN();
  if (Poligono::CaratteristicheFallite() != fallite) EsitoMetodoN = EsitoCalcoloMetodoN::Errore;
  RisultatiMetodoN();
}

void SezioneCA::PressoFlessioneSlu(platform::Form& finestra, int fallite) {
  if (Stato.Precompresso) {
    platform::Form* main = Finestre::Aperte.Main;
    if (main && main->Controllo("chkDecomp").Value() == 1)
      PressoFlessioneSluPrecompressoConDecompressione();
    else
      PressoFlessioneSluPrecompresso();
  }
  PressoFlessioneSluSub(finestra, fallite);
}

void SezioneCA::PressoFlessioneSluSub(platform::Form& finestra, int fallite) {
  if (Stato.ClsReagenteTrazione) AvvisoReagenteTrazione();
  if (Finestre::FinestraMain* main = Finestre::MainAperta()) main->ControlliAsseNeutro(true);
  CalcolaTramok1(Stato.TipoFlessione != 0 ? Stato.AngoloFlessione : 0);
  if (Poligono::CaratteristicheFallite() != fallite) EsitoSlu = EsitoCalcoloSlu::CaratteristicheFallite;
  if (EsitoSlu == EsitoCalcoloSlu::Riuscito) {
    MostraRisultatiSlu(finestra);
    return;
  }
  if (EsitoSlu == EsitoCalcoloSlu::EquilibrioImpossibile)
    MessaggioEquilibrioImpossibile(SollecitazioneN[0]);
  MostraFallimentoSlu(finestra);
}

void SezioneCA::AvvisoReagenteTrazione() {
  if (AvvisoReagenteTrazioneMostrato) return;
  platform::MsgBox(
      "L'opzione Materiale Reagente Trazione è efficace solo per la verifica\r\n"
      "con il Metodo n.\r\n"
      "Il messaggio non viene ripetuto.");
  AvvisoReagenteTrazioneMostrato = true;
}
