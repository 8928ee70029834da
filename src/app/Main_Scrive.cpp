// Grids laid out for their row counts, and the material values of the program
// state written into the main window's boxes.
#include "app/Generale.h"
#include "app/FinestreRisultati.h"
#include "app/GuardiaRisultati.h"
#include "analysis/TestoSingolo.h"
#include "app/Main.h"
#include "drawing/MsFlex.h"
#include "model/Formato.h"
#include "model/VariabiliPubbliche.h"
#include "platform/FlexGrid.h"

using VariabiliPubbliche::Stato;

int Main::Conteggio(double valore) {
  const double n = std::nearbyint(valore);
  return n >= 1 && n <= 32767 ? static_cast<int>(n) : 0;
}

int Main::Conteggio(const std::string& testo) { return Conteggio(Generale::ValNumero(testo)); }

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
  // One modulus for bars and tendons: both boxes show it.
  for (int k = 0; k <= 1; ++k)
    Controllo("F_Es", k).SetText(VariabiliPubbliche::FormattaValore(Stato.ModuloEs));
  ScriveMaterialiInFormAcciai(0);
  ScriveMaterialiInFormAcciai(1);
  Controllo("F_nome_cls").SetText(Stato.SiglaCalcestruzzo);
  // Strains of the code's laws (2.28800753 per mille at C60/75): four
  // digits, as the stresses beside them.
  Controllo("F_eps_cu", 0).SetText(VariabiliPubbliche::FormattaValore(Stato.EpsCu * 1000, true));
  Controllo("F_eps_cu", 1).SetText(VariabiliPubbliche::FormattaValore(Stato.EpsC2 * 1000, true));
  Controllo("TxtFcd").SetText(VariabiliPubbliche::FormattaValore(Stato.Fcd));
  Controllo("F_fccSufcd").SetText(Formattazione::TestoNumero(Stato.RapportoFccFcd));
  // Derived from Rck (τc0 0.69333 at Rck 37): four digits, as in the materials window.
  Controllo("txtSigAdm", 1).SetText(VariabiliPubbliche::FormattaValore(Stato.SigmaCAmm, true));
  Controllo("txtSigAdm", 2).SetText(VariabiliPubbliche::FormattaValore(Stato.TauC0, true));
  Controllo("txtSigAdm", 3).SetText(VariabiliPubbliche::FormattaValore(Stato.TauC1, true));
}

void Main::ScriveMaterialiInFormAcciai(int i) {
  const auto k = static_cast<size_t>(i);
  Controllo("F_nome_acc", i).SetText(Stato.SiglaAcciaio[k]);
  Controllo("F_eps_su", i).SetText(VariabiliPubbliche::FormattaValore(Stato.EpsSu * 1000, true));
  Controllo("F_fyd", i).SetText(VariabiliPubbliche::FormattaValore(Stato.Fyd[k]));
  if (Stato.ModuloEs > 0) {
    Stato.EpsYdSezione[k] = Stato.Fyd[k] / Stato.ModuloEs;
    Controllo("F_eps_syd", i).SetText(VariabiliPubbliche::FormattaValore(Stato.EpsYdSezione[k] * 1000));
  }
  Controllo("F_Es_su_Ec", i).SetText(TestoSingolo(Stato.RapportoN[k]));
  Controllo("txtSigAdm_S", i).SetText(TestoSingolo(Stato.SigmaSAmm[k]));
}

void Main::FormScriveDati() {
  // The results go at the end, with the section they belonged to.
  GuardiaRisultati::Sospesa sospesa(*guardia_);
  Controllo("txtRigheGriglia", 0).SetText(std::to_string(nFigureForm));
  Controllo("txtRigheGriglia", 1).SetText(std::to_string(nBarreForm));
  Controllo("txtRigheGriglia", 2).SetText(std::to_string(nCaviForm));
  if (nFigureForm >= 1 && !Stato.SoloBarre) {
    ImpostaGriglia(0);
    ScriveFigure();
  }
  TxtEdit(0).SetVisible(false);
  if (Stato.TipoSezione == 4) {
    DatiCerchioAssociati(Stato.DatiSezioneCircolare, DatiCerchioForm, 1);
    for (int k = 0; k < 5; ++k)
      Controllo("RaggioTxt", k).SetText(TestoSingolo(DatiCerchioForm[static_cast<size_t>(k)]));
    Controllo("F_Vertici").SetText(std::to_string(Stato.NumeroVerticiCerchio));
  }
  ScriveBarre();
  ScriveCavi();
  Controllo("txtTitolo").SetText(Stato.TitoloSezione);
  for (int i = 0; i <= 1; ++i) {
    const auto k = static_cast<size_t>(i);
    Controllo("F_N", i).SetText(Formattazione::TestoNumero(NForm[k]));
    Controllo("F_Mxsd", i).SetText(Formattazione::TestoNumero(MxForm[k]));
    Controllo("F_MySd", i).SetText(Formattazione::TestoNumero(MyForm[k]));
  }
  Controllo("F_L0").SetText(Formattazione::TestoNumero(VariabiliPubbliche::LunghezzaDaMm(Stato.LunghezzaL0)));
  Controllo("OpTipoSezione", Stato.TipoSezione).SetValue(1);
  ScriveMaterialiInForm();
  Controllo("OpPuntoN", Stato.PuntoApplicazioneN).SetValue(1);
  const bool coordinate = Stato.PuntoApplicazioneN == 2;
  Controllo("F_xN", 0).SetText(coordinate ? Formattazione::TestoNumero(VariabiliPubbliche::LunghezzaDaMm(Stato.XN)) : "0");
  Controllo("F_xN", 1).SetText(coordinate ? Formattazione::TestoNumero(VariabiliPubbliche::LunghezzaDaMm(Stato.YN)) : "0");
  Controllo("mnuOpzioniItem", 2).SetChecked(Stato.ClsReagenteTrazione);
  Controllo("chkPrecompresso").SetValue(Stato.Precompresso ? 1 : 0);
  RisultatiControlli(false);
  FinestreRisultati::SvuotaAperte();
  // A unit changed with the length alike ("0") relabels it all the same.
  FinestreRisultati::SeguonoMain();
}

void Main::ScriveFigure() {
  MatriceFigureAssociata("S");
  MsFlex::ScriveMatriceInGriglia(FlexGrid(0), GrigliaFigure, "", false);
}

void Main::ScriveBarre() {
  if (nBarreForm >= 1) ScriveBarreSub(nBarreForm);
}

void Main::ScriveBarreSub(int n) {
  ImpostaGriglia(1);
  MatriceBarreAssociata("S", Stato.MatriceBarre, GrigliaBarre, n);
  MsFlex::ScriveMatriceInGriglia(FlexGrid(1), GrigliaBarre, "", false);
}

void Main::ScriveCavi() {
  if (nCaviForm < 1) return;
  ImpostaGriglia(2);
  MatriceCaviAssociata("S", Stato.MatriceCavi, GrigliaCavi, nCaviForm);
  MsFlex::ScriveMatriceInGriglia(FlexGrid(2), GrigliaCavi, "", false);
}
