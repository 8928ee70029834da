// Each range of the range table that a window reads, typed into that window
// just inside and just outside, and run through the window's command as the
// user runs it: inside gives a result, outside a refusal that names the value
// and nothing else.
#include <gtest/gtest.h>

#include <algorithm>
#include <set>

#include <QAbstractButton>
#include <QAction>
#include <QComboBox>
#include <QCoreApplication>
#include <QListWidget>
#include <QTextEdit>

#include "FinestraQt.h"
#include "SezioneScritta.h"
#include "app/FinestreRisultati.h"
#include "app/Material.h"
#include "app/MomCurv.h"
#include "app/frmUnits.h"
#include "design/ProgettoSezione.h"
#include "seismic/FrmCoefficienti.h"
#include "seismic/FrmSismica.h"
#include "seismic/StatoSismica.h"

namespace {

// Punto: the main window with the moments about the point typed;
// ColonnaModello: its model column window, recalculated. Sismica under EC8;
// Duttilita and Capacity are the pages of its coefficients window.
enum class Finestra {
  Verifica,
  Punto,
  ColonnaModello,
  MetodoN,
  Materiali,
  Unita,
  Progetto,
  Sismica,
  Duttilita,
  Capacity
};

void Elimina() { QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete); }

template <class W>
QWidget* Apri(FinestraMain& f, const char* voce) {
  f.main->findChild<QAction*>(voce)->trigger();
  QWidget* finestra = W::Aperta();
  EXPECT_TRUE(finestra && Attiva(*finestra)) << voce;
  return finestra;
}

template <class W = QWidget>
W* In(QWidget* finestra, const char* nome) {
  return finestra->findChild<W*>(nome);
}

void Scrivi(QWidget* finestra, const char* nome, const QString& testo) {
  auto* box = In<QLineEdit>(finestra, nome);
  box->setFocus();
  box->selectAll();
  QTest::keyClicks(box, testo);
}

void Clic(QWidget* finestra, const char* nome) {
  QTest::mouseClick(In<QAbstractButton>(finestra, nome), Qt::LeftButton);
}

// The window of the row over a 30 x 50 cm rectangle, or a 40 x 40 cm
// column with 4 + 4 bars of 16 at 4 cm and a storey of 3 m.
QWidget* Prepara(FinestraMain& f, Finestra dove) {
  const SezioneTabella rettangolo{"Rettan.re", 0, 1, {"30", "50"}, 2, {"9,42", "4,02", "45", "5"},
                                  {}, {}, dove == Finestra::MetodoN ? "n" : "SLU+", 100, 50};
  ScriviSezione(f, rettangolo);
  switch (dove) {
    case Finestra::ColonnaModello:
      In<QAbstractButton>(f.main.get(), "btnMomentoCurvatura")->click();
      // N within the critical load at l0 = 100 m, 10 EI / l0^2 = 55 kN (EI =
      // 14167 x 3.125E9 + 200000 x 1344 x 200^2 = 5.5E13 Nmm2).
      Scrivi(FinestreRisultati::MomCurvAperto(false), "F_N", "10");
      return FinestreRisultati::MomCurvAperto(false);
    case Finestra::Punto: f.Clic("OpPuntoN", 2); [[fallthrough]];
    case Finestra::Verifica:
    case Finestra::MetodoN: return f.main.get();
    case Finestra::Materiali: return Apri<Material>(f, "mnuMateriali");
    case Finestra::Unita: return Apri<frmUnits>(f, "mnuOpzioniItem_1");
    case Finestra::Progetto: {
      QWidget* p = Apri<ProgettoSezione>(f, "mnu_Progetto");
      Clic(p, "OptionFissa_1");  // the width typed is the width designed
      return p;
    }
    default: break;
  }
  QWidget* s = Apri<FrmSismica>(f, "MnuSismica");
  In<QAction>(s, "MnuVerificaitem_3")->trigger();
  const std::pair<const char*, const char*> colonna[] = {
      {"PilastroTxt_0", "40"}, {"PilastroTxt_1", "40"}, {"PilastroTxt_4", "4"}, {"PilastroTxt_9", "300"},
      {"PilastroTxt_10", "60"}, {"PilastroTxt_2", "4"}, {"PilastroTxt_3", "4"}};
  for (const auto& [nome, testo] : colonna) Scrivi(s, nome, testo);
  In<QComboBox>(s, "ComboBarrePil_0")->setCurrentText("16");
  if (dove == Finestra::Sismica) return s;
  Clic(s, "HelpMuFi");
  if (dove == Finestra::Capacity) In<QAction>(s, "mnuCapacityDesign")->trigger();
  return FrmCoefficienti::Aperta();
}

