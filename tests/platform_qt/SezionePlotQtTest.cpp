#include <gtest/gtest.h>

#include <QFile>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QtEndian>
#include <algorithm>

#include "AppQt.h"
#include "analysis/Correnti.h"
#include "analysis/SezioneCA.h"
#include "doppi/MainProva.h"
#include "drawing/GraficaStato.h"
#include "model/VariabiliPubbliche.h"
#include "platform/Stampante.h"
#include "platform/qt/StampanteQt.h"
#include "platform/qt/SurfaceImmagineQt.h"

namespace {

// Bounding box in pixels: left, top, right, bottom.
struct Riquadro {
  double sinistra = 1e9, alto = 1e9, destra = -1e9, basso = -1e9;
  void Aggiungi(double x, double y) {
    sinistra = std::min(sinistra, x);
    destra = std::max(destra, x);
    alto = std::min(alto, y);
    basso = std::max(basso, y);
  }
};

// Where the mapping puts the world box (x0..x1, y0..y1) on the surface.
Riquadro Mappato(const platform::Surface& s, double x0, double x1, double y0, double y1) {
  Riquadro r;
  for (double x : {x0, x1})
    for (double y : {y0, y1})
      r.Aggiungi((x - s.ScaleLeft()) * s.LarghezzaPixel() / s.ScaleWidth(),
                 (y - s.ScaleTop()) * s.AltezzaPixel() / s.ScaleHeight());
  return r;
}

void ExpectRiquadro(const Riquadro& trovato, const Riquadro& atteso, double tolleranza) {
  EXPECT_NEAR(trovato.sinistra, atteso.sinistra, tolleranza);
  EXPECT_NEAR(trovato.alto, atteso.alto, tolleranza);
  EXPECT_NEAR(trovato.destra, atteso.destra, tolleranza);
  EXPECT_NEAR(trovato.basso, atteso.basso, tolleranza);
}

// The end points of the straight path segments ("x y m", "x y l") of the
// zlib-compressed content streams of the PDF, in the page's pixels.
Riquadro RiquadroTrattiPdf(const QByteArray& pdf) {
  Riquadro r;
  qsizetype da = 0;
  while (true) {
    qsizetype inizio = pdf.indexOf("stream\n", da);
    if (inizio < 0) break;
    inizio += 7;
    const qsizetype fine = pdf.indexOf("endstream", inizio);
    if (fine < 0) break;
    da = fine + 9;
    if (pdf.at(inizio) != 'x') continue;  // not a zlib stream
    // qUncompress wants the size first; a generous guess will do.
    QByteArray compresso(4, '\0');
    qToBigEndian<quint32>(static_cast<quint32>((fine - inizio) * 50), compresso.data());
    compresso += pdf.mid(inizio, fine - inizio);
    const QList<QByteArray> parole = qUncompress(compresso).simplified().split(' ');
    for (qsizetype i = 2; i < parole.size(); ++i) {
      if (parole[i] != "m" && parole[i] != "l") continue;
      bool xOk = false, yOk = false;
      const double x = parole[i - 2].toDouble(&xOk), y = parole[i - 1].toDouble(&yOk);
      if (xOk && yOk) r.Aggiungi(x, y);
    }
  }
  return r;
}

// The T section, 600 by 600 around the origin, with five bars inside, as the
// current section; drawn without results, all in black, unless verified.
class SezioneQt : public ::testing::Test {
 protected:
  void SetUp() override {
    AppQt();
    VariabiliPubbliche::Stato = VariabiliPubbliche::StatoProgramma{};
    Grafica::Stato = Grafica::StatoGrafica{};
    s.Coordinate(Vettore<double>{-300, -300, -150, -150, 150, 150, 300, 300},
                 Vettore<double>{300, 150, 150, -300, -300, 150, 150, 300}, 8);
    s.BarreDati(5, {-100, 0, 100, -250, 250}, {-250, -250, -250, 250, 250},
                {314, 314, 314, 201, 201}, {15, 6}, 0, {}, {}, {}, {});
  }
  void TearDown() override {
    Grafica::Stato = Grafica::StatoGrafica{};
    Finestre::Aperte = Finestre::FinestreAperte{};
    VariabiliPubbliche::Correnti = VariabiliPubbliche::StatoCorrenti{};
  }

  // Ultimate verification in sagging, as the main window runs it.
  void Verifica() {
    auto& stato = VariabiliPubbliche::Stato;
    stato.Fcd = 0.85 * 25 / 1.5;
    stato.EpsYdSezione = {391.3 / 200000, 0};
    VariabiliPubbliche::MaterialiCorrenti().InizializzaMateriali(200000);
    s.Sollecitazioni({0, 0}, {0, 0}, {0, 0});
    Finestre::Aperte.Main = &main;
    s.CalcolaSezioneCA(main);
    ASSERT_EQ(s.EsitoSlu, EsitoCalcoloSlu::Riuscito);
    stato.RisultatiPresenti = true;
  }

