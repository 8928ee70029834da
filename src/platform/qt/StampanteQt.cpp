#include "platform/qt/StampanteQt.h"

#include <QWidget>

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

void StampanteQt::DisegnaFinestra(QWidget& finestra) {
  if (finestra.width() <= 0 || finestra.height() <= 0) return;
  QPainter* p = Pittore();
  if (!p) return;
  const QSizeF pagina(LarghezzaPixel(), AltezzaPixel());
  const QSizeF misura = QSizeF(finestra.size()).scaled(pagina, Qt::KeepAspectRatio);
  p->save();
  p->scale(misura.width() / finestra.width(), misura.height() / finestra.height());
  // On white paper: the window's own grey background is left out.
  finestra.render(p, QPoint(), QRegion(), QWidget::DrawChildren);
  p->restore();
}

void StampanteQt::NewPage() {
  if (Pittore() && !printer_.newPage()) ErroreStampante("Impossibile iniziare una nuova pagina");
}

void StampanteQt::EndDoc() {
  if (!FinePittura()) ErroreStampante("Impossibile concludere la stampa");
}

void StampanteQt::KillDoc() {
  // Only a document begun is abandoned: beginning one here would fail again.
  if (printer_.paintingActive()) printer_.abort();
  FinePittura();
}

}  // namespace platform
