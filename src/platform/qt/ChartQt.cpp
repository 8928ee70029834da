#include "platform/qt/ChartQt.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <utility>

#include <QClipboard>
#include <QGuiApplication>
#include <QMouseEvent>
#include <QPainter>
#include <QTimer>
#include <QtCharts/QLegendMarker>
#include <QtCharts/QLineSeries>
#include <QtCharts/QScatterSeries>
#include <QtCharts/QValueAxis>

#include "platform/Twips.h"
#include "platform/qt/GeometriaQt.h"
#include "platform/qt/NumeroQt.h"

namespace platform {
namespace {

// How near, in pixels, a click must come to a point to select it.
constexpr double RaggioSelezione = 6;
// The ticks of a value axis Qt makes.
constexpr int TacchePredefinite = 5;

// A cell given as a number is drawn as it is; a text, as the number it
// reads. False for a cell that gives no number to draw. (An out-parameter:
// an optional returned here cost a stall on every cell of the table.)
bool ValoreCella(const Chart& dati, int riga, int colonna, double& valore) {
  if (const auto numero = dati.Numero(riga, colonna)) {
    valore = *numero;
    return std::isfinite(valore);
  }
  const auto letto = NumeroDaTesto(dati.Testo(riga, colonna));
  if (letto) valore = *letto;
  return letto.has_value();
}

QColor ColoreQt(Colore colore) { return QColor(static_cast<QRgb>(colore)); }

Qt::PenStyle StilePennaQt(int stile) {
  switch (stile) {
    case PennaNessuna: return Qt::NoPen;
    case PennaTratteggiata: return Qt::DashLine;
    case PennaPunteggiata: return Qt::DotLine;
    case PennaTrattoPunto: return Qt::DashDotLine;
    case PennaTrattoPuntoPunto: return Qt::DashDotDotLine;
    default: return Qt::SolidLine;
  }
}

// Markers a series shows when it picks none: one shape per series in turn.
int StileAutomatico(int serie) {
  static const int stili[] = {MarcatoreQuadratoPieno, MarcatoreCerchioPieno, MarcatoreRomboPieno,
                              MarcatoreTriangoloSuPieno, MarcatoreTriangoloGiuPieno};
  return stili[(serie - 1) % 5];
}

std::optional<QScatterSeries::MarkerShape> FormaMarcatore(int stile) {
  switch (stile) {
    case MarcatoreTrattino:
    case MarcatoreQuadrato:
    case MarcatoreQuadratoPieno: return QScatterSeries::MarkerShapeRectangle;
    case MarcatorePiu:
    case MarcatoreX:
    case MarcatoreStella: return QScatterSeries::MarkerShapeStar;
    case MarcatoreCerchio:
    case MarcatoreCerchioPieno: return QScatterSeries::MarkerShapeCircle;
    case MarcatoreRombo:
    case MarcatoreRomboPieno: return QScatterSeries::MarkerShapeRotatedRectangle;
    case MarcatoreTriangoloSu:
    case MarcatoreTriangoloGiu:
    case MarcatoreTriangoloSuPieno:
    case MarcatoreTriangoloGiuPieno: return QScatterSeries::MarkerShapeTriangle;
    default: return std::nullopt;
  }
}

bool MarcatorePieno(int stile) {
  return stile >= MarcatoreCerchioPieno && stile <= MarcatoreTriangoloGiuPieno;
}


struct Estremi {
  double minimo = std::numeric_limits<double>::infinity();
  double massimo = -std::numeric_limits<double>::infinity();
  void Aggiungi(double v) {
    minimo = std::min(minimo, v);
    massimo = std::max(massimo, v);
  }
  // An axis with no data shows 0 to 1; one with a single value, a span around it.
  void Allarga() {
    if (minimo > massimo) {
      minimo = 0;
      massimo = 1;
    } else if (minimo == massimo) {
      const double margine = minimo == 0 ? 1 : std::fabs(minimo) / 10;
      minimo -= margine;
      massimo += margine;
    }
  }
};

// The axes over the data; with uniform axes, both over the same span.
void ImpostaAssi(QValueAxis& asseX, QValueAxis& asseY, bool uniformi, Estremi x, Estremi y) {
  x.Allarga();
  y.Allarga();
  if (uniformi) {
    // Each about its own data.
    const double span = std::max(x.massimo - x.minimo, y.massimo - y.minimo);
    for (Estremi* e : {&x, &y}) {
      const double centro = (e->minimo + e->massimo) / 2;
      e->minimo = centro - span / 2;
      e->massimo = centro + span / 2;
    }
  }
  for (auto [asse, e] : {std::pair{&asseX, &x}, std::pair{&asseY, &y}}) {
    // Nice numbers, from the ticks of a new axis, are found on an axis of
    // no chart: the one on screen lays out its labels once, if they change.
    QValueAxis prova;
    prova.setTickCount(TacchePredefinite);
    prova.setRange(e->minimo, e->massimo);
    if (!uniformi) prova.applyNiceNumbers();
    asse->setTickCount(prova.tickCount());
    asse->setRange(prova.min(), prova.max());
  }
}

}  // namespace

// The picture a line series draws at each of its points: lato pixels wide,
// at the screen's pixel ratio.
QImage ChartQt::ImmagineMarcatore(const Marcatore& m) {
  QImage immagine(QSize(m.lato, m.lato) * m.rapporto, QImage::Format_ARGB32_Premultiplied);
  immagine.setDevicePixelRatio(m.rapporto);
  immagine.fill(Qt::transparent);
  QPainter pittore(&immagine);
  pittore.setRenderHint(QPainter::Antialiasing);
  pittore.setPen(QPen(m.contorno, 1));
  pittore.setBrush(m.riempimento);
  const QRectF r(0.5, 0.5, m.lato - 1, m.lato - 1);
  const QPointF c = r.center();
  switch (static_cast<QScatterSeries::MarkerShape>(m.forma)) {
    case QScatterSeries::MarkerShapeCircle: pittore.drawEllipse(r); break;
    case QScatterSeries::MarkerShapeRotatedRectangle:
      pittore.drawPolygon(QPolygonF{{c.x(), r.top()}, {r.right(), c.y()}, {c.x(), r.bottom()},
                                    {r.left(), c.y()}});
      break;
    case QScatterSeries::MarkerShapeTriangle:
      pittore.drawPolygon(QPolygonF{{c.x(), r.top()}, {r.right(), r.bottom()}, {r.left(), r.bottom()}});
      break;
    case QScatterSeries::MarkerShapeStar: {
      // Five points, the inner corners at 0.4 of the outer radius.
      QPolygonF stella;
      for (int i = 0; i < 10; ++i) {
        const double raggio = (i % 2 == 0 ? 1.0 : 0.4) * r.width() / 2;
        const double angolo = M_PI / 2 + i * M_PI / 5;
        stella << c + QPointF(raggio * std::cos(angolo), -raggio * std::sin(angolo));
      }
      pittore.drawPolygon(stella);
      break;
    }
    default: pittore.drawRect(r);
  }
  return immagine;
}

ChartQt::ChartQt(QWidget* genitore) : QChartView(genitore) {
  setFrameShape(QFrame::NoFrame);
  setRenderHint(QPainter::Antialiasing);
  grafico_.ImpostaVista(this);
  daRidisegnare_ = true;
  Aggiorna();
  GeometriaNelModello();
}

ChartQt::~ChartQt() { grafico_.ImpostaVista(nullptr); }

void ChartQt::ContenutoCambiato() {
  if (daRidisegnare_) return;
  daRidisegnare_ = true;
  QTimer::singleShot(0, this, [this] { Aggiorna(); });
}

void ChartQt::Aggiorna() {
  if (!daRidisegnare_) return;
  daRidisegnare_ = false;
  Ricostruisci();
}

void ChartQt::Ricostruisci() {
  QChart& c = *chart();
  // Each property is set only when it changes: Qt lays the whole chart out
  // again at every change of a title, a name or a legend entry.
  if (const QString titolo = QString::fromStdString(grafico_.Title()); c.title() != titolo)
    c.setTitle(titolo);
  if (c.legend()->isVisible() != grafico_.ShowLegend()) c.legend()->setVisible(grafico_.ShowLegend());
  if (!asseX_) {
    asseX_ = new QValueAxis;
    asseY_ = new QValueAxis;
    // Plain numbers on the ticks: no trailing decimals, no exponent below 1E6.
    asseX_->setLabelFormat("%.6g");
    asseY_->setLabelFormat("%.6g");
    c.addAxis(asseX_, Qt::AlignBottom);
    c.addAxis(asseY_, Qt::AlignLeft);
  }
  asseX_->setTitleText(QString::fromStdString(grafico_.AxisTitle(Chart::AsseX)));
  asseY_->setTitleText(QString::fromStdString(grafico_.AxisTitle(Chart::AsseY)));

  const Chart& dati = grafico_;
  // The series already drawn take the new points when they are as many.
  const int nSerie = dati.ColumnCount() / 2;
  const bool riusa = static_cast<int>(disegnate_.size()) == nSerie;
  if (!riusa) {
    c.removeAllSeries();
    disegnate_.clear();
  }

  // The points and the axes' spans first. The lines wait empty while the
  // axes change, so that each is laid out once, with its new points.
  std::vector<QList<QPointF>> punti(static_cast<size_t>(nSerie));
  Estremi x, y;
  for (int k = 1; k <= nSerie; ++k) {
    if (!riusa) disegnate_.push_back({2 * k - 1, new QLineSeries, {}, {}});
    SerieDisegnata& disegnata = disegnate_[static_cast<size_t>(k) - 1];
    QList<QPointF>& dellaSerie = punti[static_cast<size_t>(k) - 1];
    const int colonna = disegnata.colonnaX;
    disegnata.righe.clear();
    disegnata.puntoDellaRiga.clear();
    for (int r = 1; r <= dati.RowCount(); ++r) {
      double px, py;
      if (!ValoreCella(dati, r, colonna, px) || !ValoreCella(dati, r, colonna + 1, py)) continue;
      // A click picks the first of equal points: the repeats add nothing.
      if (dellaSerie.empty() || dellaSerie.back().x() != px || dellaSerie.back().y() != py) {
        dellaSerie.append(QPointF(px, py));
        disegnata.righe.push_back(r);
        x.Aggiungi(px);
        y.Aggiungi(py);
      }
      disegnata.puntoDellaRiga.emplace_back(r, static_cast<int>(dellaSerie.size()) - 1);
    }
    disegnata.linea->clear();
    if (!riusa) {
      c.addSeries(disegnata.linea);
      disegnata.linea->attachAxis(asseX_);
      disegnata.linea->attachAxis(asseY_);
    }
  }
  ImpostaAssi(*asseX_, *asseY_, dati.UniformAxis(), x, y);

  // Each curve one series: its markers are pictures it draws at its points.
  for (int k = 1; k <= nSerie; ++k) {
    const SerieGrafico& stile = dati.SeriesCollection(2 * k - 1);
    QLineSeries& linea = *disegnate_[static_cast<size_t>(k) - 1].linea;
    linea.replace(punti[static_cast<size_t>(k) - 1]);
    QPen penna(ColoreQt(stile.Pen.VtColor));
    penna.setWidthF(stile.Pen.Width);
    penna.setStyle(StilePennaQt(stile.Pen.Style));
    if (linea.pen() != penna) linea.setPen(penna);
    if (const QString nome = QString::fromStdString(stile.LegendText); linea.name() != nome)
      linea.setName(nome);
    const QList<QLegendMarker*> voci = c.legend()->markers(&linea);
    // Set every time: an entry of a legend not yet in sight reads hidden, and
    // would come into sight with it.
    for (QLegendMarker* voce : voci) voce->setVisible(!stile.LegendText.empty());

    const int stileMarcatore =
        stile.SeriesMarker.Auto ? StileAutomatico(k) : stile.DataPoint.Marker.Style;
    const auto forma = stile.SeriesMarker.Show ? FormaMarcatore(stileMarcatore) : std::nullopt;
    if (linea.pointsVisible() != forma.has_value()) linea.setPointsVisible(forma.has_value());
    Marcatore& disegnato = disegnate_[static_cast<size_t>(k) - 1].marcatore;
    if (!forma) {
      if (!linea.lightMarker().isNull()) linea.setLightMarker({});
      disegnato = {};
      continue;
    }
    const int lato = std::max(2, PixelDaTwips(stile.DataPoint.Marker.Size));
    const QColor riempimento = ColoreQt(stile.DataPoint.Marker.FillColor);
    if (linea.markerSize() != lato) linea.setMarkerSize(lato);
    const Marcatore marcatore{
        *forma, lato, devicePixelRatioF(),
        MarcatorePieno(stileMarcatore) ? QBrush(riempimento) : QBrush(Qt::NoBrush),
        ColoreQt(stile.DataPoint.Marker.Pen.VtColor)};
    if (disegnato != marcatore) {
      linea.setLightMarker(ImmagineMarcatore(marcatore));
      disegnato = marcatore;
    }
    // The legend shows the colour of the markers, which stand out more than the line.
    for (QLegendMarker* voce : voci)
      if (voce->brush() != QBrush(riempimento)) voce->setBrush(QBrush(riempimento));
  }
}

std::optional<QPointF> ChartQt::PosizionePunto(int serie, int riga) {
  Aggiorna();
  for (const SerieDisegnata& d : disegnate_) {
    if (d.colonnaX != serie) continue;
    const auto trovata =
        std::find_if(d.puntoDellaRiga.begin(), d.puntoDellaRiga.end(),
                     [riga](const std::pair<int, int>& rp) { return rp.first == riga; });
    if (trovata == d.puntoDellaRiga.end()) return std::nullopt;
    return QPointF(mapFromScene(chart()->mapToPosition(d.linea->at(trovata->second), d.linea)));
  }
  return std::nullopt;
}

void ChartQt::mousePressEvent(QMouseEvent* evento) {
  Aggiorna();
  const QPointF clic = evento->position();
  if (MouseDown)
    MouseDown(static_cast<float>(clic.x() * TwipsPerPixel),
              static_cast<float>(clic.y() * TwipsPerPixel));
  // The nearest drawn point within reach, the first series on a tie.
  double migliore = std::numeric_limits<double>::infinity();
  int serie = 0, punto = 0;
  for (const SerieDisegnata& d : disegnate_) {
    for (int i = 0; i < d.linea->count(); ++i) {
      const QPointF p = mapFromScene(chart()->mapToPosition(d.linea->at(i), d.linea));
      const double distanza = std::hypot(p.x() - clic.x(), p.y() - clic.y());
      if (distanza <= RaggioSelezione && distanza < migliore) {
        migliore = distanza;
        serie = d.colonnaX;
        punto = d.righe[static_cast<size_t>(i)];
      }
    }
  }
  if (serie != 0 && PointSelected) PointSelected(serie, punto);
  QChartView::mousePressEvent(evento);
}

void ChartQt::GeometriaCambiata() {
  if (seguendo_) return;
  seguendo_ = true;
  setGeometry(RettangoloPixel(grafico_.Left(), grafico_.Top(), grafico_.Width(),
                              grafico_.Height()));
  seguendo_ = false;
}

void ChartQt::GeometriaNelModello() {
  if (seguendo_) return;
  seguendo_ = true;
  grafico_.SetLeft(TwipsAccordati(grafico_.Left(), x()));
  grafico_.SetTop(TwipsAccordati(grafico_.Top(), y()));
  grafico_.SetWidth(TwipsAccordati(grafico_.Width(), width()));
  grafico_.SetHeight(TwipsAccordati(grafico_.Height(), height()));
  seguendo_ = false;
}

void ChartQt::moveEvent(QMoveEvent* evento) {
  QChartView::moveEvent(evento);
  GeometriaNelModello();
}

void ChartQt::resizeEvent(QResizeEvent* evento) {
  QChartView::resizeEvent(evento);
  GeometriaNelModello();
}

void ChartQt::CopiaRichiesta() {
  Aggiorna();
  QGuiApplication::clipboard()->setImage(grab().toImage());
}

}  // namespace platform
