#include <gtest/gtest.h>

#include <QFile>
#include <QFontMetricsF>
#include <QRegularExpression>
#include <QTemporaryDir>

#include "AppQt.h"
#include "platform/ErroreEsecuzione.h"
#include "platform/qt/StampanteQt.h"
#include "platform/qt/SurfaceImmagineQt.h"

using namespace platform;

namespace {

constexpr Colore Rosso = 0xFF0000;
constexpr Colore Blu = 0x0000FF;

bool Bianco(const QImage& immagine, int x, int y) {
  return immagine.pixel(x, y) == qRgb(255, 255, 255);
}

// Share of red in the pixel: 1 for pure red, 0 for white or black.
double Rossore(const QImage& immagine, int x, int y) {
  const QColor c(immagine.pixel(x, y));
  return (c.red() - c.green()) / 255.0;
}

// 200 x 100 pixels showing x from -10 to 90 and y from 50 down to 0:
// 2 pixels a unit both ways, y growing upward.
class SurfaceImmagine : public ::testing::Test {
 protected:
  void SetUp() override {
    AppQt();
    s.SetScaleLeft(-10);
    s.SetScaleTop(50);
    s.SetScaleWidth(100);
    s.SetScaleHeight(-50);
  }
  SurfaceImmagineQt s{200, 100};
};

}  // namespace

TEST_F(SurfaceImmagine, LinesAndCirclesLandWhereTheScaleSays) {
  s.SetDrawWidth(3);
  s.Line(0, 10, 50, 10, Rosso);  // pixels (20, 80) to (120, 80)
  s.SetDrawWidth(1);
  s.Circle(40, 25, 10, Blu);  // centre (100, 50), radius 20 pixels
  const QImage& im = s.Immagine();
  for (int x : {25, 70, 115}) {
    EXPECT_GT(Rossore(im, x, 80), 0.9) << x;
    EXPECT_GT(Rossore(im, x, 81), 0.5) << x;  // three pixels wide
    EXPECT_TRUE(Bianco(im, x, 84)) << x;
    EXPECT_TRUE(Bianco(im, x, 76)) << x;
  }
  EXPECT_TRUE(Bianco(im, 15, 80));
  EXPECT_TRUE(Bianco(im, 125, 80));
  // The circle's rim, not its inside.
  for (auto [x, y] : {std::pair{120, 50}, {80, 50}, {100, 30}, {100, 70}})
    EXPECT_GT(QColor(im.pixel(x, y)).blue() - QColor(im.pixel(x, y)).red(), 60) << x << "," << y;
  EXPECT_TRUE(Bianco(im, 100, 50));
  EXPECT_TRUE(Bianco(im, 110, 50));
}

TEST_F(SurfaceImmagine, TextHangsFromItsTopLeftCornerAndMovesToTheNextLine) {
  s.SetFontName("DejaVu Sans");
  s.SetFontSize(12);
  s.SetForeColor(Rosso);
  s.SetCurrentX(30);
  s.SetCurrentY(40);  // pixels (80, 20)
  s.Print("MMMM");
  const QImage& im = s.Immagine();
  int sopra = 0, sinistra = 0, dentro = 0;
  for (int y = 0; y < 100; ++y)
    for (int x = 0; x < 200; ++x) {
      if (Rossore(im, x, y) < 0.3) continue;
      if (y < 20) ++sopra;
      else if (x < 80) ++sinistra;
      else ++dentro;
    }
  EXPECT_EQ(sopra, 0);
  EXPECT_EQ(sinistra, 0);
  EXPECT_GT(dentro, 20);
  // One line down in a scale growing upward: a negative height.
  const float altezza = s.TextHeight("MMMM");
  EXPECT_LT(altezza, 0);
  EXPECT_NEAR(altezza, -QFontMetricsF(QFont("DejaVu Sans", 12), &im).height() / 2, 1e-4);
  EXPECT_EQ(s.CurrentX(), -10);
  EXPECT_FLOAT_EQ(s.CurrentY(), 40 + altezza);
  // Two lines, about twice as tall.
  EXPECT_NEAR(s.TextHeight("a\r\nb") / altezza, 2, 0.2);
}

