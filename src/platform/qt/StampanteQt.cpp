#include "platform/qt/StampanteQt.h"

#include <QFontMetricsF>
#include <QGraphicsTextItem>
#include <QGraphicsView>
#include <QPicture>
#include <QWidget>
#include <vector>

#include "platform/ErroreEsecuzione.h"
#include "platform/qt/PaginaOpacaQt.h"

namespace platform {

namespace {

[[noreturn]] void ErroreStampante(const char* cosa) {
  throw ErroreEsecuzione(Errori::Stampante, cosa);
}

// Letters, not ligatures, as on the drawings: while a window is recorded,
// its widgets and the texts of its charts lend their fonts the strategy.
class SenzaLegature {
 public:
  explicit SenzaLegature(QWidget& finestra)
      : finestra_(finestra),
        propria_(finestra.testAttribute(Qt::WA_SetFont) ? finestra.font() : QFont()) {
    finestra.setFont(Senza(finestra.font()));
    for (QGraphicsView* vista : finestra.findChildren<QGraphicsView*>()) {
      if (!vista->scene()) continue;
      for (QGraphicsItem* elemento : vista->scene()->items())
        if (auto* testo = qgraphicsitem_cast<QGraphicsTextItem*>(elemento)) {
          testi_.push_back({testo, testo->font(), testo->textWidth()});
          testo->setFont(Senza(testo->font()));
          // Letters are a little wider than their ligature: a line that fitted
          // must not break.
          if (testo->textWidth() > 0)
            testo->setTextWidth(testo->textWidth() +
                                QFontMetricsF(testo->font()).horizontalAdvance('M'));
        }
    }
  }
  ~SenzaLegature() {
    for (const Testo& t : testi_) {
      t.elemento->setFont(t.carattere);
      t.elemento->setTextWidth(t.larghezza);
    }
    finestra_.setFont(propria_);
  }
  SenzaLegature(const SenzaLegature&) = delete;
  SenzaLegature& operator=(const SenzaLegature&) = delete;

 private:
  static QFont Senza(QFont carattere) {
    carattere.setStyleStrategy(QFont::PreferNoShaping);
    return carattere;
  }

  struct Testo {
    QGraphicsTextItem* elemento;
    QFont carattere;
    qreal larghezza;
  };
  QWidget& finestra_;
  QFont propria_;
  std::vector<Testo> testi_;
};

// Rendered on a printer, widgets become one picture of pixels; recorded
// first, they are played back as the lines and texts they draw, opaque. On
// white paper: the window's own grey background is left out.
QPicture Registra(QWidget& finestra) {
  SenzaLegature lettere(finestra);
  QPicture registrazione;
  QPainter registratore(&registrazione);
  finestra.render(&registratore, QPoint(), QRegion(), QWidget::DrawChildren);
  registratore.end();
  return registrazione;
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
  const QPicture registrazione = Registra(finestra);
  // Played back, the picture grows from its resolution to the printer's.
  const double x = double(registrazione.logicalDpiX()) / printer_.logicalDpiX();
  const double y = double(registrazione.logicalDpiY()) / printer_.logicalDpiY();
  p->save();
  p->scale(x * misura.width() / finestra.width(), y * misura.height() / finestra.height());
  DisegnaOpaca(*p, registrazione);
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
