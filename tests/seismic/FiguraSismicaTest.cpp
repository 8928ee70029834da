// The seismic window's picture with the column's stirrups, the drawing window
// opened over it, the coefficients window's pages opened from its help
// buttons and menu, and the stirrup editor's commands held back by an
// overlapping stirrup.
#include <gtest/gtest.h>

#include <QAction>
#include <QCoreApplication>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>

#include "ColonnaProva.h"
#include "DisegnoSismicaQt.h"
#include "FinestreSismicaQt.h"
#include "app/FiguraSezione.h"
#include "app/FinestreRisultati.h"
#include "app/FrmPltSezione.h"
#include "app/Schermata.h"
#include "doppi/StampaPdf.h"
#include "platform/MsgBoxScriptato.h"
#include "platform_qt/AppQt.h"
#include "seismic/FrmCoefficienti.h"
#include "seismic/FrmSismica.h"

using Sismica::Stato;

namespace {

class FiguraSismica : public FinestreSismicaQt {
 protected:
  static void Scrivi(const char* nome, const char* testo) {
    auto* box = F().findChild<QLineEdit*>(nome);
    box->selectAll();
    QTest::keyClicks(box, testo);
  }
  static void Clic(QWidget& finestra, const char* nome) {
    QTest::mouseClick(finestra.findChild<QAbstractButton*>(nome), Qt::LeftButton);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  }
  // 400 x 400, 4 x 4 bars of 16 at 40 from the faces, drawn once so that the
  // bottom end holds them.
  static void Colonna() {
    FrmSismica::Mostra();
    const std::pair<const char*, const char*> dati[] = {
        {"PilastroTxt_0", "400"}, {"PilastroTxt_1", "400"}, {"PilastroTxt_2", "4"},
        {"PilastroTxt_3", "4"},   {"PilastroTxt_4", "40"},  {"PilastroTxt_9", "3000"}};
    for (const auto& [nome, testo] : dati) Scrivi(nome, testo);
    QTest::mouseClick(F().findChild<QWidget*>("Figura"), Qt::LeftButton);
  }
};

TEST_F(FiguraSismica, StirrupsDrawnInThePictureAndInTheDrawingWindow) {
  Colonna();
  auto* figura = F().findChild<QWidget*>("Figura");
  const QImage senza = figura->grab().toImage();
  EXPECT_EQ(PixelStaffe(senza), 0);
  Stato.PilastroCorrente.StaffeMemorizza(
      RecordStaffe({{8, 1, 4, 12, 9}, {8, 2, 3, 11, 10}, {8, 5, 6}, {8, 7, 8}}));
  QTest::mouseClick(figura, Qt::LeftButton);
  EXPECT_GT(PixelStaffe(figura->grab().toImage()), 100);
  EXPECT_TRUE(messaggi.Mostrati().empty());
  SalvaSchermata(F(), "FrmSismica_staffe");

  Clic(F(), "cmdPlotta");
  FrmPltSezione* disegno = FinestreRisultati::FrmPltSezioneAperto();
  ASSERT_NE(disegno, nullptr);
  EXPECT_TRUE(disegno->ChiamataDaSismica);
  EXPECT_GT(PixelStaffe(disegno->grab().toImage()), 100);
  SalvaSchermata(*disegno, "FrmPltSezione_sismica");

  // Printed, the stirrups go with the section to the page.
  {
    StampaPdf carta;
    disegno->findChild<QAction*>("MnufileItem_0")->trigger();
    EXPECT_GT(PixelStaffe(carta.Immagine()), 100);
  }

  // Exported to DXF, the four stirrups go with the section, in colour 6.
  QTemporaryDir cartella;
  EXPECT_EQ(StaffeDxf(*disegno, cartella.filePath("pilastro.dxf")), 4);

  // Closing the seismic window closes the drawing window with it.
  F().close();
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  EXPECT_EQ(FinestreRisultati::FrmPltSezioneAperto(), nullptr);
}

// Radius 250 with 8 bars and hoops of 8: the hoop is drawn with the section.
TEST_F(FiguraSismica, CircularColumnDrawnWithItsHoop) {
  FrmSismica::Mostra();
  QTest::mouseClick(F().findChild<QAbstractButton*>("OpTipoPilastro_1"), Qt::LeftButton, {},
                    QPoint(6, 6));
  const std::pair<const char*, const char*> dati[] = {
      {"PilastroTxt_6", "250"}, {"PilastroTxt_7", "8"}, {"PilastroTxt_8", "40"}};
  for (const auto& [nome, testo] : dati) Scrivi(nome, testo);
  auto* figura = F().findChild<QWidget*>("Figura");
  QTest::mouseClick(figura, Qt::LeftButton);
  EXPECT_EQ(Stato.PilastroCorrente.MatriceSezionePilastro(1, 14), 6);
  EXPECT_GT(PixelStaffe(figura->grab().toImage()), 100);
  EXPECT_TRUE(messaggi.Mostrati().empty());
}

// A bar count beyond what the program counts stops the picture with the
// data-error box; the window stays usable.
TEST_F(FiguraSismica, UnusableDataGiveTheDataErrorBox) {
  Colonna();
  Scrivi("PilastroTxt_2", "40000");
  QTest::mouseClick(F().findChild<QWidget*>("Figura"), Qt::LeftButton);
  ASSERT_EQ(messaggi.Testi().size(), 1u);
  EXPECT_EQ(messaggi.Testi()[0], "Errore! Controllare i dati");
  Scrivi("PilastroTxt_2", "4");
  QTest::mouseClick(F().findChild<QWidget*>("Figura"), Qt::LeftButton);
  EXPECT_EQ(messaggi.Testi().size(), 1u);
  EXPECT_EQ(Stato.PilastroCorrente.nBarreTotale(), 12);
}

// The drawing keeps the picture's proportions: made again whenever the
// picture takes another size.
TEST_F(FiguraSismica, DrawingFollowsThePicturesSize) {
  Colonna();
  auto* figura = F().findChild<FiguraSezione*>("Figura");
  F().resize(F().width() + 120, F().height() + 80);
  QCoreApplication::processEvents();
  figura->resize(figura->width() + 50, figura->height() / 2);
  const QSize attesa = figura->size() * figura->devicePixelRatioF();
  EXPECT_EQ(figura->Immagine().size(), attesa);
}

// A column without size shows the sketch of its shape, not a blank picture.
TEST_F(FiguraSismica, PlotOpensNothingForAColumnWithoutArea) {
  FrmSismica::Mostra();
  Clic(F(), "cmdPlotta");
  EXPECT_EQ(FinestreRisultati::FrmPltSezioneAperto(), nullptr);
  auto* figura = F().findChild<FiguraSezione*>("Figura");
  QTest::mouseClick(figura, Qt::LeftButton);
  EXPECT_TRUE(figura->Immagine().isNull());
  EXPECT_EQ(figura->Schizzo(), FiguraSezione::PilastroRettangolare);
  QTest::mouseClick(F().findChild<QWidget*>("OpTipoPilastro_1"), Qt::LeftButton, {},
                    QPoint(6, 6));
  EXPECT_EQ(figura->Schizzo(), FiguraSezione::PilastroCircolare);
}

TEST_F(FiguraSismica, AnOverlappingStirrupHoldsBackTheEditorsConfirmCommands) {
  Colonna();
  Sismica::Pilastro& p = Stato.PilastroCorrente;
  auto& finestra = *FrmSismica::Aperta();
  const Matrice<float> doppia = RecordStaffe({{8, 1, 4, 12, 9}, {8, 4, 12, 9, 1}});
  EXPECT_FALSE(p.StaffaMemorizzaControllo(doppia, 2, finestra));
  ASSERT_EQ(messaggi.Testi().size(), 1u);
  EXPECT_EQ(messaggi.Testi()[0],
            "la staffa 2 si sovrappone alla staffa 1.\r\nEliminarla o modificarla!");
  for (int i = 0; i <= 5; ++i)
    EXPECT_EQ(F().findChild<QPushButton*>(QString("cmdStaffe_%1").arg(i))->isEnabled(), i % 2 == 1)
        << i;
  EXPECT_FALSE(F().findChild<QPushButton*>("cmdControlloPilStaffe")->isEnabled());

  // A record refused for itself names its fault under the grid.
  const Matrice<float> fuori = RecordStaffe({{8, 1, 4, 12, 9}, {8, 5, 13}});
  EXPECT_FALSE(p.StaffaMemorizzaControllo(fuori, 2, finestra));
  auto* errore = F().findChild<QLabel*>("lblErroreSt");
  EXPECT_FALSE(errore->isHidden());
  EXPECT_EQ(errore->text(), "Errore nella staffa 2: la barra 13 non esiste");
  const int larghezza = F().findChild<QWidget*>("frmStaffe")->minimumSizeHint().width();
  p.StaffaMemorizzaControllo(RecordStaffe({{1000, 1, 4, 12, 9}}), 1, finestra);  // its fault wraps
  EXPECT_EQ(F().findChild<QWidget*>("frmStaffe")->minimumSizeHint().width(), larghezza);

  const Matrice<float> buona = RecordStaffe({{8, 1, 4, 12, 9}, {8, 5, 6}});
  EXPECT_TRUE(p.StaffaMemorizzaControllo(buona, 2, finestra));
  EXPECT_TRUE(errore->isHidden());
  EXPECT_TRUE(F().findChild<QPushButton*>("cmdStaffe_0")->isEnabled());
  EXPECT_TRUE(F().findChild<QPushButton*>("cmdControlloPilStaffe")->isEnabled());
}

TEST_F(FiguraSismica, HelpButtonsAndMenuOpenTheirPages) {
  FrmSismica::Mostra();
  auto pagina = [] {
    FrmCoefficienti* c = FrmCoefficienti::Aperta();
    for (const char* nome : {"frameDuttilità", "frameCapacity", "fraOmegaSt", "fraOmegaWd"})
      if (c && !c->findChild<QGroupBox*>(QString::fromUtf8(nome))->isHidden())
        return std::string(nome);
    return std::string();
  };
  F().findChild<QAction*>("mnuCapacityDesign")->trigger();
  EXPECT_EQ(pagina(), "frameCapacity");
  Clic(F(), "HelpMuFi");
  EXPECT_EQ(pagina(), "frameDuttilità");
  Clic(F(), "HelpOmegaSt_0");
  EXPECT_EQ(pagina(), "fraOmegaSt");
  Clic(F(), "HelpOmegaSt_1");
  EXPECT_EQ(pagina(), "fraOmegaWd");
  Clic(F(), "HelpOmegaSt_2");
  EXPECT_EQ(pagina(), "fraOmegaSt");
  VariabiliPubbliche::Stato.NormativaSismica = 1;
  Clic(F(), "HelpOmegaSt_2");
  EXPECT_EQ(pagina(), "fraOmegaWd");
  VariabiliPubbliche::Stato.NormativaSismica = 0;
  Clic(F(), "HelpOmegaSt_0");
  // The NTC page leads on to the EC8 one.
  Clic(*FrmCoefficienti::Aperta(), "HelpOmegaSt");
  EXPECT_EQ(pagina(), "fraOmegaWd");
}

// What the stirrup checks left, shown as the two explanation pages show it:
// whole numbers for the areas and lengths, result-box texts for the ratios.
TEST_F(FiguraSismica, StirrupPagesShowTheChecksValues) {
  // The minimum ratios as the checks store them, in 32 bits.
  const double valori[] = {100.53, 150.8, 336, 296.4, 0.12f, 0.08f, 123456.7, 102400, 0.1234,
                           0.08,   0.07,  0.12f, 320,  280,  0.35, 1.2,  0.8};
  for (int i = 1; i <= 17; ++i) Stato.ValoriStaffe(i) = valori[i - 1];
  Stato.PilastroCorrente.SezioneInferiore = true;
  FrmCoefficienti& ntc = FrmCoefficienti::Mostra(2);
  auto testo = [](QWidget& w, const char* nome) {
    return w.findChild<QLabel*>(nome)->text().toStdString();
  };
  EXPECT_EQ(ntc.windowTitle(), "NTC #7.4.6.2.2 eq. (7.4.28) - Quantitativo minimo di staffe");
  EXPECT_EQ(testo(ntc, "lblAst_0"), "- Ast=101; bst=336 (Dir X)");
  EXPECT_EQ(testo(ntc, "lblAst_1"), "- Ast=151; bst=296 (Dir Y)");
  EXPECT_EQ(testo(ntc, "lblAstMin_0"), "0,12");
  EXPECT_EQ(testo(ntc, "lblAstMin_1"), "0,08");
  ntc.close();
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);

