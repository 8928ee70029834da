#pragma once
// Test side of Surface: every call that draws or sets something is recorded
// with its arguments; reads are answered from the recorded state. A line of
// text is FontSize pixels tall, whatever the font.
#include <string>
#include <vector>

#include "platform/Surface.h"

namespace platform {

struct ChiamataSurface {
  std::string nome;            // the member called: "Line", "SetForeColor", ...
  std::vector<double> numeri;  // its numeric arguments, colours included
  std::string testo;           // its text argument, if any
};

class SurfaceRegistrata : public Surface {
 public:
  explicit SurfaceRegistrata(int larghezzaPixel = 800, int altezzaPixel = 600,
                             double twipsPerPixelX = 15);

  void Line(float x1, float y1, float x2, float y2, Colore colore) override;
  void Circle(float x, float y, float raggio, Colore colore) override;
  // Recorded with the numbers (CurrentX, CurrentY, ForeColor, FontSize) in
  // force when the text is written.
  void Print(const std::string& testo) override;

  float CurrentX() const override { return currentX_; }
  void SetCurrentX(float x) override { Imposta(currentX_, x, "SetCurrentX"); }
  float CurrentY() const override { return currentY_; }
  void SetCurrentY(float y) override { Imposta(currentY_, y, "SetCurrentY"); }
  Colore ForeColor() const override { return foreColor_; }
  void SetForeColor(Colore colore) override { Imposta(foreColor_, colore, "SetForeColor"); }
  int DrawWidth() const override { return drawWidth_; }
  void SetDrawWidth(int larghezza) override { Imposta(drawWidth_, larghezza, "SetDrawWidth"); }
  std::string FontName() const override { return fontName_; }
  void SetFontName(const std::string& nome) override;
  double FontSize() const override { return fontSize_; }
  void SetFontSize(double punti) override { Imposta(fontSize_, punti, "SetFontSize"); }
  float TextHeight(const std::string& testo) const override;

  void Scale() override;
  double ScaleLeft() const override { return scaleLeft_; }
  void SetScaleLeft(double valore) override { Imposta(scaleLeft_, valore, "SetScaleLeft"); }
  double ScaleTop() const override { return scaleTop_; }
  void SetScaleTop(double valore) override { Imposta(scaleTop_, valore, "SetScaleTop"); }
  double ScaleWidth() const override { return scaleWidth_; }
  void SetScaleWidth(double valore) override { Imposta(scaleWidth_, valore, "SetScaleWidth"); }
  double ScaleHeight() const override { return scaleHeight_; }
  void SetScaleHeight(double valore) override {
    Imposta(scaleHeight_, valore, "SetScaleHeight");
  }

  int LarghezzaPixel() const override { return larghezzaPixel_; }
  int AltezzaPixel() const override { return altezzaPixel_; }
  double TwipsPerPixelX() const override { return twipsPerPixelX_; }
  void NewPage() override;
  void EndDoc() override;
  void KillDoc() override;

  const std::vector<ChiamataSurface>& Chiamate() const { return chiamate_; }
  // Only the calls of one member, in order.
  std::vector<ChiamataSurface> Chiamate(const std::string& nome) const;
  void Svuota() { chiamate_.clear(); }

 private:
  void Registra(std::string nome, std::vector<double> numeri, std::string testo = {});
  // A numeric property set and its call recorded.
  template <class T>
  void Imposta(T& campo, T valore, const char* nome) {
    campo = valore;
    Registra(nome, {static_cast<double>(valore)});
  }

  int larghezzaPixel_;
  int altezzaPixel_;
  double twipsPerPixelX_;
  float currentX_ = 0;
  float currentY_ = 0;
  Colore foreColor_ = 0;
  int drawWidth_ = 1;
  std::string fontName_ = "Arial";
  double fontSize_ = 10;
  double scaleLeft_ = 0;
  double scaleTop_ = 0;
  double scaleWidth_;
  double scaleHeight_;
  std::vector<ChiamataSurface> chiamate_;
};

}  // namespace platform
