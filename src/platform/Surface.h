#pragma once
// A drawing surface: a picture box on screen or the printer page. Coordinates
// are in the user scale set by ScaleLeft/ScaleTop/ScaleWidth/ScaleHeight (a
// negative ScaleHeight makes y grow upward); Scale() goes back to the default
// scale, one unit per pixel with the origin at the top left corner.
#include <string>

#include "platform/Colori.h"
#include "platform/Oggetto.h"

namespace platform {

class Surface : public Oggetto {
 public:
  virtual void Line(float x1, float y1, float x2, float y2, Colore colore) = 0;
  virtual void Circle(float x, float y, float raggio, Colore colore) = 0;
  // Writes the text with its top left corner at (CurrentX, CurrentY) in
  // ForeColor and the current font, then moves to the start of the next line.
  virtual void Print(const std::string& testo) = 0;

  virtual float CurrentX() const = 0;
  virtual void SetCurrentX(float x) = 0;
  virtual float CurrentY() const = 0;
  virtual void SetCurrentY(float y) = 0;
  virtual Colore ForeColor() const = 0;
  virtual void SetForeColor(Colore colore) = 0;
  // Line width in pixels.
  virtual int DrawWidth() const = 0;
  virtual void SetDrawWidth(int larghezza) = 0;
  virtual std::string FontName() const = 0;
  virtual void SetFontName(const std::string& nome) = 0;
  // In points.
  virtual double FontSize() const = 0;
  virtual void SetFontSize(double punti) = 0;
  // Height of one line of the text in user units, signed as ScaleHeight.
  virtual float TextHeight(const std::string& testo) const = 0;

  virtual void Scale() = 0;
  virtual double ScaleLeft() const = 0;
  virtual void SetScaleLeft(double valore) = 0;
  virtual double ScaleTop() const = 0;
  virtual void SetScaleTop(double valore) = 0;
  virtual double ScaleWidth() const = 0;
  virtual void SetScaleWidth(double valore) = 0;
  virtual double ScaleHeight() const = 0;
  virtual void SetScaleHeight(double valore) = 0;

  // Size of the drawing area in pixels: 0 for a minimised window.
  virtual int LarghezzaPixel() const = 0;
  virtual int AltezzaPixel() const = 0;
  // Twips (1/1440 inch) per pixel across.
  virtual double TwipsPerPixelX() const = 0;

  // The printer's document: NewPage ends the page and starts the next one,
  // EndDoc ends the document and sends it, KillDoc abandons it so that the
  // next print starts a document of its own. A screen picture has one page
  // and nothing to send.
  virtual void NewPage() = 0;
  virtual void EndDoc() = 0;
  virtual void KillDoc() = 0;
};

}  // namespace platform
