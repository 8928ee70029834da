#include "platform/qt/PaginaOpacaQt.h"

#include <QPaintDevice>
#include <QPaintEngine>
#include <QPainter>
#include <QPainterPath>
#include <QPicture>
#include <QPixmap>

namespace platform {
namespace {

// Every call handed on to the paper's painter, colours and images made opaque.
class MotoreOpaco : public QPaintEngine {
 public:
  explicit MotoreOpaco(QPainter& carta)
      : QPaintEngine(AllFeatures), carta_(carta), base_(carta.worldTransform()) {}

  bool begin(QPaintDevice*) override { return true; }
  bool end() override { return true; }
  Type type() const override { return User; }

  void updateState(const QPaintEngineState& stato) override {
    const DirtyFlags f = stato.state();
    if (f & DirtyOpacity) opacita_ = stato.opacity();
    if (f & (DirtyPen | DirtyOpacity)) {
      QPen penna = stato.pen();
      if (penna.style() != Qt::NoPen) {
        const QBrush pieno = Opaco(penna.brush());
        if (pieno.style() == Qt::NoBrush) penna = Qt::NoPen;
        else penna.setBrush(pieno);
      }
      carta_.setPen(penna);
    }
    if (f & (DirtyBrush | DirtyOpacity)) carta_.setBrush(Opaco(stato.brush()));
    if (f & (DirtyBackground | DirtyOpacity)) carta_.setBackground(Opaco(stato.backgroundBrush()));
    if (f & DirtyBackgroundMode) carta_.setBackgroundMode(stato.backgroundMode());
    if (f & DirtyBrushOrigin) carta_.setBrushOrigin(stato.brushOrigin());
    if (f & DirtyFont) carta_.setFont(stato.font());
    if (f & DirtyHints) carta_.setRenderHints(stato.renderHints());
    // A clip is given in the coordinates of its moment: the transform first.
    if (f & DirtyTransform) carta_.setWorldTransform(stato.transform() * base_);
    if (f & DirtyClipRegion) carta_.setClipRegion(stato.clipRegion(), stato.clipOperation());
    if (f & DirtyClipPath) carta_.setClipPath(stato.clipPath(), stato.clipOperation());
    if (f & DirtyClipEnabled) carta_.setClipping(stato.isClipEnabled());
  }

  void drawPath(const QPainterPath& percorso) override { carta_.drawPath(percorso); }

  void drawPolygon(const QPointF* punti, int n, PolygonDrawMode modo) override {
    switch (modo) {
      case PolylineMode: carta_.drawPolyline(punti, n); break;
      case ConvexMode: carta_.drawConvexPolygon(punti, n); break;
      case OddEvenMode: carta_.drawPolygon(punti, n, Qt::OddEvenFill); break;
      case WindingMode: carta_.drawPolygon(punti, n, Qt::WindingFill); break;
    }
  }

  void drawPixmap(const QRectF& dove, const QPixmap& immagine, const QRectF& parte) override {
    carta_.drawImage(dove, Opaca(immagine.toImage()), parte);
  }

  void drawImage(const QRectF& dove, const QImage& immagine, const QRectF& parte,
                 Qt::ImageConversionFlags modi) override {
    carta_.drawImage(dove, Opaca(immagine), parte, modi);
  }

  void drawTiledPixmap(const QRectF& dove, const QPixmap& immagine, const QPointF& da) override {
    carta_.drawTiledPixmap(dove, QPixmap::fromImage(Opaca(immagine.toImage())), da);
  }

  void drawTextItem(const QPointF& p, const QTextItem& testo) override {
    carta_.drawTextItem(p, testo);
  }

 private:
  // The colour seen on white paper; nothing for one that cannot be seen.
  QColor SuCarta(const QColor& colore) const {
    const double a = colore.alphaF() * opacita_;
    const auto misto = [a](float c) { return c * a + (1 - a); };
    const QColor rgb = colore.toRgb();
    return QColor::fromRgbF(misto(rgb.redF()), misto(rgb.greenF()), misto(rgb.blueF()));
  }
  bool Invisibile(const QColor& colore) const { return colore.alpha() == 0 || opacita_ <= 0; }

  QBrush Opaco(const QBrush& pennello) const {
    switch (pennello.style()) {
      case Qt::NoBrush: return pennello;
      case Qt::LinearGradientPattern:
      case Qt::RadialGradientPattern:
      case Qt::ConicalGradientPattern: {
        QGradient sfumatura = *pennello.gradient();
        QGradientStops fermate = sfumatura.stops();
        for (QGradientStop& fermata : fermate) fermata.second = SuCarta(fermata.second);
        sfumatura.setStops(fermate);
        QBrush opaco(sfumatura);
        opaco.setTransform(pennello.transform());
        return opaco;
      }
      case Qt::TexturePattern: {
        QBrush opaco(Opaca(pennello.textureImage()));
        opaco.setTransform(pennello.transform());
        return opaco;
      }
      default: {
        if (Invisibile(pennello.color())) return Qt::NoBrush;
        QBrush opaco = pennello;
        opaco.setColor(SuCarta(pennello.color()));
        return opaco;
      }
    }
  }

  QImage Opaca(const QImage& immagine) const {
    if (!immagine.hasAlphaChannel() && opacita_ >= 1) return immagine;
    QImage opaca(immagine.size(), QImage::Format_RGB32);
    opaca.setDevicePixelRatio(immagine.devicePixelRatio());
    opaca.fill(Qt::white);
    QPainter p(&opaca);
    p.setOpacity(opacita_);
    p.drawImage(QPointF(), immagine);
    return opaca;
  }

  QPainter& carta_;
  const QTransform base_;
  double opacita_ = 1;
};

// Measured as the paper is, so that texts are laid out for its resolution.
class CartaOpaca : public QPaintDevice {
 public:
  explicit CartaOpaca(QPainter& carta) : carta_(*carta.device()), motore_(carta) {}
  ~CartaOpaca() override = default;
  QPaintEngine* paintEngine() const override { return &motore_; }

 protected:
  int metric(PaintDeviceMetric misura) const override {
    switch (misura) {
      case PdmWidth: return carta_.width();
      case PdmHeight: return carta_.height();
      case PdmWidthMM: return carta_.widthMM();
      case PdmHeightMM: return carta_.heightMM();
      case PdmNumColors: return carta_.colorCount();
      case PdmDepth: return carta_.depth();
      case PdmDpiX: return carta_.logicalDpiX();
      case PdmDpiY: return carta_.logicalDpiY();
      case PdmPhysicalDpiX: return carta_.physicalDpiX();
      case PdmPhysicalDpiY: return carta_.physicalDpiY();
      case PdmDevicePixelRatio: return qRound(carta_.devicePixelRatio());
      case PdmDevicePixelRatioScaled:
        return qRound(carta_.devicePixelRatio() * devicePixelRatioFScale());
      default: return QPaintDevice::metric(misura);
    }
  }

 private:
  const QPaintDevice& carta_;
  mutable MotoreOpaco motore_;
};

}  // namespace

void DisegnaOpaca(QPainter& carta, const QPicture& registrazione) {
  carta.save();
  {
    CartaOpaca opaca(carta);
    QPainter pittore(&opaca);
    pittore.drawPicture(0, 0, registrazione);
  }
  carta.restore();
}

}  // namespace platform