  FrmCoefficienti& ec8 = FrmCoefficienti::Mostra(3);
  EXPECT_EQ(ec8.windowTitle(),
            "EC8 #5.4.3.2.2(8) - Rappoto volumetrico meccanico staffe confinanti");
  EXPECT_EQ(testo(ec8, "lblVolStFisso_0"), "Zona critica sezione inferiore");
  EXPECT_EQ(testo(ec8, "lblVolSt_0"), " - vol. staffe=123457");
  EXPECT_EQ(testo(ec8, "lblVolSt_1"), " - area cls   =102400");
  EXPECT_EQ(testo(ec8, "lblVolSt_2"), " 0,1234");
  EXPECT_EQ(testo(ec8, "lblVolSt_3"), " 0,35");
  EXPECT_EQ(testo(ec8, "lblVolSt_4"), " 1,2 x 0,8 = 0,96");
  EXPECT_EQ(testo(ec8, "lblOmegaWdMin_0"), " 0,08 (Dir X: bc= 320)");
  EXPECT_EQ(testo(ec8, "lblOmegaWdMin_1"), " 0,07 (Dir Y: bc= 280)");
  EXPECT_EQ(testo(ec8, "lblOmegaWdMinImposto"), ">=0,12");
  SalvaSchermata(ec8, "FrmCoefficienti_ec8");
  Stato.ValoriStaffe(12) = 0;
  Stato.PilastroCorrente.SezioneInferiore = false;
  FrmCoefficienti::Mostra(3);
  EXPECT_EQ(testo(ec8, "lblOmegaWdMinImposto"), "");
  EXPECT_EQ(testo(ec8, "lblVolStFisso_0"), "Zona critica sezione superiore");
}

}  // namespace
