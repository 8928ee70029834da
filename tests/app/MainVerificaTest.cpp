// A section typed into the main window and verified with "Calcola": the
// result boxes agree with the case runner's for the same section given by
// its vertices and bars; the units, the refusals, and the section written
// back into the window.
#include <gtest/gtest.h>

#include <QAction>
#include <QPushButton>
#include <cmath>
#include <memory>
#include <tuple>

#include "FinestraMain.h"
#include "FinestraQt.h"
#include "SezioneScritta.h"
#include "analysis/Correnti.h"
#include "app/DominioMN.h"
#include "app/DominioMxMy.h"
#include "app/FinestreRisultati.h"
#include "app/Material.h"
#include "app/MomCurv.h"
#include "app/NuovoMateriale.h"
#include "app/frmUnits.h"
#include "design/ProgettoSezione.h"
#include "seismic/FrmCoefficienti.h"
#include "seismic/FrmSismica.h"
#include "seismic/StatoSismica.h"
#include "drawing/NumeroCella.h"
#include "casi/EseguiCaso.h"
#include "design/ProgettoSezione.h"
#include "doppi/SistemaProva.h"
#include "model/VariabiliPubbliche.h"
#include "platform/qt/CasellaTestoQt.h"
#include "platform/qt/FlexGridQt.h"

using VariabiliPubbliche::Stato;

namespace {

const std::vector<SezioneTabella>& Tabella() {
  static const std::vector<SezioneTabella> t = {
      {"Rettan.re", 0, 1, {"30", "50"}, 2, {"9,42", "4,02", "45", "5"},
       {150, 250, 150, -250, -150, -250, -150, 250}, {0, -200, 942, 0, 200, 402}},
      {"a T", 1, 2, {"80", "30", "15", "45"}, 2, {"15", "10", "55", "5"},
       {400, 300, 400, 150, 150, 150, 150, -300, -150, -300, -150, 150, -400, 150, -400, 300},
       {0, -250, 1500, 0, 250, 1000}},
      {"Rettangoli", 2, 2, {"30", "20", "20", "30"}, 1, {"6", "45"},
       {150, 250, 150, 50, 100, 50, 100, -250, -100, -250, -100, 50, -150, 50, -150, 250},
       {0, -200, 600}},
      {"Trapezi", 3, 1, {"40", "20", "50"}, 1, {"8", "45"},
       {200, 250, 100, -250, -100, -250, -200, 250}, {0, -200, 800}},
      {"Coord.", 5, 4, {"-15", "15", "15", "-15", "-25", "-25", "25", "25"}, 2,
       {"6", "3", "0", "0", "-20", "20"},
       {-150, -250, 150, -250, 150, 250, -150, 250}, {0, -200, 600, 0, 200, 300}},
      {"Metodo n", 0, 1, {"30", "50"}, 2, {"9,42", "4,02", "45", "5"},
       {150, 250, 150, -250, -150, -250, -150, 250}, {0, -200, 942, 0, 200, 402}, "n", 100, 50},
      {"S.L.U.-", 1, 2, {"80", "30", "15", "45"}, 2, {"15", "10", "55", "5"},
       {400, 300, 400, 150, 150, 150, 150, -300, -150, -300, -150, 150, -400, 150, -400, 300},
       {0, -250, 1500, 0, 250, 1000}, "SLU-", 200},
      {"Deviata", 0, 1, {"30", "50"}, 2, {"9,42", "4,02", "45", "5"},
       {150, 250, 150, -250, -150, -250, -150, 250}, {0, -200, 942, 0, 200, 402}, "SLU+", 300, 0, 30},
  };
  return t;
}

const std::string NonEseguito = "Calcolo non eseguito: dati non validi.\r\n";
const std::string Es = " N/mm²: deve essere compreso tra 100000 e 300000 N/mm²;\r\nmodulo degli acciai da armatura e da precompressione.";
void Cerchio(FinestraMain& f, const std::vector<std::string>& caselle) {
  f.Clic("OpTipoSezione", 4);
  for (int k = 0; k < 5; ++k) f.C("RaggioTxt", k).SetText(caselle.at(static_cast<size_t>(k)));
}

}  // namespace

