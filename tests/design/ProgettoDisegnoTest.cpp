// "Plotta" of the design window: the designed 300 x 500 beam with four-leg
// stirrups drawn in the drawing window, printed to PDF and exported to DXF.
#include <cmath>
#include <cstdlib>
#include <vector>

#include <QComboBox>
#include <QFile>
#include <QTemporaryDir>

#include "FinestraProgetto.h"
#include "analysis/Correnti.h"
#include "analysis/SezioneCA.h"
#include "app/FinestreRisultati.h"
#include "app/FrmPltSezione.h"
#include "doppi/StampaPdf.h"
#include "platform/FileDialogScriptato.h"
#include "seismic/FrmSismica.h"

using VariabiliPubbliche::Stato;

namespace {

class DisegnoProgetto : public FinestraProgetto {
 protected:
  // Both dimensions fixed at 30 x 50 cm, bars of one diameter in each zone,
  // stirrups of 8 mm with four legs and holders of 12, 150 kNm and 100 kN.
  void SetUp() override {
    ASSERT_NE(p, nullptr);
    Clic("OptionFissa", 2);
    if (p->Form().Controllo("chkAutoDiametri").Value() == 1) Clic("chkAutoDiametri");
    for (const char* zona : {"chkFi", "chkFiC"})
      for (int i = 0; i < 3; ++i)
        if ((p->Form().Controllo(zona, i).Value() == 1) != (i == 0)) Clic(zona, i);
    Scegli("ComboBracci", "4");
    Scegli("ComboStaffe", " 8");
    Scegli("ComboReggi", "12");
    Batti("F_Mxsd", 0, "150");
    Batti("F_Vsd", 0, "100");
  }

  // The item typed on the closed list, as the keyboard picks it.
  void Scegli(const char* nome, const QString& voce) {
    auto* c = p->findChild<QComboBox*>(nome);
    c->setFocus();
    QTest::keyClicks(c, voce);
    ASSERT_TRUE(c->currentText().startsWith(voce)) << nome;
  }

  FrmPltSezione* Plotta() {
    Clic("Command1");
    QApplication::processEvents();
    FrmPltSezione* w = FinestreRisultati::FrmPltSezioneAperto();
    if (w) w->ImpostaDialoghi(&file, nullptr);
    return w;
  }

  // Places worked out by hand: legs on the width W = b - 2c - phi at W/3
  // spacings, each holder touching the inside of its bend (inner radius
  // 2 phi), n bars shared out over the three gaps between holders (n/3 each,
  // one more in the middle for a remainder of 1, in the outer two for 2), in
  // each gap evenly.
  struct Atteso {
    std::vector<double> reggi;
    std::vector<double> barre;
    double yReggi;
    double yBarre;
  };
  // Four legs; two bars, one in each outer gap, centred between the outer holder's face and the
  // inner leg's face.
  static Atteso Posti(double b, double c, double phi, double dReggi, double d) {
    const double meta = b / 2 - c - phi / 2, W = 2 * meta;
    const double x1 = 2 * phi - (2 * phi - dReggi / 2) / std::sqrt(2.0) + phi / 2;
    Atteso a;
    a.reggi = {-meta + x1, -meta + W / 3 + x1, meta - W / 3 - x1, meta - x1};
    const double x = (meta - x1 - dReggi / 2 + meta - W / 3 + phi / 2) / 2;
    a.barre = {-x, x};
    a.yReggi = c + phi / 2 + x1;
    a.yBarre = c + phi + d / 2;
    return a;
  }

