// Grids laid out for their row counts, and the material values of the program
// state written into the main window's boxes.
#include "app/Generale.h"
#include "analysis/TestoSingolo.h"
#include "app/Main.h"
#include "drawing/MsFlex.h"
#include "model/Formato.h"
#include "model/VariabiliPubbliche.h"
#include "platform/FlexGrid.h"

using VariabiliPubbliche::Stato;

namespace {

// A count typed in a box: the nearest whole number, halves to even; a
// negative count, or a text that is not one, gives no rows.
int Conteggio(const std::string& testo) {
  const double n = std::nearbyint(Generale::ValNumero(testo));
  return n >= 1 && n <= 32767 ? static_cast<int>(n) : 0;
}

}  // namespace

void Main::ImpostaGriglia(int g) {
  const auto k = static_cast<size_t>(g);
  RigheGriglia[k] = Conteggio(Controllo("txtRigheGriglia", g).Text());
  platform::Control& griglia = Controllo("FlexGrid", g);
  if (RigheGriglia[k] < 1) {
    Fuoco(ControlloDopoGriglia[k]);
    griglia.SetVisible(false);
    return;
  }
  platform::FlexGrid& f = FlexGrid(g);
  VariabiliPubbliche::DimensionaGriglia(f, ColonneGriglia[k], RigheGriglia[k], 0.5);
  MsFlex::NumeraRighe(f);
  int ultima = ColonneGriglia[k];
  // The prestress column of the tendons grid is headed by the stress symbol.
  if (g == 2) f.SetTextMatrix(0, ultima--, "σ");
  for (int c = 0; c <= ultima; ++c) f.SetTextMatrix(0, c, IntestazioniGriglia[k][static_cast<size_t>(c)]);
  griglia.SetVisible(true);
  MsFlex::AllineaCelle(f, platform::AllineamentoGenerale);
  f.SetRow(1);
  f.SetCol(1);
}

void Main::ScriveMaterialiInForm() {
  Controllo("F_Es", 0).SetText(VariabiliPubbliche::FormattaValore(Stato.ModuloEs));
  ScriveMaterialiInFormAcciai(0);
  ScriveMaterialiInFormAcciai(1);
  Controllo("F_nome_cls").SetText(Stato.SiglaCalcestruzzo);
  Controllo("F_eps_cu", 0).SetText(Formattazione::TestoNumero(Stato.EpsCu * 1000));
  Controllo("F_eps_cu", 1).SetText(Formattazione::TestoNumero(Stato.EpsC2 * 1000));
  Controllo("TxtFcd").SetText(VariabiliPubbliche::FormattaValore(Stato.Fcd));
  Controllo("F_fccSufcd").SetText(Formattazione::TestoNumero(Stato.RapportoFccFcd));
  Controllo("txtSigAdm", 1).SetText(TestoSingolo(Stato.SigmaCAmm));
  Controllo("txtSigAdm", 2).SetText(TestoSingolo(Stato.TauC0));
  Controllo("txtSigAdm", 3).SetText(TestoSingolo(Stato.TauC1));
}

void Main::ScriveMaterialiInFormAcciai(int i) {
  const auto k = static_cast<size_t>(i);
  Controllo("F_nome_acc", i).SetText(Stato.SiglaAcciaio[k]);
  Controllo("F_eps_su", i).SetText(Formattazione::TestoNumero(Stato.EpsSu * 1000));
  Controllo("F_fyd", i).SetText(VariabiliPubbliche::FormattaValore(Stato.Fyd[k]));
  if (Stato.ModuloEs > 0) {
    Stato.EpsYdSezione[k] = Stato.Fyd[k] / Stato.ModuloEs;
    Controllo("F_eps_syd", i).SetText(VariabiliPubbliche::FormattaValore(Stato.EpsYdSezione[k] * 1000));
  }
  Controllo("F_Es_su_Ec", i).SetText(TestoSingolo(Stato.RapportoN[k]));
  Controllo("txtSigAdm_S", i).SetText(TestoSingolo(Stato.SigmaSAmm[k]));
}
