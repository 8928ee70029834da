#include <cstdlib>
#include <optional>

#include <QFile>
#include <QRegularExpression>
#include <QTemporaryDir>

#include "FinestreQt.h"
#include "app/FinestreRisultati.h"
#include "app/FrmPltSezione.h"
#include "doppi/StampaPdf.h"
#include "drawing/GraficaStato.h"
#include "model/VariabiliPubbliche.h"
#include "platform/FileDialogScriptato.h"
#include "platform/MsgBoxScriptato.h"
#include "platform/PrintDialogScriptato.h"
#include "platform/Stampante.h"
#include "platform/qt/StampanteQt.h"

namespace {

// The verified 300 x 500 beam of the case runner drawn over a picture of
// the main window.
class FinestraPltSezione : public ConMain {
 protected:
  void SetUp() override {
    EseguiCasoDiProva("rettangolo_armatura_semplice.caso");
    ApriMain();
    VariabiliPubbliche::Stato.RisultatiPresenti = true;
    Grafica::Stato = Grafica::StatoGrafica{};
    messaggi.emplace();
    figura.resize(520, 420);
    figura.move(40, 60);
    figura.show();
    ASSERT_TRUE(cartella.isValid());
  }
  void TearDown() override {
    platform::ImpostaStampante(nullptr);
    ConMain::TearDown();
  }

  FrmPltSezione& Apri() {
    FrmPltSezione& w = FinestreRisultati::AggiornaFrmPltSezione(figura, 1);
    w.ImpostaDialoghi(&file, &stampa);
    QApplication::processEvents();
    return w;
  }

  // Pixels darker than mid-grey.
  static int Inchiostro(const QImage& immagine) {
    const QImage im = immagine.convertToFormat(QImage::Format_RGB32);
    int n = 0;
    for (int y = 0; y < im.height(); ++y)
      for (int x = 0; x < im.width(); ++x) n += qGray(im.pixel(x, y)) < 160;
    return n;
  }

  QWidget figura;
  QTemporaryDir cartella;
  platform::FileDialogScriptato file;
  platform::PrintDialogScriptato stampa;
  std::optional<platform::MsgBoxScriptato> messaggi;
};

}  // namespace

TEST_F(FinestraPltSezione, LiesOverThePictureAndDrawsTheVerifiedSection) {
  FrmPltSezione& w = Apri();
  EXPECT_EQ(w.windowTitle(), "Sezione C.A.");
  // Title bar and borders too: nothing beside the picture is covered.
  const QRect sopra(figura.mapToGlobal(QPoint(0, 0)), figura.size());
  EXPECT_EQ(w.frameGeometry(), sopra);
  EXPECT_TRUE(VariabiliPubbliche::Stato.PlottaggioVideo);
  w.resize(700, 560);
  Fotografa(w, "FrmPltSezione");
  EXPECT_GT(Inchiostro(w.Immagine()), 2000);
  // A second verification reuses the one window.
  EXPECT_EQ(&FinestreRisultati::AggiornaFrmPltSezione(figura, 0), &w);
  EXPECT_EQ(w.frameGeometry(), sopra);
  EXPECT_FALSE(VariabiliPubbliche::Stato.PlottaggioVideo);
  // The picture narrowed by the results shown beside it: the window follows.
  figura.setGeometry(60, 60, 400, 380);
  QApplication::processEvents();
  EXPECT_EQ(w.frameGeometry(), QRect(figura.mapToGlobal(QPoint(0, 0)), figura.size()));
}