TEST(VerificaMain, EachSectionTypeTypedInTheWindowGivesTheCaseRunnersResults) {
  for (const SezioneTabella& s : Tabella()) {
    SCOPED_TRACE(s.nome);
    const RisultatiCaso atteso = [&] {
      SeparatoriProva italiani(",", ".");
      return EseguiCaso(CasoDi(s));
    }();
    ASSERT_EQ(atteso.errore, "");
    ASSERT_FALSE(atteso.testi.empty());
    FinestraMain f;
    ScriviSezione(f, s);
    EXPECT_EQ(FinestraMain::Fuoco(), "btnCalcola");
    Calcola(f);
    EXPECT_FALSE(f.main->DatiErrati);
    EXPECT_TRUE(Stato.RisultatiPresenti);
    EXPECT_TRUE(f.C("FraRisultati", 0).Visible());
    ControllaRisultati(f, atteso);
  }
}

TEST(VerificaMain, TheSameSectionInCentimetresAndInMillimetresGivesTheSameMoment) {
  const SezioneTabella& rettangolo = Tabella()[0];
  std::string inCm;
  {
    FinestraMain f;
    ScriviSezione(f, rettangolo);
    Calcola(f);
    inCm = f.C("F_Mu", 0).Text();
    EXPECT_EQ(f.C("lbl_h_utile", 1).Caption(), "cm");
  }
  FinestraMain f;
  Stato.UnitaLunghezza = "mm";
  f.main->AggiornaForm();
  SezioneTabella mm = rettangolo;
  mm.figure = {"300", "500"};
  mm.barre = {"942", "402", "450", "50"};
  ScriviSezione(f, mm);
  EXPECT_EQ(f.main->FlexGrid(1).TextMatrix(0, 1), "As [mm²]");
  Calcola(f);
  EXPECT_EQ(f.C("F_Mu", 0).Text(), inCm);
  EXPECT_FALSE(inCm.empty());
}

