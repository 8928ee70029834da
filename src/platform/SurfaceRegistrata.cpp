#include "platform/SurfaceRegistrata.h"

#include <utility>

namespace platform {

SurfaceRegistrata::SurfaceRegistrata(int larghezzaPixel, int altezzaPixel, double twipsPerPixelX)
    : larghezzaPixel_(larghezzaPixel),
      altezzaPixel_(altezzaPixel),
      twipsPerPixelX_(twipsPerPixelX),
      scaleWidth_(larghezzaPixel),
      scaleHeight_(altezzaPixel) {}

void SurfaceRegistrata::Registra(std::string nome, std::vector<double> numeri, std::string testo) {
  chiamate_.push_back({std::move(nome), std::move(numeri), std::move(testo)});
}

std::vector<ChiamataSurface> SurfaceRegistrata::Chiamate(const std::string& nome) const {
  std::vector<ChiamataSurface> scelte;
  for (const auto& c : chiamate_)
    if (c.nome == nome) scelte.push_back(c);
  return scelte;
}

void SurfaceRegistrata::Line(float x1, float y1, float x2, float y2, Colore colore) {
  Registra("Line", {x1, y1, x2, y2, static_cast<double>(colore)});
}

void SurfaceRegistrata::Circle(float x, float y, float raggio, Colore colore) {
  Registra("Circle", {x, y, raggio, static_cast<double>(colore)});
}

void SurfaceRegistrata::Print(const std::string& testo) {
  Registra("Print", {currentX_, currentY_, static_cast<double>(foreColor_), fontSize_}, testo);
  currentX_ = static_cast<float>(scaleLeft_);
  currentY_ += TextHeight(testo);
}

void SurfaceRegistrata::SetFontName(const std::string& nome) {
  fontName_ = nome;
  Registra("SetFontName", {}, nome);
}

float SurfaceRegistrata::TextHeight(const std::string&) const {
  return static_cast<float>(fontSize_ * scaleHeight_ / altezzaPixel_);
}

void SurfaceRegistrata::Scale() {
  scaleLeft_ = 0;
  scaleTop_ = 0;
  scaleWidth_ = larghezzaPixel_;
  scaleHeight_ = altezzaPixel_;
  Registra("Scale", {});
}

void SurfaceRegistrata::NewPage() { Registra("NewPage", {}); }

void SurfaceRegistrata::EndDoc() { Registra("EndDoc", {}); }

void SurfaceRegistrata::KillDoc() { Registra("KillDoc", {}); }

}  // namespace platform
