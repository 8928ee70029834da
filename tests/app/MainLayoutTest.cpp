// The controls each verification type, bending type and section type shows,
// checked against the layout tables as data.
#include <gtest/gtest.h>

#include <QPainter>
#include <QPalette>
#include <QImage>
#include <optional>
#include <vector>

#include "FinestraMain.h"
#include "model/VariabiliPubbliche.h"

using VariabiliPubbliche::Stato;

namespace {

// Visible in the allowable-stress, uniaxial and biaxial layouts; nothing
// where a layout leaves the control as the previous one left it.
struct RigaLayout {
  const char* nome;
  int indice;
  std::optional<bool> metodoN, retta, deviata;
};

const std::optional<bool> Si = true, No = false, Uguale = std::nullopt;

const std::vector<RigaLayout> TabellaLayout = {
    {"lblRettangolini", 0, No, Si, Si},   {"F_nMaxRettangolini", 0, No, Si, Si},
    {"lblRettangolini", 1, Uguale, No, No}, {"F_nMaxRettangolini", 1, Uguale, No, No},
    {"frmTipoRottura", 0, No, Si, Si},    {"Frame3", 1, No, Si, Si},
    {"OpTipoFlessione", 0, Uguale, Si, Si}, {"F_Mu", 0, No, Si, Si},
    {"lbl_Mu", 0, No, Si, Si},            {"lbl_Mu", 2, No, Si, Si},
    {"F_Mu", 1, No, No, Si},              {"lbl_Mu", 3, No, No, Si},
    {"lbl_Mu", 5, No, No, Si},            {"F_eps_c", -1, No, Si, Si},
    {"lbl_eps_c", 2, No, Si, Si},         {"F_eps_s", 0, Uguale, Si, Si},
    {"lbl_eps_s", 1, Uguale, Si, Si},     {"F_L0", -1, No, Si, No},
    {"lbl_L0", 2, No, Si, No},            {"btnDominioMN", -1, No, Si, Si},
    {"btnMomentoCurvatura", -1, No, Si, No}, {"btnMomentoCurvatura_solo", -1, No, Si, No},
    {"lbl_Angolo", 0, No, No, Si},        {"F_Angolo", -1, No, No, Si},
    {"fraPrecompresso", -1, No, Si, Si},  {"F_h_utile", -1, Si, Si, Si},
    {"F_x_su_d", 1, Si, Si, Si},
};

void ControllaLayout(FinestraMain& f, std::optional<bool> RigaLayout::*colonna,
                     const std::vector<bool>& prima, const char* modo) {
  for (size_t i = 0; i < TabellaLayout.size(); ++i) {
    const RigaLayout& r = TabellaLayout[i];
    const bool atteso = (r.*colonna).value_or(prima[i]);
    EXPECT_EQ(f.C(r.nome, r.indice).Visible(), atteso) << modo << ": " << r.nome << " " << r.indice;
  }
}

std::vector<bool> Visibili(FinestraMain& f) {
  std::vector<bool> v;
  for (const RigaLayout& r : TabellaLayout) v.push_back(f.C(r.nome, r.indice).Visible());
  return v;
}

}  // namespace

TEST(LayoutMain, EachVerificationTypeShowsTheControlsOfItsLayout) {
  FinestraMain f;
  ControllaLayout(f, &RigaLayout::retta, Visibili(f), "S.L.U.+ retta");
  EXPECT_EQ(f.C("btnCalcola").Caption(), "Calcola MRd");
  EXPECT_EQ(f.C("btnDominioMN").Caption(), "Dominio M-N");
  EXPECT_TRUE(f.C("mnuVisRettang").Enabled());

  f.C("F_Angolo").SetText("0");
  Stato.AngoloFlessione = 30;
  f.Clic("OpTipoFlessione", 1);
  ControllaLayout(f, &RigaLayout::deviata, Visibili(f), "S.L.U.+ deviata");
  EXPECT_EQ(f.C("btnDominioMN").Caption(), "Dominio Mx-My");
  EXPECT_EQ(f.C("F_Angolo").Text(), "30");
  EXPECT_EQ(FinestraMain::Fuoco(), "F_Angolo");
  EXPECT_EQ(Stato.TipoFlessione, 1);

  f.C("mnuVisRettang").SetChecked(true);
  Stato.VisRettangoli = 1;
  const std::vector<bool> deviata = Visibili(f);
  f.Clic("OpTipoVerifica", 1);
  ControllaLayout(f, &RigaLayout::metodoN, deviata, "Metodo n");
  EXPECT_EQ(f.C("btnCalcola").Caption(), "Verifica");
  EXPECT_FALSE(f.C("mnuVisRettang").Enabled());
  EXPECT_FALSE(f.C("mnuVisRettang").Checked());
  EXPECT_EQ(Stato.VisRettangoli, 0);
  EXPECT_EQ(Stato.TipoVerifica, 1);
  EXPECT_EQ(Stato.TipoVerificaProgetto, 1);
  // The design actions greyed, the service ones as input boxes.
  const QColor base = f.main->palette().color(QPalette::Base);
  EXPECT_NE(f.Widget("F_N", 0)->palette().color(QPalette::Base), base);
  EXPECT_EQ(f.Widget("F_N", 1)->palette().color(QPalette::Base), base);

  const std::vector<bool> metodoN = Visibili(f);
  f.Clic("OpTipoVerifica", 2);
  ControllaLayout(f, &RigaLayout::deviata, metodoN, "S.L.U.- deviata");
  EXPECT_EQ(f.Widget("F_N", 0)->palette().color(QPalette::Base), base);
  EXPECT_EQ(Stato.TipoVerificaProgetto, 0);
  EXPECT_EQ(Stato.TipoVerifica, 2);
}

