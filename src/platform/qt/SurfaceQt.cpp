#include "platform/qt/SurfaceQt.h"

#include <QFontMetricsF>
#include <QPen>
#include <QStringList>
#include <cmath>

namespace platform {

namespace {

QColor ColoreQt(Colore c) { return QColor((c >> 16) & 0xFF, (c >> 8) & 0xFF, c & 0xFF); }

// The lines of a text, whatever ends them.
QStringList Linee(const std::string& testo) {
  QString t = QString::fromStdString(testo);
  t.replace("\r\n", "\n").replace('\r', '\n');
  return t.split('\n');
}

}  // namespace

SurfaceQt::SurfaceQt(QPaintDevice& dispositivo) : font_("Arial"), dispositivo_(&dispositivo) {
  font_.setPointSizeF(10);
  // Letters, not ligatures: a printed "Staffe" is found and copied as typed.
  font_.setStyleStrategy(QFont::PreferNoShaping);
}

double SurfaceQt::TwipsPerPixelX() const {
  // A device with no resolution yet (an empty picture) counts as a 96 dpi screen.
  const int dpi = dispositivo_->logicalDpiX();
  return 1440.0 / (dpi > 0 ? dpi : 96);
}

std::string SurfaceQt::FontName() const { return font_.family().toStdString(); }

void SurfaceQt::SetFontName(const std::string& nome) {
  font_.setFamily(QString::fromStdString(nome));
}

void SurfaceQt::SetFontSize(double punti) {
  if (punti > 0) font_.setPointSizeF(punti);
}

SurfaceQt& SurfaceQt::ScalaUtente() {
  if (!scalaUtente_) {
    left_ = 0;
    top_ = 0;
    width_ = LarghezzaPixel();
    height_ = AltezzaPixel();
    scalaUtente_ = true;
  }
  return *this;
}

bool SurfaceQt::Disegnabile() const {
  return LarghezzaPixel() > 0 && AltezzaPixel() > 0 && ScaleWidth() != 0 && ScaleHeight() != 0;
}

QPointF SurfaceQt::Pixel(double x, double y) const {
  return {(x - ScaleLeft()) * LarghezzaPixel() / ScaleWidth(),
          (y - ScaleTop()) * AltezzaPixel() / ScaleHeight()};
}

QPainter* SurfaceQt::Pittore() {
  if (!Disegnabile()) return nullptr;
  if (!pittore_) {
    auto pittore = std::make_unique<QPainter>();
    if (!Inizia(*pittore)) return nullptr;
    pittore->setRenderHint(QPainter::Antialiasing);
    pittore_ = std::move(pittore);
  }
  return pittore_.get();
}

bool SurfaceQt::FinePittura() {
  if (!pittore_) return true;
  const bool finito = pittore_->end();
  pittore_.reset();
  return finito;
}

void SurfaceQt::Line(float x1, float y1, float x2, float y2, Colore colore) {
  QPainter* p = Pittore();
  if (!p) return;
  p->setPen(QPen(ColoreQt(colore), drawWidth_, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
  p->drawLine(Pixel(x1, y1), Pixel(x2, y2));
}

void SurfaceQt::Circle(float x, float y, float raggio, Colore colore) {
  QPainter* p = Pittore();
  if (!p) return;
  const double r = std::fabs(raggio * LarghezzaPixel() / ScaleWidth());
  p->setPen(QPen(ColoreQt(colore), drawWidth_));
  p->setBrush(Qt::NoBrush);
  p->drawEllipse(Pixel(x, y), r, r);
}

void SurfaceQt::Print(const std::string& testo) {
  if (QPainter* p = Pittore()) {
    p->setPen(ColoreQt(foreColor_));
    p->setFont(font_);
    const QFontMetricsF misure(font_, dispositivo_);
    QPointF riga = Pixel(currentX_, currentY_) + QPointF(0, misure.ascent());
    for (const QString& linea : Linee(testo)) {
      p->drawText(riga, linea);
      riga.ry() += misure.lineSpacing();
    }
  }
  currentX_ = static_cast<float>(ScaleLeft());
  currentY_ += TextHeight(testo);
}

float SurfaceQt::TextHeight(const std::string& testo) const {
  if (!Disegnabile()) return 0;
  const QFontMetricsF misure(font_, dispositivo_);
  const auto linee = Linee(testo).size();
  const double pixel = misure.height() + (linee - 1) * misure.lineSpacing();
  return static_cast<float>(pixel * ScaleHeight() / AltezzaPixel());
}

}  // namespace platform