// The window's command; true when it shows a result.
bool Comando(FinestraMain& f, Finestra dove, QWidget* finestra, const char* casella) {
  switch (dove) {
    case Finestra::Verifica:
    case Finestra::Punto:
    case Finestra::MetodoN:
      Clic(finestra, "btnCalcola");
      return f.C("FraRisultati", 0).Visible();
    case Finestra::ColonnaModello:
      Clic(finestra, "btnCalcolaMN");
      return !FinestreRisultati::MomCurvAperto(false)->Controllo("M_M2max").Caption().empty();
    case Finestra::Materiali:
    case Finestra::Unita:
      // "Aggiorna &form verifica" by its key: the focus stays in the box.
      In<QAbstractButton>(finestra, dove == Finestra::Materiali ? "F_esci_0" : "OKButton_1")->click();
      Elimina();
      return dove == Finestra::Materiali ? !Material::Aperta() : !frmUnits::Aperta();
    case Finestra::Progetto:
      QTest::keyClick(In(finestra, casella), Qt::Key_Return);
      return !ProgettoSezione::Aperta()->Form().Controllo("txtAs", 0).Text().empty();
    default: {
      QWidget* s = FrmSismica::Aperta();
      Clic(s, "cmdControlloPil_0");
      return !In<QTextEdit>(s, "RichTextBox1")->toPlainText().isEmpty();
    }
  }
  return false;
}

}  // namespace