TEST(LayoutMain, ChangingTheMethodHidesTheResultsAndTheFailureText) {
  FinestraMain f;
  f.C("FraRisultati", 0).SetVisible(true);
  f.C("F_tipo_rottura", 0).SetText("lato acciaio");
  f.main->nIterazioniOff(7);
  EXPECT_EQ(f.C("F_nMaxRettangolini", 1).Text(), "7");
  f.Clic("OpTipoVerifica", 1);
  EXPECT_FALSE(f.C("FraRisultati", 0).Visible());
  EXPECT_FALSE(f.C("FraRisultati", 1).Visible());
  EXPECT_FALSE(f.C("F_nMaxRettangolini", 1).Visible());
  EXPECT_EQ(f.C("F_tipo_rottura", 0).Text(), "");
}

namespace {

struct RigaTipo {
  int tipo;
  std::vector<std::string> figure;  // headers of grid 0 after "N°"; none for 4 and 6
  std::vector<std::string> barre;   // headers of grid 1 after "N°"
  std::string righeFigure;          // label of the figures count box
  bool conteggioFigure, cerchio, dxf, zoomFigure;
};

}  // namespace

TEST(LayoutMain, EachSectionTypeLaysOutItsGridsAndBoxes) {
  const std::vector<std::string> d = {"As [cm²]", "d [cm]"};
  const std::vector<std::string> xy = {"As [cm²]", "x [cm]", "y [cm]"};
  const std::vector<RigaTipo> tabella = {
      {0, {"b [cm]", "h [cm]"}, d, "N° figure elementari", false, false, false, false},
      {1, {"b [cm]", "h [cm]"}, d, "N° figure elementari", false, false, false, false},
      {2, {"b [cm]", "h [cm]"}, d, "N° figure elementari", true, false, false, true},
      {3, {"b sup [cm]", "b inf [cm]", "h [cm]"}, d, "N° figure elementari", true, false, false, true},
      {4, {}, xy, "N° figure elementari", false, true, false, false},
      {5, {"x [cm]", "y [cm]"}, xy, "N° Vertici", true, false, false, true},
  };
  FinestraMain f;
  for (const RigaTipo& r : tabella) {
    SCOPED_TRACE("tipo " + std::to_string(r.tipo));
    f.Clic("OpTipoSezione", r.tipo == 0 ? 1 : 0);
    f.Clic("OpTipoSezione", r.tipo);
    EXPECT_EQ(Stato.TipoSezione, r.tipo);
    EXPECT_EQ(f.main->ColonneGriglia[0], static_cast<int>(r.figure.size()));
    for (size_t c = 0; c < 4; ++c)
      EXPECT_EQ(f.main->IntestazioniGriglia[0][c + 1], c < r.figure.size() ? r.figure[c] : "");
    EXPECT_EQ(f.main->ColonneGriglia[1], static_cast<int>(r.barre.size()));
    for (size_t c = 0; c < r.barre.size(); ++c)
      EXPECT_EQ(f.main->IntestazioniGriglia[1][c + 1], r.barre[c]);
    EXPECT_EQ(f.main->ColonneGriglia[2], static_cast<int>(r.barre.size()) + 1);
    EXPECT_EQ(f.main->IntestazioniGriglia[2][r.barre.size() + 1], "s");
    EXPECT_EQ(f.C("LblRigheGriglia", 0).Caption(), r.righeFigure);
    EXPECT_EQ(f.C("LblRigheGriglia", 1).Caption(), r.cerchio || r.tipo == 5 ? "N° barre" : "N° strati barre");
    EXPECT_EQ(f.C("txtRigheGriglia", 0).Visible(), r.conteggioFigure);
    EXPECT_EQ(f.C("RaggioFrm").Visible(), r.cerchio);
    EXPECT_EQ(f.C("F_Vertici").Visible(), r.cerchio);
    EXPECT_EQ(f.C("cmdDXF").Visible(), r.dxf);
    EXPECT_EQ(f.C("FlexGridZoom", 0).Visible(), r.zoomFigure);
    EXPECT_EQ(f.main->Figura().Schizzo(), r.tipo);
    EXPECT_EQ(f.C("mnu_Progetto").Enabled(), r.tipo == 0);
  }
  // The rectangle's grid shows its headers and one row; the T two.
  f.Clic("OpTipoSezione", 1);
  EXPECT_EQ(f.main->FlexGrid(0).Rows(), 3);
  EXPECT_EQ(f.main->FlexGrid(0).TextMatrix(0, 2), "h [cm]");
  EXPECT_TRUE(f.main->TxtEdit(0).Visible());
  // DXF: only the sketch and the button change.
  f.Clic("OpTipoSezione", 6);
  EXPECT_EQ(f.main->Figura().Schizzo(), 5);
  EXPECT_TRUE(f.C("cmdDXF").Visible());
  EXPECT_EQ(f.main->IntestazioniGriglia[0][1], "b [cm]");
}

