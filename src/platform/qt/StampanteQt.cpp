#include "platform/qt/StampanteQt.h"

#include "platform/ErroreEsecuzione.h"

namespace platform {

namespace {

[[noreturn]] void ErroreStampante(const char* cosa) {
  throw ErroreEsecuzione(Errori::Stampante, cosa);
}

}  // namespace

StampanteQt::StampanteQt() : SurfaceQt(printer_), printer_(QPrinter::HighResolution) {}

StampanteQt::~StampanteQt() { FinePittura(); }

bool StampanteQt::Inizia(QPainter& pittore) {
  if (!pittore.begin(&printer_)) ErroreStampante("Impossibile iniziare la stampa");
  return true;
}

void StampanteQt::DisegnaImmagine(const QImage& immagine) {
  QPainter* p = Pittore();
  if (!p || immagine.isNull()) return;
  const QSizeF pagina(LarghezzaPixel(), AltezzaPixel());
  const QSizeF misura = QSizeF(immagine.size()).scaled(pagina, Qt::KeepAspectRatio);
  p->drawImage(QRectF(QPointF(0, 0), misura), immagine);
}

void StampanteQt::NewPage() {
  if (Pittore() && !printer_.newPage()) ErroreStampante("Impossibile iniziare una nuova pagina");
}

void StampanteQt::EndDoc() {
  if (!FinePittura()) ErroreStampante("Impossibile concludere la stampa");
}

void StampanteQt::KillDoc() {
  if (Pittore()) printer_.abort();
  FinePittura();
}

}  // namespace platform
