// The option buttons of the main window (verification type, bending type,
// section type, point of application of N) and the boxes that keep derived
// values current as the user types.
#include <QLineEdit>

#include "app/FiguraSezione.h"
#include "app/Generale.h"
#include "app/GuardiaRisultati.h"
#include "app/Main.h"
#include "drawing/MsFlex.h"
#include "model/Formato.h"
#include "model/VariabiliPubbliche.h"

using VariabiliPubbliche::Stato;

namespace {

std::string Valore(double x) { return VariabiliPubbliche::FormattaValore(x); }

}  // namespace

void Main::ColoraSollecitazioni(bool sluAttivo) {
  const QPalette tavolozza = palette();
  const QColor attivo = tavolozza.color(QPalette::Base);
  const QColor spento = tavolozza.color(QPalette::Button);
  const char* const nomi[] = {"F_N", "F_Mxsd", "F_MySd"};
  for (int s = 0; s <= 1; ++s) {
    const QColor colore = (s == 0) == sluAttivo ? attivo : spento;
    for (const char* nome : nomi) {
      QWidget* casella = Widget(nome, s);
      QPalette p = casella->palette();
      p.setColor(QPalette::Base, colore);
      casella->setPalette(p);
    }
  }
}

void Main::OpTipoVerifica_Click(int Index) {
  RisultatiScaduti();
  Controllo("F_tipo_rottura", 0).SetText("");
  Controllo("FraFi").SetVisible(false);
  Stato.TipoVerifica = Index;
  const bool slu = Index != 1;
  ColoraSollecitazioni(slu);
  Controllo("Frame3", 1).SetVisible(slu);
  Stato.TipoVerificaProgetto = slu ? 0 : 1;
  ControlliAsseNeutro(true);
  if (VariabiliPubbliche::TipoVerificaSlu())
    ControlliSLU();
  else
    ControlliMetodoN();
  Fuoco("btnCalcola");
}

void Main::OpTipoFlessione_Click(int Index) {
  RisultatiScaduti();
  Stato.TipoFlessione = Index;
  if (VariabiliPubbliche::TipoVerificaSlu())
    ControlliSLU();
  else
    ControlliMetodoN();
}

void Main::OpPuntoN_Click(int Index) {
  Stato.PuntoApplicazioneN = Index;
  Controllo("F_xN", 0).SetEnabled(Index == 2);
  Controllo("F_xN", 1).SetEnabled(Index == 2);
}

void Main::OpTipoSezione_Click(int Index) {
  Stato.TipoSezione = Index;
  Controllo("mnu_Progetto").SetEnabled(Index == 0 && !Stato.Precompresso);
  if (Index == 6) {
    figura_->MostraSchizzo(5);
    Controllo("cmdDXF").SetVisible(true);
    return;
  }
  Controllo("cmdDXF").SetVisible(false);
  figura_->MostraSchizzo(Index);
  for (const char* nome : {"RaggioFrm", "F_Vertici", "lblVertici"}) Controllo(nome).SetVisible(false);
  Controllo("FlexGridZoom", 0).SetVisible(Index != 0 && Index != 1);
  if (Index == 4) {
    for (const char* nome : {"F_Vertici", "lblVertici", "RaggioFrm"}) Controllo(nome).SetVisible(true);
    for (const char* nome : {"LblRigheGriglia", "txtRigheGriglia", "TxtEdit", "FlexGrid"})
      Controllo(nome, 0).SetVisible(false);
    InizializzaGriglie();
    ImpostaGriglia(1);
    Fuoco("RaggioTxt", 0);
    Controllo("FlexGridZoom", 0).SetVisible(false);
    Controllo("F_Vertici").SetText(std::to_string(Stato.NumeroVerticiCerchio));
    return;
  }
  Stato.NumeroVerticiCerchio = 52;
  Controllo("LblRigheGriglia", 0).SetVisible(true);
  Controllo("txtRigheGriglia", 0).SetVisible(true);
  InizializzaGriglie();
  ImpostaGriglia(1);
  ImpostaGriglia(0);
  ImpostaGriglia(2);
  if (Index == 0 || Index == 1) {
    platform::FlexGrid& g = FlexGrid(0);
    if (g.Rows() > 1 && g.Cols() > 1) {
      g.SetRow(1);
      g.SetCol(1);
      MsFlex::ModificaCella(g, TxtEdit(0), 0);
    }
  } else {
    Fuoco("txtRigheGriglia", 0);
  }
}

void Main::F_Es_Change(int Index) {
  double es = Stato.ModuloEs;
  Generale::LeggeSeModificato(Controllo("F_Es", Index), es, Valore);
  if (es <= 0) return;
  const auto k = static_cast<size_t>(Index);
  Stato.ModuloEs = es;
  Stato.EpsYdSezione[k] = Stato.Fyd[k] / Stato.ModuloEs;
  Controllo("F_eps_syd", Index).SetText(VariabiliPubbliche::FormattaValore(Stato.EpsYdSezione[k] * 1000));
  // The other steel shares the modulus: its box and yield strain follow.
  platform::Control& altro = Controllo("F_Es", 1 - Index);
  if (Generale::ValNumero(altro) != es) altro.SetText(Controllo("F_Es", Index).Text());
  MaterialeCambiato("F_Es", Index);
}

void Main::F_fyd_Change(int Index) {
  const auto k = static_cast<size_t>(Index);
  Generale::LeggeSeModificato(Controllo("F_fyd", Index), Stato.Fyd[k], Valore);
  if (Stato.ModuloEs > 0) {
    Stato.EpsYdSezione[k] = Stato.Fyd[k] / Stato.ModuloEs;
    Controllo("F_eps_syd", Index).SetText(Valore(Stato.EpsYdSezione[k] * 1000));
  }
  MaterialeCambiato("F_fyd", Index);
}

void Main::F_Mu_Click(int Index) {
  const std::string momento = Controllo("F_Mu", Index).Text();
  // A resisting moment taken as the acting one leaves it what it is.
  GuardiaRisultati::Sospesa sospesa(*guardia_);
  Controllo(Index == 0 ? "F_Mxsd" : "F_MySd", 0).SetText(momento);
}