  // A fresh current section for each test.
  static SezioneCA& NuovaSezioneCorrente() {
    VariabiliPubbliche::Correnti = VariabiliPubbliche::StatoCorrenti{};
    return *VariabiliPubbliche::SezioneCorrente();
  }

  MainProva main;
  SezioneCA& s = NuovaSezioneCorrente();
};

// Pixels darker than mid-grey, and their box.
int PixelScuri(const QImage& immagine, Riquadro& riquadro) {
  const QImage im = immagine.convertToFormat(QImage::Format_RGB32);
  int pixel = 0;
  for (int y = 0; y < im.height(); ++y)
    for (int x = 0; x < im.width(); ++x)
      if (qGray(im.pixel(x, y)) < 160) {
        riquadro.Aggiungi(x, y);
        ++pixel;
      }
  return pixel;
}

}  // namespace

TEST_F(SezioneQt, OnThePictureTheOutlineFillsTheAreaHeightCentredAcross) {
  platform::SurfaceImmagineQt immagine(800, 600);
  s.PlottaSezione("VIDEO", &immagine);
  Riquadro disegnato;
  EXPECT_GT(PixelScuri(immagine.Immagine(), disegnato), 2000);
  // 480 pixels of height for 600 units: 160 to 640 across, 60 to 540 down,
  // give or take the two-pixel pen.
  const Riquadro atteso = Mappato(immagine, -300, 300, -300, 300);
  ExpectRiquadro(atteso, {160, 60, 640, 540}, 1e-3);
  ExpectRiquadro(disegnato, atteso, 2);
}

TEST_F(SezioneQt, OnTheA4PdfTheOutlineSitsAtTheAreaTopLeftCorner) {
  QTemporaryDir cartella;
  ASSERT_TRUE(cartella.isValid());
  const QString file = cartella.filePath("sezione.pdf");
  platform::StampanteQt stampante;
  stampante.Printer().setOutputFormat(QPrinter::PdfFormat);
  stampante.Printer().setOutputFileName(file);
  stampante.Printer().setPageSize(QPageSize(QPageSize::A4));
  platform::ImpostaStampante(&stampante);
  s.PlottaSezione("STAMPANTE", nullptr);
  const Riquadro atteso = Mappato(stampante, -300, 300, -300, 300);
  stampante.EndDoc();
  platform::ImpostaStampante(nullptr);

  QFile pdf(file);
  ASSERT_TRUE(pdf.open(QIODevice::ReadOnly));
  const QByteArray contenuto = pdf.readAll();
  EXPECT_TRUE(contenuto.startsWith("%PDF"));
  EXPECT_EQ(QString::fromLatin1(contenuto).count(QRegularExpression("/Type\\s*/Page(?!s)")), 1);
  // A tall page: the width decides, from the area's left and top edges.
  const double w = stampante.LarghezzaPixel(), h = stampante.AltezzaPixel();
  ExpectRiquadro(atteso, {0.1 * w, 0.1 * h, 0.8 * w, 0.1 * h + 0.7 * w}, 0.05);
  ExpectRiquadro(RiquadroTrattiPdf(contenuto), atteso, 0.05);
}

TEST_F(SezioneQt, AVerifiedSectionIsDrawnWithItsCompressedPartInsideTheOutline) {
  Verifica();
  platform::SurfaceImmagineQt immagine(800, 600);
  s.PlottaSezione("VIDEO", &immagine);
  Riquadro disegnato;
  const int pixel = PixelScuri(immagine.Immagine(), disegnato);
  EXPECT_GT(pixel, 2000);
  // Results add the hatched compressed part and the stress texts: more ink
  // than the bare outline, and the outline still where the mapping says.
  platform::SurfaceImmagineQt nuda(800, 600);
  VariabiliPubbliche::Stato.RisultatiPresenti = false;
  SezioneCA sola;
  sola.Coordinate(s.CoordX(), s.CoordY(), 8);
  sola.PlottaSezione("VIDEO", &nuda);
  Riquadro soloContorno;
  EXPECT_GT(pixel, PixelScuri(nuda.Immagine(), soloContorno));
  const Riquadro atteso = Mappato(immagine, -300, 300, -300, 300);
  EXPECT_LE(disegnato.sinistra, atteso.sinistra + 2);
  EXPECT_LE(disegnato.alto, atteso.alto + 2);
  EXPECT_GE(disegnato.destra, atteso.destra - 2);
  EXPECT_GE(disegnato.basso, atteso.basso - 2);
}