// One box, in the engine's words whichever check found it, from each command that verifies.
TEST(VerificaMain, RefusedSectionsSayWhyInOneBox) {
  struct Rifiuto {
    std::function<void(FinestraMain&)> prepara;
    std::string messaggio;
  };
  const std::vector<Rifiuto> rifiuti = {
      {[](FinestraMain& f) { f.C("F_Vertici").SetText("2"); }, "Il numero di vertici deve essere >= 3"},
      {[](FinestraMain& f) { f.C("F_Vertici").SetText("2000000000"); }, "Il numero di vertici = 2000000000: deve essere compreso tra 3 e 16382;\r\nun contorno ha al più 32767 vertici e il cerchio cavo ne usa due per lato, più due."},
      {[](FinestraMain& f) { f.C("F_Es", 0).SetText("0"); }, "Es = 0" + Es},
      {[](FinestraMain& f) { f.C("F_Es", 0).SetText("50000"); }, "Es = 50000" + Es},
      {[](FinestraMain& f) { Cerchio(f, {"21,23", "8", "2", "4", "21,23"}); }, "Il raggio interno deve essere minore del raggio esterno"},
      {[](FinestraMain& f) {
         f.C("txtRigheGriglia", 0).SetText("0");
       },
       "La sezione ha area nulla"},
      {[](FinestraMain& f) {
         f.main->mnuSoloBarre_Click();
         f.Widget("txtRigheGriglia", 1)->setFocus();
         FinestraMain::Batti("3");
         BattiTutti({"1", "1", "1", "0", "10", "20", "0", "0", "0"});
       },
       "Devono essere presenti almeno 3 barre non allineate"},
      // b = -30 would give the section of b = 30.
      {[](FinestraMain& f) { f.main->FlexGrid(0).SetTextMatrix(1, 1, "-30"); },
       "Le dimensioni delle figure devono essere numeri non negativi."},
      {[](FinestraMain& f) { Cerchio(f, {"21,23", "8", "2", "30", "0"}); },
       "Copriferro (baric.) = 30 cm: deve essere maggiore o uguale a 0 e minore di 21,23 cm;\r\n"
       "le barre sul cerchio devono stare nel calcestruzzo, fra il bordo e il centro."},
      {[](FinestraMain& f) { Cerchio(f, {"21,23", "8", "2", "10", "15"}); },
       "Copriferro (baric.) = 10 cm: deve essere maggiore o uguale a 0 e non maggiore di 6,23 cm;\r\n"
       "le barre sul cerchio devono stare nel calcestruzzo, fra il bordo e il foro."},
      // 52 sides on R = 150 mm: the chords lie R (1 - cos(pi / 52)) = 0.27367 mm inside the
      // edge, and a bar at 135 degrees falls at mid-chord, outside.
      {[](FinestraMain& f) { Cerchio(f, {"15", "8", "2", "0", "0"}); },
       "Copriferro (baric.) = 0 cm: con 52 vertici il cerchio è un poligono i cui lati stanno "
       "fino a 0,0273667 cm dentro il bordo, e le barre cadono fuori dal calcestruzzo;\r\n"
       "aumentare il copriferro ad almeno 0,0273667 cm (più quanto serve alla barra) o il "
       "numero di vertici del cerchio."},
  };
  const char* const comandi[] = {"btnCalcola", "btnDominioMN", "btnMomentoCurvatura", "btnMomentoCurvatura_solo", "mnu_Progetto", "MnuSismica"};
  for (size_t i = 0; i < rifiuti.size() * 6; ++i) {
    if (i % 6 >= 4 && !rifiuti[i / 6].messaggio.starts_with("Es")) continue;  // the menus read the materials alone
    FinestraMain f;
    ScriviSezione(f, Tabella()[0]);
    rifiuti[i / 6].prepara(f);
    f.ambiente.box.Svuota();
    i % 6 >= 4 ? f.main->findChild<QAction*>(comandi[i % 6])->trigger() : f.Clic(comandi[i % 6]);
    EXPECT_EQ(f.ambiente.box.Testi(), std::vector<std::string>{NonEseguito + rifiuti[i / 6].messaggio}) << comandi[i % 6];
    EXPECT_FALSE(f.C("FraRisultati", 0).Visible() || ProgettoSezione::Aperta() || FrmSismica::Aperta());
  }
  // Bars on radius 149.72 < 149.72633, within the chords: taken.
  FinestraMain f;
  ScriviSezione(f, Tabella()[0]);
  f.ambiente.box.Svuota();
  Cerchio(f, {"15", "8", "2", "0,028", "0"});
  Calcola(f);
  EXPECT_FALSE(f.main->DatiErrati);
}

// Named as the engineer reads the box, or the cell by its row and column.
TEST(VerificaMain, ABoxThatIsNoNumberGivesTheDataErrorAndTheWindowStaysUsable) {
  FinestraMain f;
  ScriviSezione(f, Tabella()[0]);
  f.ambiente.box.Svuota();
  f.C("F_Es_su_Ec", 0).SetText("quindici");
  // Under Italian separators a second decimal point is no thousands one either.
  f.main->FlexGrid(1).SetTextMatrix(1, 1, "9.4.2");
  Calcola(f);
  EXPECT_EQ(f.ambiente.box.Testi(), std::vector<std::string>{NonEseguito + "n = Es/Ec = quindici: deve essere un numero."});
  for (const char* menu : {"mnu_Progetto", "MnuSismica"}) {  // nor opens a window that calculates from it
    f.ambiente.box.Svuota(), f.main->findChild<QAction*>(menu)->trigger();
    EXPECT_EQ(f.ambiente.box.Testi(), std::vector<std::string>{NonEseguito + "n = Es/Ec = quindici: deve essere un numero."}) << menu;
  }
  EXPECT_FALSE(ProgettoSezione::Aperta() || FrmSismica::Aperta());
  f.C("F_Es_su_Ec", 0).SetText("15");
  f.ambiente.box.Svuota();
  Calcola(f);
  EXPECT_EQ(f.ambiente.box.Testi(),
            std::vector<std::string>{NonEseguito + "La cella As [cm²] della riga 1 delle barre = 9.4.2: deve essere un numero."});
  f.main->FlexGrid(1).SetTextMatrix(2, 2, "abc");
  f.main->FlexGrid(1).SetTextMatrix(1, 1, "9,42");
  f.ambiente.box.Svuota();
  Calcola(f);
  EXPECT_EQ(f.ambiente.box.Testi().at(0),
            NonEseguito + "La cella d [cm] della riga 2 delle barre = abc: deve essere un numero.");
  f.main->FlexGrid(1).SetTextMatrix(2, 2, "5");
  // A point that cannot group thousands is the decimal point: 9.42 cm2 = 942 mm2.
  f.main->FlexGrid(1).SetTextMatrix(1, 1, "9.42");
  Calcola(f);
  EXPECT_FALSE(f.main->DatiErrati);
  EXPECT_NEAR(Stato.MatriceBarre(1, 1), 942, 1e-9);
}