TEST_F(FinestraPltSezione, PrintsEachCopyOnAPageOfThePdf) {
  FrmPltSezione& w = Apri();
  const QString pdf = cartella.filePath("sezione.pdf");
  platform::StampanteQt stampante;
  stampante.Printer().setOutputFormat(QPrinter::PdfFormat);
  stampante.Printer().setOutputFileName(pdf);
  platform::ImpostaStampante(&stampante);
  stampa.Accoda(2);
  w.MnufileItem_Click(0);
  EXPECT_TRUE(messaggi->Mostrati().empty());
  QFile letto(pdf);
  ASSERT_TRUE(letto.open(QIODevice::ReadOnly));
  const QByteArray contenuto = letto.readAll();
  EXPECT_TRUE(contenuto.startsWith("%PDF"));
  EXPECT_EQ(QString::fromLatin1(contenuto).count(QRegularExpression("/Type\\s*/Page(?!s)")), 2);
}

// TRAMOK_DXF_SEZIONE names the file to keep for the independent reader.
TEST_F(FinestraPltSezione, ExportsTheDrawingToADxfFile) {
  FrmPltSezione& w = Apri();
  w.NomeFileProgetto = "trave";
  const char* daTenere = std::getenv("TRAMOK_DXF_SEZIONE");
  const std::string percorso =
      daTenere ? daTenere : cartella.filePath("trave.dxf").toStdString();
  file.Accoda(percorso);
  w.MnufileItem_Click(1);
  ASSERT_EQ(file.Mostrati().size(), 1u);
  EXPECT_EQ(file.Mostrati()[0].FileName, "trave.dxf");
  EXPECT_EQ(file.Mostrati()[0].FilterIndex, 2);
  EXPECT_TRUE(messaggi->Mostrati().empty());
  QFile letto(QString::fromStdString(percorso));
  ASSERT_TRUE(letto.open(QIODevice::ReadOnly));
  const QByteArray dxf = letto.readAll();
  EXPECT_TRUE(dxf.contains("CIRCLE"));
  EXPECT_TRUE(dxf.trimmed().endsWith("EOF"));
}

TEST_F(FinestraPltSezione, CloseFromTheMenuAndTheSeismicStirrupsAfterTheSection) {
  FrmPltSezione& w = Apri();
  std::vector<std::string> staffe;
  w.PlottaStaffeSismica = [&](const std::string& d) { staffe.push_back(d); };
  w.PlottaInOggetto("VIDEO");
  EXPECT_TRUE(staffe.empty());
  w.ChiamataDaSismica = true;
  w.PlottaInOggetto("VIDEO");
  EXPECT_EQ(staffe, std::vector<std::string>{"VIDEO"});
  w.MnufileItem_Click(4);
  QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  EXPECT_EQ(FinestreRisultati::FrmPltSezioneAperto(), nullptr);
}

// "Stampa" as a user starts it: the print dialog on the program's printer.
TEST_F(FinestraPltSezione, StampaPrintsTheDrawingToThePdfChosenInTheDialog) {
  VariabiliPubbliche::Stato.VisTensioniBarre = 1;
  FrmPltSezione& w = Apri();
  w.ImpostaDialoghi(&file, nullptr);
  StampaPdf carta;
  QAction* stampa = w.findChild<QAction*>("MnufileItem_0");
  carta.Annulla();
  stampa->trigger();
  EXPECT_EQ(carta.Dialoghi(), 1);
  EXPECT_FALSE(QFile::exists(carta.Pdf()));
  EXPECT_TRUE(messaggi->Mostrati().empty());

  stampa->trigger();
  EXPECT_TRUE(messaggi->Mostrati().empty());
  EXPECT_EQ(carta.Pagine(), 1);
  // The labels stay texts: the three bars yield (eps_s = 0.0057 > 391.3 / 200000),
  // each labelled with fyd = 391.3 N/mm2; N marks the axial force.
  const QString testo = carta.Testo();
  EXPECT_EQ(testo.count("391.3"), 3) << testo.toStdString();
  EXPECT_TRUE(testo.contains(QRegularExpression("\\bN\\b")));

  QFile::remove(carta.Pdf());
  carta.Guasta();
  stampa->trigger();
  EXPECT_EQ(messaggi->Testi(), std::vector<std::string>{"Errore generico della stampante."});
}