  QTemporaryDir cartella;
  platform::FileDialogScriptato file;
};

// 120 kNm: As = 120e6 / (391.3 x 0.9 x 464) = 734 mm2 less 4φ12 (452): two 16s (d = 464), one
// row. Mid-way between the holders, 42 - 8 - 6 = 28 clear of them, they would stand 71.07 - 8 - 46
// = 17.1 from the faces of the inner legs (at 42): each centred between the outer holder's face
// 107.07 and the inner leg's, 22.5 clear of both; none 20 clear in the middle gap.
TEST_F(DisegnoProgetto, PlottaDrawsTheDesignedBeamInItsOwnFrame) {
  Batti("F_Mxsd", 0, "120");
  f.main->findChild<QAction*>("MnuSismica")->trigger();  // it rebuilds the current section
  FrmPltSezione* w = Plotta();
  ASSERT_NE(w, nullptr);
  EXPECT_TRUE(w->isVisible());
  const std::shared_ptr<SezioneCA> s = w->Sezione;
  EXPECT_EQ(s->TipoPlottaggio, "CON-STAFFE");
  EXPECT_FLOAT_EQ(s->b1, 300);
  EXPECT_FLOAT_EQ(s->h1, 500);
  ASSERT_EQ(s->CollReggiInf.size(), 1u);
  EXPECT_EQ(s->CollReggiInf[0].nBarre, 4);
  // A positive moment: the bottom bars are the tension ones, one diameter.
  ASSERT_EQ(s->CollInf.size(), 1u);
  const Barra& tese = s->CollInf[0];
  EXPECT_EQ(tese.Tipo, "FERRI-INF");
  // The holders count in the tension zone too.
  EXPECT_GE(tese.Area() + s->CollReggiInf[0].Area(), p->Modello().AsTesa);
  const Atteso a = Posti(300, Stato.CopriferroProgetto, 8, 12, tese.Diametro);
  ASSERT_EQ(s->CollReggiInf[0].Posizione_.Conta(), 4);
  for (int k = 0; k < 4; ++k)
    EXPECT_NEAR(s->CollReggiInf[0].Posizione_(k + 1), a.reggi[static_cast<std::size_t>(k)], 1e-4);
  ASSERT_EQ(tese.nBarre, 2);
  ASSERT_EQ(tese.Posizione_.Conta(), tese.nBarre);
  for (int k = 0; k < tese.nBarre; ++k)
    EXPECT_NEAR(tese.Posizione_(k + 1), a.barre[static_cast<std::size_t>(k)], 1e-4);
  // Groups numbered bottom holders, top holders, bottom bars.
  EXPECT_EQ(tese.iPosizione, 3);

  SalvaSchermata(*p, "ProgettoSezione_Plotta");
  w->resize(760, 820);
  QApplication::processEvents();
  w->PlottaInOggetto("VIDEO");
  const QImage im = w->Immagine().convertToFormat(QImage::Format_RGB32);
  int inchiostro = 0, bordo = 0;
  for (int y = 0; y < im.height(); ++y)
    for (int x = 0; x < im.width(); ++x) {
      const bool scuro = qGray(im.pixel(x, y)) < 200;
      inchiostro += scuro;
      // Nothing of the drawing reaches the edges: labels and title fit.
      bordo += scuro && (x < 3 || y < 3 || x >= im.width() - 3 || y >= im.height() - 3);
    }
  EXPECT_GT(inchiostro, 3000);
  EXPECT_EQ(bordo, 0);
  SalvaSchermata(*w, "FrmPltSezione_Progetto");
  delete FrmSismica::Aperta();
}

// "Stampa" as a user starts it: the print dialog on the program's printer.
TEST_F(DisegnoProgetto, PrintedToThePdfChosenInTheDialog) {
  f.main->Controllo("OpTipoVerifica", 1).SetValue(1);  // the design's method is its own
  FrmPltSezione* w = Plotta();
  ASSERT_NE(w, nullptr);
  StampaPdf carta;
  const auto prima = f.ambiente.box.Mostrati().size();
  w->findChild<QAction*>("MnufileItem_0")->trigger();
  EXPECT_EQ(carta.Dialoghi(), 1);
  EXPECT_EQ(f.ambiente.box.Mostrati().size(), prima);
  EXPECT_EQ(carta.Pagine(), 1);
  const QString testo = carta.Testo();
  EXPECT_TRUE(testo.contains(" P.1 ")) << testo.toStdString();
  EXPECT_TRUE(testo.contains("Staffe")) << testo.toStdString();
  EXPECT_TRUE(testo.contains("Msd=150")) << testo.toStdString();
}

// TRAMOK_DXF_PROGETTO names the file to keep for the independent reader.
TEST_F(DisegnoProgetto, ExportedToDxf) {
  Batti("F_Mxsd", 0, "120");  // the bars of one row, as above
  FrmPltSezione* w = Plotta();
  ASSERT_NE(w, nullptr);
  const char* daTenere = std::getenv("TRAMOK_DXF_PROGETTO");
  const std::string percorso = daTenere ? daTenere : cartella.filePath("trave.dxf").toStdString();
  file.Accoda(percorso);
  const auto prima = f.ambiente.box.Mostrati().size();
  w->MnufileItem_Click(1);
  EXPECT_EQ(f.ambiente.box.Mostrati().size(), prima);
  QFile letto(QString::fromStdString(percorso));
  ASSERT_TRUE(letto.open(QIODevice::ReadOnly));
  const QByteArray dxf = letto.readAll();
  EXPECT_TRUE(dxf.contains("CIRCLE"));
  EXPECT_TRUE(dxf.trimmed().endsWith("EOF"));
}

TEST_F(DisegnoProgetto, ClosingTheDesignWindowClosesTheDrawing) {
  ASSERT_NE(Plotta(), nullptr);
  delete p;
  p = nullptr;
  QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  EXPECT_EQ(FinestreRisultati::FrmPltSezioneAperto(), nullptr);
}

}  // namespace