TEST(LayoutMain, CircleAfterTrapezoidsFocusesTheRadiusAndTrapezoidsResetTheVertexCount) {
  FinestraMain f;
  f.Clic("OpTipoSezione", 3);
  EXPECT_EQ(FinestraMain::Fuoco(), "txtRigheGriglia_0");
  Stato.NumeroVerticiCerchio = 36;
  f.Clic("OpTipoSezione", 4);
  EXPECT_EQ(FinestraMain::Fuoco(), "RaggioTxt_0");
  EXPECT_EQ(f.C("F_Vertici").Text(), "36");
  EXPECT_FALSE(f.C("FlexGrid", 0).Visible());
  // Enter runs through the circle's boxes to the count of further bars.
  for (const char* prossimo : {"RaggioTxt_4", "RaggioTxt_1", "RaggioTxt_2", "RaggioTxt_3", "txtRigheGriglia_1"}) {
    FinestraMain::Batti("1");
    EXPECT_EQ(FinestraMain::Fuoco(), prossimo);
  }
  f.Clic("OpTipoSezione", 3);
  EXPECT_EQ(Stato.NumeroVerticiCerchio, 52);
}

TEST(LayoutMain, ActionsAreEnteredInTheirOrderAndAResistingMomentBecomesTheDesignMoment) {
  FinestraMain f;
  f.Widget("F_N", 0)->setFocus();
  for (const char* prossimo : {"F_Mxsd_0", "F_MySd_0", "F_N_1", "F_Mxsd_1", "F_MySd_1"}) {
    FinestraMain::Batti("10");
    EXPECT_EQ(FinestraMain::Fuoco(), prossimo);
  }
  FinestraMain::Batti("10");
  EXPECT_EQ(FinestraMain::Fuoco(), "btnCalcola");
  f.C("F_Mu", 1).SetText("123,4");
  f.C("F_Mu", 1).SetVisible(true);
  f.Clic("F_Mu", 1);
  EXPECT_EQ(f.C("F_MySd", 0).Text(), "123,4");
  EXPECT_EQ(f.C("F_MySd", 1).Text(), "10");
}

TEST(LayoutMain, ModulusAndYieldStressKeepTheYieldStrainCurrent) {
  FinestraMain f;
  f.C("F_fyd", 0).SetText("400");
  f.C("F_Es", 0).SetText("200000");
  EXPECT_DOUBLE_EQ(Stato.EpsYdSezione[0], 0.002);
  EXPECT_EQ(f.C("F_eps_syd", 0).Text(), VariabiliPubbliche::FormattaValore(2));
  f.C("F_Es", 0).SetText("0");
  EXPECT_DOUBLE_EQ(Stato.ModuloEs, 200000);
  f.C("F_Es", 0).SetText("abc");
  EXPECT_DOUBLE_EQ(Stato.ModuloEs, 200000);
  f.C("F_fyd", 0).SetText("x");
  EXPECT_DOUBLE_EQ(Stato.Fyd[0], 0);
  EXPECT_DOUBLE_EQ(Stato.EpsYdSezione[0], 0);
  f.Clic("OpPuntoN", 2);
  EXPECT_TRUE(f.C("F_xN", 0).Enabled());
  f.Clic("OpPuntoN", 1);
  EXPECT_FALSE(f.C("F_xN", 1).Enabled());
  EXPECT_EQ(Stato.PuntoApplicazioneN, 1);
}