TEST_F(SurfaceImmagine, ScaleGoesBackToPixelsAndFollowsTheSize) {
  s.Scale();
  EXPECT_EQ(s.ScaleWidth(), 200);
  EXPECT_EQ(s.ScaleHeight(), 100);
  s.Line(0, 0, 199, 0, Rosso);
  EXPECT_GT(Rossore(s.Immagine(), 100, 0), 0.4);
  s.Ridimensiona(300, 50);
  EXPECT_EQ(s.ScaleWidth(), 300);
  EXPECT_TRUE(Bianco(s.Immagine(), 100, 0));
  // A user scale stays through a resize.
  s.SetScaleWidth(10);
  s.Ridimensiona(400, 50);
  EXPECT_EQ(s.ScaleWidth(), 10);
  EXPECT_EQ(s.ScaleHeight(), 50);
  EXPECT_NEAR(s.TwipsPerPixelX(), 15, 0.5);
}

TEST_F(SurfaceImmagine, ASurfaceWithoutAreaOrScaleIsNotDrawnOn) {
  SurfaceImmagineQt vuota(0, 0);
  vuota.SetScaleWidth(100);
  vuota.Line(0, 0, 10, 10, Rosso);
  vuota.Circle(0, 0, 5, Rosso);
  vuota.Print("testo");
  EXPECT_EQ(vuota.TextHeight("testo"), 0);
  EXPECT_TRUE(vuota.Immagine().isNull());
  // Minimised after drawing: nothing more is drawn, and back it is blank.
  s.Ridimensiona(0, 100);
  s.Line(0, 10, 50, 10, Rosso);
  s.Ridimensiona(200, 100);
  s.SetScaleWidth(0);
  s.Line(0, 10, 50, 10, Rosso);
  s.Print("testo");
  EXPECT_EQ(s.Immagine().convertToFormat(QImage::Format_RGB32),
            SurfaceImmagineQt(200, 100).Immagine());
}

TEST(StampanteQt, APdfHasOnePagePerNewPageAndIsWrittenAtEndDoc) {
  AppQt();
  QTemporaryDir cartella;
  ASSERT_TRUE(cartella.isValid());
  const QString pdf = cartella.filePath("stampa.pdf");
  StampanteQt stampante;
  stampante.Printer().setOutputFormat(QPrinter::PdfFormat);
  stampante.Printer().setOutputFileName(pdf);
  EXPECT_NEAR(stampante.TwipsPerPixelX(), 1440.0 / stampante.Printer().resolution(), 1e-9);
  EXPECT_GT(stampante.LarghezzaPixel(), 1000);
  stampante.SetScaleWidth(210);
  stampante.SetScaleHeight(297);
  for (int copia = 1; copia <= 2; ++copia) {
    if (copia > 1) stampante.NewPage();
    stampante.Line(10, 10, 200, 287, Rosso);
    stampante.Circle(105, 148, 50, Blu);
    stampante.SetCurrentX(20);
    stampante.SetCurrentY(20);
    stampante.Print("Sezione 30x50");
  }
  stampante.EndDoc();
  QFile file(pdf);
  ASSERT_TRUE(file.open(QIODevice::ReadOnly));
  const QByteArray contenuto = file.readAll();
  EXPECT_TRUE(contenuto.startsWith("%PDF"));
  EXPECT_GT(contenuto.size(), 1000);
  // Page objects, not the page tree.
  const QRegularExpression pagina("/Type\\s*/Page(?!s)");
  EXPECT_EQ(QString::fromLatin1(contenuto).count(pagina), 2);
}

TEST(StampanteQt, APrinterThatCannotStartRaisesAPrinterError) {
  AppQt();
  StampanteQt stampante;
  stampante.Printer().setOutputFormat(QPrinter::PdfFormat);
  stampante.Printer().setOutputFileName("/cartella/che/non/esiste/stampa.pdf");
  try {
    stampante.Line(0, 0, 10, 10, Rosso);
    ADD_FAILURE() << "nessun errore";
  } catch (const ErroreEsecuzione& e) {
    EXPECT_EQ(e.Numero(), Errori::Stampante);
  }
}
