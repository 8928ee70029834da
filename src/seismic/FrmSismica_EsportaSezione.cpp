// The current end section of the column, with its actions, handed to the
// main window as its own input.
#include "analysis/Correnti.h"
#include "app/Main.h"
#include "model/Formato.h"
#include "model/VariabiliPubbliche.h"
#include "seismic/FrmSismica.h"
#include "seismic/StatoSismica.h"

using Sismica::Stato;

namespace {

std::string Lunghezza(double mm) {
  return Formattazione::TestoNumero(VariabiliPubbliche::LunghezzaDaMm(mm));
}

// The end's moments, then its outline and bars, or the circle's data.
void EsportaPilastro(platform::Form& sismica, Main& main) {
  const Sismica::Pilastro& p = Stato.PilastroCorrente;
  const char* momenti = p.SezioneInferiore ? "F_MInfsd" : "F_MSupsd";
  main.Controllo("F_Mxsd", 0).SetText(sismica.Controllo(momenti, 0).Text());
  main.Controllo("F_MySd", 0).SetText(sismica.Controllo(momenti, 1).Text());
  if (!p.Circolare()) {
    VariabiliPubbliche::SezioneCorrente()->EsportainMain();
    return;
  }
  const int circolare = 4;
  main.Controllo("OpTipoSezione", circolare).SetValue(1);
  main.OpTipoSezione_Click(circolare);
  main.Controllo("RaggioTxt", 0).SetText(Lunghezza(p.RaggioPilastro()));
  main.Controllo("RaggioTxt", 4).SetText("0");
  main.Controllo("RaggioTxt", 1).SetText(std::to_string(p.nBarreTotale()));
  main.Controllo("RaggioTxt", 2).SetText(Lunghezza(p.fiBarrePilastro()));
  main.Controllo("RaggioTxt", 3).SetText(Lunghezza(p.CopriFerro()));
  main.Controllo("txtRigheGriglia", 1).SetText("0");
}

}  // namespace

void FrmSismica::EsportaSezioneInMain() {
  AzioniLeggeScrive(false);
  auto* main = dynamic_cast<Main*>(Finestre::Aperte.Main);
  if (!main) return;
  main->setWindowState(Qt::WindowNoState);
  main->show();
  main->Controllo("F_N", 0).SetText(VariabiliPubbliche::FormattaValore(Stato.NEdSismica / 1000, true));
  main->Controllo("OpPuntoN", 0).SetValue(1);
  if (Stato.ElementoSetto == 0) EsportaPilastro(*this, *main);
  main->Figura_Click();
}
