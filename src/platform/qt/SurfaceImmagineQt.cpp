#include "platform/qt/SurfaceImmagineQt.h"

namespace platform {

namespace {

QImage Bianca(int larghezza, int altezza) {
  if (larghezza <= 0 || altezza <= 0) return {};
  QImage immagine(larghezza, altezza, QImage::Format_RGB32);
  immagine.fill(Qt::white);
  return immagine;
}

}  // namespace

SurfaceImmagineQt::SurfaceImmagineQt(int larghezza, int altezza)
    : SurfaceQt(immagine_), immagine_(Bianca(larghezza, altezza)) {}

SurfaceImmagineQt::~SurfaceImmagineQt() { FinePittura(); }

const QImage& SurfaceImmagineQt::Immagine() {
  FinePittura();
  return immagine_;
}

void SurfaceImmagineQt::Ridimensiona(int larghezza, int altezza) {
  FinePittura();
  immagine_ = Bianca(larghezza, altezza);
}

}  // namespace platform
