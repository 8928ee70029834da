// Which input and result controls each verification type shows, and the
// layout tables of the three input grids.
#include "analysis/TestoSingolo.h"
#include "app/Main.h"
#include "model/VariabiliPubbliche.h"

using VariabiliPubbliche::Stato;

namespace {

void Mostra(Main& m, const char* nome, std::initializer_list<int> indici, bool visibile) {
  for (int i : indici) m.Controllo(nome, i).SetVisible(visibile);
}

void Mostra(Main& m, const char* nome, bool visibile) { m.Controllo(nome).SetVisible(visibile); }

void InizializzaGrigliaArmature(Main& m, int g, const std::string& nome) {
  const std::string& u = Stato.UnitaLunghezza;
  const auto i = static_cast<size_t>(g);
  m.Controllo("LblRigheGriglia", g).SetCaption("N° strati " + nome);
  const std::string area = "As [" + u + "²]";
  if (Stato.TipoSezione == 4 || Stato.TipoSezione == 5) {
    m.ColonneGriglia[i] = g + 2;
    m.IntestazioniGriglia[i] = {"N°", area, "x [" + u + "]", "y [" + u + "]", "s"};
    m.Controllo("LblRigheGriglia", g).SetCaption("N° " + nome);
  } else {
    m.ColonneGriglia[i] = g + 1;
    m.IntestazioniGriglia[i] = {"N°", area, "d [" + u + "]", "s", ""};
  }
  m.ControlloDopoGriglia[i] = "btnCalcola";
}

}  // namespace

void Main::InizializzaGriglie() {
  IntestazioniGriglia = {};
  ColonneGriglia = {};
  RigheGriglia = {};
  ControlloDopoGriglia = {};
  const std::string& u = Stato.UnitaLunghezza;
  for (int k = 0; k <= 3; ++k) Controllo("RaggioUnit", k).SetCaption("[" + u + "]");
  Controllo("LblRigheGriglia", 0).SetCaption("N° figure elementari");
  auto testate = [&](std::initializer_list<const char*> prefissi) {
    IntestazioniGriglia[0][0] = "N°";
    int c = 0;
    for (const char* prefisso : prefissi) IntestazioniGriglia[0][static_cast<size_t>(++c)] = prefisso + u + "]";
    ColonneGriglia[0] = c;
  };
  switch (Stato.TipoSezione) {
    case 0:
    case 1:
      testate({"b [", "h ["});
      Mostra(*this, "LblRigheGriglia", {0}, false);
      Mostra(*this, "txtRigheGriglia", {0}, false);
      Controllo("txtRigheGriglia", 0).SetText(Stato.TipoSezione == 0 ? "1" : "2");
      break;
    case 2: testate({"b [", "h ["}); break;
    case 3:
      testate({"b sup [", "b inf [", "h ["});
      Mostra(*this, "LblRigheGriglia", {0}, true);
      break;
    case 5:
      testate({"x [", "y ["});
      Controllo("LblRigheGriglia", 0).SetCaption("N° Vertici");
      Mostra(*this, "LblRigheGriglia", {0}, true);
      break;
    default: break;
  }
  ControlloDopoGriglia[0] = "txtRigheGriglia_1";
  InizializzaGrigliaArmature(*this, 1, "barre");
  InizializzaGrigliaArmature(*this, 2, "cavi");
  Mostra(*this, "FlexGrid", {0, 1, 2}, false);
}

void Main::ControlliSLU() {
  if (Stato.TipoFlessione != 0)
    ControlliSLUdeviata();
  else
    ControlliSLUretta();
}

void Main::ControlliMetodoN() {
  Controllo("mnuVisRettang").SetChecked(false);
  Controllo("mnuVisRettang").SetEnabled(false);
  Stato.VisRettangoli = 0;
  Mostra(*this, "lblRettangolini", {0}, false);
  Mostra(*this, "F_nMaxRettangolini", {0}, false);
  Mostra(*this, "frmTipoRottura", {0}, false);
  Mostra(*this, "Frame3", {1}, false);
  Mostra(*this, "F_Mu", {0, 1}, false);
  Mostra(*this, "lbl_Mu", {0, 1, 2, 3, 4, 5}, false);
  Mostra(*this, "F_eps_c", false);
  Mostra(*this, "lbl_eps_c", {0, 1, 2}, false);
  Mostra(*this, "F_L0", false);
  Mostra(*this, "lbl_L0", {0, 1, 2}, false);
  Controllo("btnCalcola").SetCaption("Verifica");
  Mostra(*this, "btnDominioMN", false);
  Mostra(*this, "btnMomentoCurvatura", false);
  Mostra(*this, "btnMomentoCurvatura_solo", false);
  Mostra(*this, "lbl_Angolo", {0, 1}, false);
  Mostra(*this, "F_Angolo", false);
  Mostra(*this, "fraPrecompresso", false);
}

namespace {

// The two ultimate-limit-state layouts: uniaxial, or biaxial with the angle
// of the neutral axis and the second resisting moment.
void ControlliSLUPerFlessione(Main& m, bool deviata) {
  m.Controllo("mnuVisRettang").SetEnabled(true);
  m.ControlliAsseNeutro(true);
  Mostra(m, "lblRettangolini", {0}, true);
  Mostra(m, "F_nMaxRettangolini", {0}, true);
  Mostra(m, "lblRettangolini", {1}, false);
  Mostra(m, "F_nMaxRettangolini", {1}, false);
  Mostra(m, "frmTipoRottura", {0}, true);
  Mostra(m, "OpTipoFlessione", {0}, true);
  m.Controllo("LblSollecitaz", 0).SetCaption("Ed ");
  m.Controllo("LblSollecitaz", 1).SetCaption("xEd");
  m.Controllo("LblSollecitaz", 2).SetCaption("yEd");
  Mostra(m, "F_Mu", {0}, true);
  Mostra(m, "lbl_Mu", {0, 1, 2}, true);
  Mostra(m, "F_Mu", {1}, deviata);
  Mostra(m, "lbl_Mu", {3, 4, 5}, deviata);
  Mostra(m, "F_eps_c", true);
  Mostra(m, "lbl_eps_c", {0, 1, 2}, true);
  Mostra(m, "F_eps_s", {0}, true);
  Mostra(m, "lbl_eps_s", {0, 1, 2}, true);
  Mostra(m, "F_L0", !deviata);
  Mostra(m, "lbl_L0", {0, 1, 2}, !deviata);
  m.Controllo("btnCalcola").SetCaption("Calcola MRd");
  m.Controllo("btnDominioMN").SetCaption(deviata ? "Dominio Mx-My" : "Dominio M-N");
  Mostra(m, "btnDominioMN", true);
  Mostra(m, "btnMomentoCurvatura", !deviata);
  Mostra(m, "btnMomentoCurvatura_solo", !deviata);
  Mostra(m, "lbl_Angolo", {0, 1}, deviata);
  Mostra(m, "F_Angolo", deviata);
}

}  // namespace

void Main::ControlliSLUretta() {
  ControlliSLUPerFlessione(*this, false);
  Fuoco("btnCalcola");
  Mostra(*this, "fraPrecompresso", true);
}

void Main::ControlliSLUdeviata() {
  ControlliSLUPerFlessione(*this, true);
  Controllo("F_Angolo").SetText(TestoSingolo(Stato.AngoloFlessione));
  Fuoco("F_Angolo");
  Mostra(*this, "fraPrecompresso", true);
}
