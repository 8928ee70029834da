#pragma once
// A drawing surface painted with QPainter: the screen picture and the printer
// share it. User coordinates are mapped to device pixels here, so line widths
// are device pixels; text is placed by its top left corner. A surface without
// area, or with a scale of no width or height, is not drawn on.
#include <QFont>
#include <QPainter>
#include <QPointF>
#include <memory>

#include "platform/Surface.h"

namespace platform {

class SurfaceQt : public Surface {
 public:
  // The device is the derived class's own, kept at the same address.
  explicit SurfaceQt(QPaintDevice& dispositivo);

  void Line(float x1, float y1, float x2, float y2, Colore colore) override;
  // The radius is measured along x.
  void Circle(float x, float y, float raggio, Colore colore) override;
  void Print(const std::string& testo) override;

  float CurrentX() const override { return currentX_; }
  void SetCurrentX(float x) override { currentX_ = x; }
  float CurrentY() const override { return currentY_; }
  void SetCurrentY(float y) override { currentY_ = y; }
  Colore ForeColor() const override { return foreColor_; }
  void SetForeColor(Colore colore) override { foreColor_ = colore; }
  int DrawWidth() const override { return drawWidth_; }
  void SetDrawWidth(int larghezza) override { drawWidth_ = larghezza; }
  std::string FontName() const override;
  void SetFontName(const std::string& nome) override;
  double FontSize() const override { return font_.pointSizeF(); }
  void SetFontSize(double punti) override;
  float TextHeight(const std::string& testo) const override;

  // Until a scale property is set the scale follows the size in pixels.
  void Scale() override { scalaUtente_ = false; }
  double ScaleLeft() const override { return scalaUtente_ ? left_ : 0; }
  void SetScaleLeft(double valore) override { ScalaUtente().left_ = valore; }
  double ScaleTop() const override { return scalaUtente_ ? top_ : 0; }
  void SetScaleTop(double valore) override { ScalaUtente().top_ = valore; }
  double ScaleWidth() const override { return scalaUtente_ ? width_ : LarghezzaPixel(); }
  void SetScaleWidth(double valore) override { ScalaUtente().width_ = valore; }
  double ScaleHeight() const override { return scalaUtente_ ? height_ : AltezzaPixel(); }
  void SetScaleHeight(double valore) override { ScalaUtente().height_ = valore; }

  int LarghezzaPixel() const override { return dispositivo_->width(); }
  int AltezzaPixel() const override { return dispositivo_->height(); }
  double TwipsPerPixelX() const override;

 protected:
  // Begins painting on the device; false when it cannot.
  virtual bool Inizia(QPainter& pittore) { return pittore.begin(dispositivo_); }
  // The painter on the device, begun on first use and kept until
  // FinePittura; nullptr when nothing can be drawn.
  QPainter* Pittore();
  // Ends the painting begun, if any; false when ending it failed.
  bool FinePittura();
  bool Disegnabile() const;

 private:
  SurfaceQt& ScalaUtente();
  QPointF Pixel(double x, double y) const;

  float currentX_ = 0;
  float currentY_ = 0;
  Colore foreColor_ = 0;
  int drawWidth_ = 1;
  QFont font_;
  bool scalaUtente_ = false;
  double left_ = 0;
  double top_ = 0;
  double width_ = 0;
  double height_ = 0;
  QPaintDevice* dispositivo_;
  std::unique_ptr<QPainter> pittore_;
};

}  // namespace platform
