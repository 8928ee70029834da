#pragma once
// The picture of a window: a surface drawn on a persistent QImage, which the
// widget showing it paints whenever it needs to.
#include <QImage>

#include "platform/qt/SurfaceQt.h"

namespace platform {

class SurfaceImmagineQt : public SurfaceQt {
 public:
  // A white picture; 0 x 0 for a window with no area.
  SurfaceImmagineQt(int larghezza, int altezza);
  ~SurfaceImmagineQt() override;
  SurfaceImmagineQt(const SurfaceImmagineQt&) = delete;
  SurfaceImmagineQt& operator=(const SurfaceImmagineQt&) = delete;

  // The picture with everything drawn so far.
  const QImage& Immagine();
  // A white picture of the new size; a user scale stays as it was set.
  void Ridimensiona(int larghezza, int altezza);

  // One page, nothing to send.
  void NewPage() override {}
  void EndDoc() override {}
  void KillDoc() override {}

 private:
  QImage immagine_;
};

}  // namespace platform