TEST(LayoutMain, MaterialBoxesAreReadInProgramUnits) {
  FinestraMain f;
  f.C("F_eps_cu", 0).SetText("3,5");
  f.C("F_eps_cu", 1).SetText("2");
  f.C("F_eps_su", 0).SetText("10");
  f.C("TxtFcd").SetText("1.000,5");
  f.C("txtSigAdm", 2).SetText("0,6");
  f.C("F_nome_acc", 1).SetText("Trefolo");
  f.main->CaricaMateriali();
  EXPECT_DOUBLE_EQ(Stato.EpsCu, 0.0035);
  EXPECT_DOUBLE_EQ(Stato.EpsC2, 0.002);
  EXPECT_DOUBLE_EQ(Stato.EpsSu, 0.01);
  EXPECT_DOUBLE_EQ(Stato.Fcd, 1000.5);
  EXPECT_FLOAT_EQ(Stato.TauC0, 0.6f);
  EXPECT_EQ(Stato.SiglaAcciaio[1], "Trefolo");
  // Rck 37: τc0 = 0.4 + 22 / 75 = 0.69333, shown to four digits and read
  // back unchanged.
  const float tau = static_cast<float>(0.4 + 22 / 75.0);
  Stato.TauC0 = tau;
  f.main->FormScriveDati();
  EXPECT_EQ(f.C("txtSigAdm", 2).Text(), "0,6933");
  f.main->CaricaMateriali();
  EXPECT_EQ(Stato.TauC0, tau);
}

TEST(LayoutMain, BarsOnlySelectsVerticesAndMethodNAndHidesTheRest) {
  FinestraMain f;
  f.Clic("chkPrecompresso");
  EXPECT_TRUE(Stato.Precompresso);
  EXPECT_FALSE(f.C("mnu_Progetto").Enabled());
  f.main->mnuSoloBarre_Click();
  EXPECT_TRUE(f.C("mnuSoloBarre").Checked());
  EXPECT_EQ(Stato.TipoSezione, 5);
  EXPECT_EQ(Stato.TipoVerifica, 1);
  EXPECT_FALSE(Stato.Precompresso);
  EXPECT_FALSE(f.C("chkPrecompresso").Visible());
  EXPECT_FALSE(f.C("OpTipoSezione", 0).Visible());
  EXPECT_FALSE(f.C("OpTipoVerifica", 2).Visible());
  EXPECT_TRUE(f.C("LblSoloBarre").Visible());
  EXPECT_FALSE(f.C("txtRigheGriglia", 0).Visible());
  f.main->mnuSoloBarre_Click();
  EXPECT_TRUE(f.C("OpTipoSezione", 0).Visible());
  EXPECT_TRUE(f.C("chkPrecompresso").Visible());
  EXPECT_TRUE(f.C("txtRigheGriglia", 0).Visible());
  EXPECT_EQ(Stato.TipoSezione, 5);
}

namespace {

// Every section-type sketch, dimension names included, lies inside its
// picture: drawn on a larger white image, nothing falls outside the board.
TEST(LayoutMain, EverySketchStandsWholeInItsPicture) {
  AppQt();
  const QRect area(50, 40, 200, 160);  // the board's 100 x 80, filled
  for (int tipo = 0; tipo <= 5; ++tipo) {
    QImage immagine(300, 240, QImage::Format_RGB32);
    immagine.fill(Qt::white);
    QPainter pittore(&immagine);
    DisegnaSchizzo(pittore, area, tipo);
    pittore.end();
    int fuori = 0;
    for (int y = 0; y < immagine.height(); ++y)
      for (int x = 0; x < immagine.width(); ++x)
        if (!area.contains(x, y) && immagine.pixel(x, y) != QColor(Qt::white).rgb()) ++fuori;
    EXPECT_EQ(fuori, 0) << tipo;
  }
}

}  // namespace