TEST(IntervalliFinestre, EachRangeTypedJustInsideAndJustOutsideInTheWindowThatReadsIt) {
  using G = Intervalli::Grandezza;
  struct Riga {
    G grandezza;
    Finestra dove;
    const char* casella;
    QString dentro, fuori;
    std::string nome;  // as the refusal names the value outside
  };
  using F = Finestra;
  const std::vector<Riga> righe{
      {G::FydBarre, F::Verifica, "F_fyd_0", "2000", "2000,5", "fyd delle barre = 2000,5"},
      {G::ModuloEs, F::Verifica, "F_Es_0", "300000", "300001", "Es = 300001"},
      // The laws divide by Es: 0 is refused as the run refuses 50000.
      {G::ModuloEs, F::Verifica, "F_Es_0", "200000", "0", "Es = 0"},
      {G::EpsCu, F::Verifica, "F_eps_cu_0", "20", "20,1", "εcu = 20,1 ‰"},
      // eps_c2 may reach eps_cu, 3.5 per mille, and no further.
      {G::EpsC2, F::Verifica, "F_eps_cu_1", "3,5", "20,1", "εc2 = 20,1 ‰"},
      {G::EpsSu, F::Verifica, "F_eps_su_0", "100", "100,1", "εsu = 100,1 ‰"},
      {G::RapportoFccFcd, F::Verifica, "F_fccSufcd", "1", "1,01", "fcc/fcd = 1,01"},
      {G::Momento, F::Verifica, "F_Mxsd_0", "100000000000", "101000000000", "Mx = 101000000000 kNm"},
      {G::RapportoN, F::MetodoN, "F_Es_su_Ec_0", "100", "100,5", "n = 100,5"},
      {G::VerticiCerchio, F::Verifica, "F_Vertici", "16382", "2000000000", "Il numero di vertici = 2000000000"},
      // Said in the boxes' cm. A point 100 m away would carry the 100 kN to
      // a moment no section takes: inside is the centre.
      {G::Coordinata, F::Punto, "F_xN_0", "0", "10000,1",
       "Il punto dei momenti = 10000,1 cm: deve essere compreso tra -10000 e 10000 cm"},
      // The length typed in the window, not the one read before it.
      {G::LunghezzaLibera, F::ColonnaModello, "F_L0", "10000", "10000,1",
       "L0 = 10000,1 cm: deve essere compreso tra 0 e 10000 cm"},
      {G::Fyk, F::Materiali, "F_fck_0", "2000", "2000,5", "fyk = 2000,5"},
      {G::Fck, F::Materiali, "F_fck_1", "90", "90,01", "fck = 90,01"},
      // Shown with the digits that keep it outside, not rounded to 90.
      {G::Fck, F::Materiali, "F_fck_1", "90", "90,0000001", "fck = 90,0000001 N/mm²"},
      {G::Rck, F::Materiali, "F_Rck_1", "110", "110,1", "Rck = 110,1"},
      {G::GammaS, F::Materiali, "F_gamma_0", "1", "0,99", "γs = 0,99"},
      {G::GammaC, F::Materiali, "F_gamma_1", "3", "3,01", "γc = 3,01"},
      {G::ModuloEs, F::Materiali, "F_Es", "100000", "99999", "Es = 99999"},
      {G::RapportoN, F::Materiali, "F_Es_su_Ec", "1", "0,99", "n = 0,99"},
      {G::FydBarre, F::Materiali, "F_fd_0", "2000", "2001", "fyd delle barre = 2001"},
      {G::Fcd, F::Materiali, "F_fd_1", "100", "100,1", "fcd = 100,1"},
      {G::AlfaCC, F::Materiali, "F_AlfaCC", "1", "1,01", "αcc = 1,01"},
      {G::RapportoFccFcd, F::Materiali, "F_fccSufcd", "1", "1,01", "fcc/fcd = 1,01"},
      {G::SigmaSAmm, F::Materiali, "txtSigAdm_0", "2000", "2001", "σs amm. = 2001"},
      {G::SigmaCAmm, F::Materiali, "txtSigAdm_1", "40", "40,1", "σc amm. = 40,1"},
      {G::TauC, F::Materiali, "txtSigAdm_3", "10", "10,1", "τc1 = 10,1"},
      // The weakest materials of the codes and a little below (those the
      // case runner reads are bounded there alike).
      {G::Fyk, F::Materiali, "F_fck_0", "200", "199", "fyk = 199"},
      // Rck 10 gives σc amm. 6 + (10 - 15) / 4 = 4.75 and τco 0.4 - 5 / 75 =
      // 0.3333, both inside their own ranges.
      {G::Rck, F::Materiali, "F_Rck_1", "10", "9,9", "Rck = 9,9"},
      {G::Fcd, F::Materiali, "F_fd_1", "0,4", "0,39", "fcd = 0,39"},
      {G::SigmaSAmm, F::Materiali, "txtSigAdm_0", "100", "99", "σs amm. = 99"},
      {G::SigmaCAmm, F::Materiali, "txtSigAdm_1", "4", "3,9", "σc amm. = 3,9"},
      {G::TauC, F::Materiali, "txtSigAdm_2", "0,3", "0,29", "τco = 0,29"},
      {G::GammaAzioni, F::Unita, "txtGammaQ", "3", "3,01", "γ azioni = 3,01"},
      {G::Forza, F::Progetto, "F_Vsd_0", "1000000000", "1010000000", "V = 1010000000 kN"},
      {G::Lunghezza, F::Progetto, "txtSez_1", "10000", "10000,1",
       "B = 10000,1 cm: deve essere maggiore di 0 e non superiore a 10000 cm"},
      {G::Lunghezza, F::Sismica, "PilastroTxt_9", "10000", "10000,1", "L = 10000,1 cm"},
      {G::Forza, F::Sismica, "F_N", "-1000000000", "-1010000000", "NEd = -1010000000 kN"},
      {G::Momento, F::Sismica, "F_MInfsd_0", "100000000000", "101000000000", "MEd = 101000000000 kNm"},
      {G::DuttilitaCurvatura, F::Sismica, "txtDinamica_0", "100", "100,5", "μφ = 100,5"},
      {G::FattoreStruttura, F::Sismica, "txtDinamica_1", "6,75", "6,76", "q0 = 6,76"},
      {G::Periodo, F::Duttilita, "txtCoeff_2", "10", "10,1", "T1 = 10,1 s"},
      {G::RapportoMomenti, F::Capacity, "txtCoeffC_0", "10", "10,1", "r sez. inferiore = 10,1"},
      {G::RapportoMomenti, F::Capacity, "txtCoeffC_1", "0", "-0,1", "r sez. superiore = -0,1"},
      // The width of the first design, 2 x (20 + 8) + 4 x 12 + 3 x 20 = 164 mm,
      // stirrups of 8, bars up to 20: the cover stays below
      // (164 - 2 x 8 - 20) / 2 - 20 = 44 mm; said in the boxes' cm.
      {G::Lunghezza, F::Progetto, "txtPro_0", "4,3", "4,4",
       "c = 4,4 cm: deve essere maggiore o uguale a 0 e minore di 4,4 cm"},
      {G::Lunghezza, F::Progetto, "F_Mxsd_0", "100", "100000000000", "H = "},
  };
  for (const Riga& r : righe) {
    for (const bool fuori : {false, true}) {
      SCOPED_TRACE(r.casella + std::string(fuori ? " fuori" : " dentro"));
      Sismica::Stato = Sismica::StatoSismico{};
      FinestraMain f;
      QWidget* finestra = Prepara(f, r.dove);
      ASSERT_NE(finestra, nullptr);
      f.ambiente.box.Svuota();
      Scrivi(finestra, r.casella, fuori ? r.fuori : r.dentro);
      // Typing shows no box: the refusal comes with the command.
      EXPECT_EQ(f.ambiente.box.Testi(), std::vector<std::string>{});
      const bool risultato = Comando(f, r.dove, finestra, r.casella);
      const std::vector<std::string> testi = f.ambiente.box.Testi();
      std::string rifiuto;
      for (const std::string& t : testi)
        if (t.find(r.nome) != std::string::npos && t.find("deve essere") != std::string::npos) rifiuto = t;
      EXPECT_EQ(risultato, !fuori) << ::testing::PrintToString(testi);
      EXPECT_EQ(rifiuto.empty(), !fuori) << (testi.empty() ? "" : testi[0]);
      // The coefficients window names it as it is typed.
      if (fuori && (r.dove == F::Duttilita || r.dove == F::Capacity)) {
        auto* avvisi = In<QListWidget>(finestra, r.dove == F::Duttilita ? "ListaOsservCoef_0"
                                                                        : "ListaOsservCoef_1");
        ASSERT_GT(avvisi->count(), 0);
        EXPECT_EQ(avvisi->item(0)->text().toStdString().rfind(r.nome, 0), 0u);
      }
      // gamma_c 3 taken: fcd = 0.85 x 25 / 3 = 7.0833; 3.01 refused: the
      // state keeps 1.5 and fcd = 0.85 x 25 / 1.5 = 14.1667.
      if (r.grandezza == G::VerticiCerchio) EXPECT_EQ(VariabiliPubbliche::Stato.NumeroVerticiCerchio, fuori ? 52 : 16382);
      if (r.grandezza == G::GammaC) {
        EXPECT_EQ(VariabiliPubbliche::Stato.GammaC, fuori ? 1.5 : 3);
        EXPECT_NEAR(VariabiliPubbliche::Stato.Fcd, fuori ? 14.1667 : 7.0833, 1e-4);
      }
      delete ProgettoSezione::Aperta();
      for (QWidget* w : QApplication::topLevelWidgets())
        if (w != f.main.get()) w->close();
      Elimina();
    }
  }
  // Every constant of the table has its row above but those typed where no
  // command of these windows reads them alone: the grids' areas and prestress,
  // the tendons' fyd, eps_c2, the confidence factor (chosen from a list) and
  // the neutral-axis angle (read with the biaxial option), the stirrups'
  // diameter (typed in the stirrup editor's grid).
  const std::set<G> altrove{G::AreaAcciaio, G::PrecompressioneCavo, G::FydCavi,
                            G::FattoreConfidenza, G::Angolo, G::Diametro};
  for (int i = 0; i <= static_cast<int>(G::Diametro); ++i) {
    const G g = static_cast<G>(i);
    const bool riga = std::any_of(righe.begin(), righe.end(),
                                  [g](const Riga& r) { return r.grandezza == g; });
    EXPECT_NE(riga, altrove.count(g) == 1) << Intervalli::Di(g).nome;
  }
}