using F = FinestraMain&;
// What the window read; -1 when its first box is the data error ("Dati errati !" in the design window), NaN after its own refusal.
double Letto(F f, double x, bool rifiuto = true, const char* errore = "Errore! Controllare i dati") {
  const std::vector<std::string> t = f.ambiente.box.Testi();
  return t.empty() ? x : t[0] == errore || t[0].ends_with(": deve essere un numero.") ? -1 : rifiuto ? NAN : x;
}
template <class W> W& Digita(W& w, const char* nome, const char* t) { return w.template findChild<QLineEdit*>(nome)->setText(t), w; }

TEST(VerificaMain, TypedNumbersReadAlikeInEveryWindowOrGiveTheDataError) {
  using G = Intervalli::Grandezza;  // lengths in cm
  const std::pair<G, double (*)(F, const char*)> caselle[] = {
      {G::Forza, [](F f, const char* t) { f.C("F_N", 0).SetText(t), Calcola(f); return Letto(f, f.main->NForm[0], false); }},
      {G::Forza, [](F f, const char* t) { f.main->FlexGrid(0).SetTextMatrix(1, 1, t), Calcola(f); return Letto(f, f.main->GrigliaFigure(1, 1), false); }},
      {G::Forza, [](F f, const char* t) { Digita(FrmSismica::Mostra(), "F_N", t).cmdControlloPil_Click(); f.main->ProgettoModificato();  // no escape
         return Letto(f, Sismica::Stato.NEdSismica / 1000, false); }},
      {G::Forza, [](F f, const char* t) { FrmSismica::Mostra().StaffePilDef_Click(); Digita(FrmSismica::Mostra(), "PilastroTxt_14", t).cmdControlloPilStaffe_Click(); return Letto(f, Sismica::Stato.PilastroCorrente.StaffePassoCritico() / 10, false); }},
      {G::Forza, [](F, const char* t) { const auto& l = Digita(FrmCoefficienti::Mostra(0), "txtCoeff_2", t).Controllo("ListaOsservCoef", 0); return l.ListCount() && l.List(0) == "Errore! Controllare i dati" ? -1.0 : Sismica::Stato.PeriodoT1; }},
      {G::Forza, [](F f, const char* t) { f.main->findChild<QAction*>("mnu_Progetto")->trigger(), f.ambiente.box.Svuota(); Digita(Digita(*ProgettoSezione::Aperta(), "txtEpsS", t), "txtPro_0", t).Ricalcola(); return Letto(f, Stato.CopriferroProgetto / 10, false, "Dati errati !"); }},
      {G::Fck, [](F f, const char* t) { Digita(Material::Mostra(), "F_fck_1", t).F_esci_Click(0); return Letto(f, Stato.Fck); }},
      {G::Fck, [](F f, const char* t) { NuovoMateriale n(Material::Mostra(), 1); Digita(Digita(n, "Text1_2", "30"), "Text1_1", t).Inserisci_Click(); const platform::FlexGrid& g = Material::Mostra().MsFlex(1); return Letto(f, Generale::ValNumero(g.TextMatrix(g.Rows() - 1, 2))); }},
      {G::GammaAzioni, [](F f, const char* t) { Digita(frmUnits::Mostra(1), "txtGammaQ", t).OKButton_Click(); return Letto(f, Stato.GammaAzioni); }}};
  const std::tuple<const char*, const char*, double> righe[] = {  // -1: the data error
      {".", "30,5", 30.5}, {".", "1,000.5", 1000.5}, {".", "1.000,5", -1}, {".", "3,5,7", -1}, {".", "2.5", 2.5},  {".", "1e309", -1},
      {".", "abc", -1},    {".", "-", -1},           {".", "", 0},         {",", "30,5", 30.5}, {",", "30.5", 30.5}, {",", "1.000,5", 1000.5},
      {",", "3,5,7", -1}, {",", "9.4.2", -1},       {",", "1e400", -1},   {",", "abc", -1},    {",", "-", -1}};
  for (const auto& [decimale, testo, atteso] : righe)
    for (const auto& [grandezza, letto] : caselle) {
      FinestraMain f;
      f.ambiente.sistema.ImpostaSeparatori(decimale, *decimale == '.' ? "," : ".");
      ScriviSezione(f, Tabella()[0]);
      f.main->ScriveMaterialiInForm();  // Es as this locale writes 200000, not 200 under "."
      f.main->MnuSismica_Click(), f.ambiente.box.Svuota();
      const double x = letto(f, testo);
      // A refusal of the window's own only of a number outside the box's range.
      EXPECT_TRUE(std::isnan(x) ? atteso != -1 && !Intervalli::Dentro(grandezza, atteso) : x == atteso) << decimale << testo << " " << x;
      for (QWidget* w : std::initializer_list<QWidget*>{FrmCoefficienti::Aperta(), FrmSismica::Aperta(), Material::Aperta(), frmUnits::Aperta()}) if (w) w->close();
      delete ProgettoSezione::Aperta();
      QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
}

TEST(VerificaMain, TheSectionWrittenBackIntoTheWindowReadsTheSame) {
  FinestraMain f;
  ScriviPrecompressa(f, Tabella()[1], {"1,5", "50", "1000"});
  f.C("F_N", 1).SetText("12,5");
  ASSERT_TRUE(f.main->FormLeggeDati(true));
  const auto figure = Stato.MatriceFigure;
  const auto barre = Stato.MatriceBarre;
  const auto cavi = Stato.MatriceCavi;
  const auto nForm = f.main->NForm;
  const std::string fcd = f.C("TxtFcd").Text();
  EXPECT_NEAR(cavi(1, 1), 150, 1e-9);
  EXPECT_EQ(cavi(1, 3), 1000);

  f.main->FormScriveDati();
  EXPECT_EQ(f.C("txtRigheGriglia", 2).Text(), "1");
  EXPECT_EQ(f.main->FlexGrid(2).TextMatrix(1, 3), "1000");
  EXPECT_EQ(f.C("F_N", 1).Text(), "12,5");
  ASSERT_TRUE(f.main->FormLeggeDati(true));
  EXPECT_EQ(Stato.MatriceFigure, figure);
  EXPECT_EQ(Stato.MatriceBarre, barre);
  EXPECT_EQ(Stato.MatriceCavi, cavi);
  EXPECT_EQ(f.main->NForm, nForm);
  EXPECT_EQ(Generale::ValNumero(f.C("TxtFcd").Text()), Generale::ValNumero(fcd));
  EXPECT_TRUE(Stato.Precompresso);
}

TEST(VerificaMain, APrestressedSectionIsVerifiedWithAndWithoutDecompression) {
  for (bool decompressione : {false, true}) {
    FinestraMain f;
    ScriviPrecompressa(f, Tabella()[0], {"1,4", "40", "1000"});
    f.C("CmbCavi").SetText("Trefolo");
    f.C("F_nome_acc", 1).SetText("Trefolo");
    f.C("F_fyd", 1).SetText("1400");
    f.C("chkDecomp").SetValue(decompressione ? 1 : 0);
    f.ambiente.box.Svuota();
    Calcola(f);
    EXPECT_FALSE(f.main->DatiErrati) << decompressione;
    EXPECT_TRUE(Stato.RisultatiPresenti) << decompressione;
    EXPECT_TRUE(f.C("FraRisultati", 1).Visible());
    EXPECT_FALSE(f.C("F_sigma_s", 1).Text().empty()) << decompressione;
    // Not prestressed: the tendons' rows are left out.
    f.Clic("chkPrecompresso");
    ASSERT_TRUE(f.main->FormLeggeDati(true));
    EXPECT_EQ(f.main->nCaviForm, 0);
  }
}

TEST(VerificaMain, ActionsConvertBetweenTheTwoSetsByTheFactor) {
  FinestraMain f;
  f.C("F_N", 0).SetText("150");
  f.C("F_Mxsd", 0).SetText("30");
  f.C("F_MySd", 0).SetText("0");
  f.Clic("cmdAzioniDaSLU", 0);
  EXPECT_EQ(Generale::ValNumero(f.C("F_N", 1).Text()), 100);
  EXPECT_EQ(Generale::ValNumero(f.C("F_Mxsd", 1).Text()), 20);
  f.C("F_N", 0).SetText("");
  Stato.GammaAzioni = 0;  // a factor of 0 is taken as 1.5
  f.Clic("cmdAzioniDaSLU", 1);
  EXPECT_EQ(Generale::ValNumero(f.C("F_N", 0).Text()), 150);
  EXPECT_EQ(Generale::ValNumero(f.C("F_Mxsd", 0).Text()), 30);
}

TEST(VerificaMain, ATSectionVerifiedIsDrawnInThePictureAndInTheWindowOverIt) {
  FinestraMain f;
  ScriviSezione(f, Tabella()[1]);
  Stato.VisTensioniBarre = 1;
  Stato.VisTensioniCls = 1;
  Calcola(f);
  ASSERT_TRUE(Stato.RisultatiPresenti);
  EXPECT_FALSE(f.main->Figura().Immagine().isNull());
  ASSERT_NE(f.main->FrmPltSezione(), nullptr);
  EXPECT_TRUE(f.main->FrmPltSezione()->isVisible());
  const QWidget& figura = f.main->Figura();
  EXPECT_EQ(f.main->FrmPltSezione()->frameGeometry(),
            QRect(figura.mapToGlobal(QPoint(0, 0)), figura.size()));
  f.main->resize(1366, 740);
  QApplication::processEvents();
  Calcola(f);
  QDir().mkpath(TRAMOK_SCREENSHOTS);
  EXPECT_TRUE(f.main->grab().save(QString(TRAMOK_SCREENSHOTS) + "/Main_verifica.png"));
}

TEST(VerificaMain, AVerificationRunAgainDrawsTheSectionWithItsResultAsTheFirstDid) {
  FinestraMain f;
  ScriviSezione(f, Tabella()[0]);
  Calcola(f);
  const QImage prima = f.main->Figura().Immagine();
  ASSERT_FALSE(prima.isNull());
  Calcola(f);
  EXPECT_TRUE(f.C("FraRisultati", 0).Visible());
  EXPECT_EQ(f.main->Figura().Immagine(), prima);
  // Without its result (neutral axis, compressed part) the drawing differs.
  f.main->PlottaSezioneInFigura(0);
  EXPECT_NE(f.main->Figura().Immagine(), prima);
}

// The domain and curvature buttons verify first and open their window on
// the section typed; a section that cannot be read opens none.
TEST(VerificaMain, TheResultButtonsOpenTheirWindowsOnTheTypedSection) {
  FinestraMain f;
  ScriviSezione(f, Tabella()[0]);
  f.C("F_N", 0).SetText("100");
  f.C("F_Mxsd", 0).SetText("50");
  f.Clic("btnDominioMN");
  DominioMN* mn = FinestreRisultati::DominioMNAperto();
  ASSERT_NE(mn, nullptr);
  EXPECT_TRUE(mn->isVisible());
  const platform::FlexGrid& sol = mn->GridSol().Griglia();
  EXPECT_EQ(NumeroCella::Valore(sol.TextMatrix(1, 1)), 100);
  EXPECT_EQ(NumeroCella::Valore(sol.TextMatrix(1, 2)), 50);
  EXPECT_GT(mn->GridMN().Rows(), 30);

  f.Clic("btnMomentoCurvatura_solo");
  MomCurv* mc = FinestreRisultati::MomCurvAperto(true);
  ASSERT_NE(mc, nullptr);
  EXPECT_TRUE(mc->isVisible());
  EXPECT_EQ(Generale::ValNumero(mc->F_N().text().toStdString()), 100);
  // Its boxes follow the main window's, a new unit too.
  Stato.UnitaLunghezza = "mm";
  f.main->FormScriveDati();
  f.C("F_N", 0).SetText("90");
  EXPECT_EQ(mc->F_N().text() + mc->Controllo("lbl_L0", 2).Caption().c_str(), "90mm");
  delete mn;
  delete mc;

  // An fcd of 0 is refused by the verification: no result, no window.
  f.C("TxtFcd").SetText("0");
  f.Clic("btnDominioMN");
  EXPECT_FALSE(Stato.RisultatiPresenti);
  EXPECT_EQ(FinestreRisultati::DominioMNAperto(), nullptr);
  EXPECT_FALSE(f.C("FraRisultati", 0).Visible());
}

// A result shown belongs to the inputs on screen: a change of one, here or
// from a result window, leaves no result (frames hidden, failure type
// empty), or the result as it was when what it reads is the same.
TEST(VerificaMain, AChangedInputLeavesNoResultOfTheOldInputsInSight) {
  enum Esito { Nessuno, Invariato };
  const auto domanda = [](FinestraMain& f, const char* bottone) {
    f.Clic(bottone);
    ASSERT_TRUE(f.C("FraRisultati", 0).Visible()) << bottone;
  };
  const auto cella = [](FinestraMain& f) {
    f.main->FlexGrid(1).SetRow(1);
    f.main->FlexGrid(1).SetCol(1);
  };
  const std::vector<std::tuple<const char*, std::function<void(FinestraMain&)>, Esito>> passi = {
      {"another section type", [](FinestraMain& f) { f.Clic("OpTipoSezione", 1); }, Nessuno},
      {"biaxial bending", [](FinestraMain& f) { f.Clic("OpTipoFlessione", 1); }, Nessuno},
      {"N typed", [](FinestraMain& f) {
         f.Widget("F_N", 0)->setFocus();
         FinestraMain::Batti("9", false);
       }, Nessuno},
      {"a bar's area entered", [](FinestraMain& f) { f.main->FlexGrid(1).SetTextMatrix(1, 1, "12"); },
       Nessuno},
      {"a bar's area typed over", [&](FinestraMain& f) {
         cella(f);
         f.main->FlexGrid_KeyPress(1, '7');
       }, Nessuno},
      {"a bar's area left as it was", [&](FinestraMain& f) {
         cella(f);
         f.main->FlexGrid_Click(1);
         f.main->TxtEdit_LostFocus(1);
       }, Invariato},
      {"a service action typed", [](FinestraMain& f) { f.C("F_N", 1).SetText("80"); }, Invariato},
      {"MRd taken as MEd", [](FinestraMain& f) { f.main->F_Mu_Click(0); }, Invariato},
      {"\"Ricalcola\" of M-curvatura at another N", [&](FinestraMain& f) {
         domanda(f, "btnMomentoCurvatura_solo");
         std::unique_ptr<MomCurv> w(FinestreRisultati::MomCurvAperto(true));
         w->F_N().setText("120");
         QTest::mouseClick(&w->btnCalcolaMN(), Qt::LeftButton);
       }, Nessuno},
      {"a new first load of the M-N window", [&](FinestraMain& f) {
         Stato.AzioniDominioMN.ReDim(1, 1, 1, 2);
         domanda(f, "btnDominioMN");
         std::unique_ptr<DominioMN> w(FinestreRisultati::DominioMNAperto());
         QApplication::setActiveWindow(w.get());
         platform::FlexGridQt& g = w->GridSol();
         const QPoint centro = g.viewport()->mapFrom(&g, g.RettangoloCella(1, 1).center());
         QTest::mouseClick(g.viewport(), Qt::LeftButton, {}, centro);
         QTest::keyClicks(&w->TxtEditSol(), "200");
         QTest::keyClick(&w->TxtEditSol(), Qt::Key_Return);
         QTest::keyClick(&w->TxtEditSol(), Qt::Key_Return);  // past the last cell: "Ridisegna"
         EXPECT_EQ(f.C("F_N", 0).Text(), VariabiliPubbliche::FormattaValore(200));
         EXPECT_GT(w->Graph1().RowCount(), 1);  // the domain stays: it does not depend on N
       }, Nessuno},
      {"\"Nuova coppia sollecitante\" at another angle", [&](FinestraMain& f) {
         f.Clic("OpTipoFlessione", 1);
         f.C("F_Mxsd", 0).SetText("100");
         domanda(f, "btnDominioMN");
         std::unique_ptr<DominioMxMy> w(FinestreRisultati::DominioMxMyAperto());
         const std::string angolo = f.C("F_Angolo").Text();
         w->F_Mxsd().setText("0");
         w->F_MySd().setText("100");
         QTest::mouseClick(&w->cmdRidisegna(), Qt::LeftButton);
         EXPECT_NE(f.C("F_Angolo").Text(), angolo);
       }, Nessuno},
      {"the code in force chosen again",
       [](FinestraMain& f) { f.Widget<QAction>("NormativaItem", 0)->trigger(); }, Invariato},
      // Windows activated, opened or closed change neither the results nor the project.
      {"the M-N and main windows activated, the M-N window closed, the design one opened",
       [&](FinestraMain& f) {
         f.main->RegistraProgetto();
         domanda(f, "btnDominioMN");
         DominioMN* w = FinestreRisultati::DominioMNAperto();
         ASSERT_TRUE(Attiva(*w) && Attiva(*f.main));
         EXPECT_GT(w->Graph1().RowCount(), 1);
         w->close();
         f.main->mnu_Progetto_Click();
         EXPECT_FALSE(f.main->ProgettoModificato());
         delete ProgettoSezione::Aperta();
       }, Invariato},
  };
  for (const auto& [nome, cambia, esito] : passi) {
    SCOPED_TRACE(nome);
    FinestraMain f;
    ScriviSezione(f, Tabella()[0]);
    Calcola(f);
    const std::string momento = f.C("F_Mu", 0).Text();
    ASSERT_FALSE(f.C("F_tipo_rottura", 0).Text().empty());
    cambia(f);
    EXPECT_EQ(f.C("FraRisultati", 0).Visible(), esito == Invariato);
    EXPECT_EQ(Stato.RisultatiPresenti, esito == Invariato);
    if (esito == Invariato)
      EXPECT_EQ(f.C("F_Mu", 0).Text(), momento);
    else
      EXPECT_EQ(f.C("F_tipo_rottura", 0).Text(), "");
  }
}

// An ultimate run refused for an axial force beyond the limit one leaves
// failure type 4 in the section; "Metodo n" runs all the same.
TEST(VerificaMain, MetodoNRunsAfterAnUltimateRunRefusedForTheAxialForce) {
  FinestraMain f;
  ScriviSezione(f, Tabella()[0]);
  f.C("F_N", 0).SetText("100000");
  Calcola(f);
  ASSERT_EQ(VariabiliPubbliche::SezioneCorrente()->Tipo_Rottura, 4);
  f.Clic("OpTipoVerifica", 1);
  f.C("F_N", 1).SetText("100");
  Calcola(f);
  EXPECT_TRUE(f.C("FraRisultati", 0).Visible());
  // 300 x 500, n = 15, 942 mm2 at y = -200, 402 at +200, N = 100 kN at the
  // centre: Ai = 150000 + 15 1344 = 170160; yG = 15 (402 - 942) 200 / Ai =
  // -9.52; Ii = 300 500^3 / 12 + 150000 9.52^2 + 15 (942 190.48^2 + 402
  // 209.52^2) = 3.916e9; top: 1e5 / Ai + 1e5 9.52 259.52 / Ii = 0.651 N/mm2.
  EXPECT_NEAR(std::fabs(Generale::ValNumero(f.C("F_sigma_c").Text())), 0.651, 0.005);
}
