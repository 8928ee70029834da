#include "platform/qt/StampanteQt.h"

#include <QPicture>
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
  // Rendered on a printer, widgets become one picture of pixels; recorded
  // first, they are played back as the lines and texts they draw. On white
  // paper: the window's own grey background is left out.
  // Letters, not ligatures, as on the drawings: the window's font lends the
  // strategy to its widgets while they are recorded.
  const QFont propria = finestra.testAttribute(Qt::WA_SetFont) ? finestra.font() : QFont();
  QFont senzaLegature = finestra.font();
  senzaLegature.setStyleStrategy(QFont::PreferNoShaping);
  finestra.setFont(senzaLegature);
  QPicture registrazione;
  QPainter registratore(&registrazione);
  finestra.render(&registratore, QPoint(), QRegion(), QWidget::DrawChildren);
  registratore.end();
  finestra.setFont(propria);
  // Played back, the picture grows from its resolution to the printer's.
  const double x = double(registrazione.logicalDpiX()) / printer_.logicalDpiX();
  const double y = double(registrazione.logicalDpiY()) / printer_.logicalDpiY();
  p->save();
  p->scale(x * misura.width() / finestra.width(), y * misura.height() / finestra.height());
  p->drawPicture(0, 0, registrazione);
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
