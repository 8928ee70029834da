#pragma once
// The chart on screen: a chart view that follows its Chart model, one line
// series per X-Y pair of columns, drawing its markers at its points where
// the series shows them. It reports the mouse going down on it and the data
// point clicked, and copies its picture to the clipboard.
#include <functional>
#include <optional>
#include <utility>
#include <vector>

#include <QtCharts/QChartView>

#include "platform/Chart.h"

QT_BEGIN_NAMESPACE
class QLineSeries;
class QValueAxis;
QT_END_NAMESPACE

namespace platform {

class ChartQt : public QChartView, private VistaChart {
 public:
  explicit ChartQt(QWidget* genitore = nullptr);
  ~ChartQt() override;

  Chart& Grafico() { return grafico_; }

  // The picture redrawn from the model now, when the model has changed since
  // (otherwise it is redrawn once the pending events run).
  void Aggiorna();

  // Where point riga of the series whose x column is serie is drawn, in the
  // view's pixels; nothing when it is not drawn.
  std::optional<QPointF> PosizionePunto(int serie, int riga);

  // The mouse down at (x, y), twips from the chart's top left corner.
  std::function<void(float x, float y)> MouseDown;
  // A data point clicked: the series' x column and the point's row.
  std::function<void(int serie, int punto)> PointSelected;

 protected:
  void mousePressEvent(QMouseEvent* evento) override;
  void moveEvent(QMoveEvent* evento) override;
  void resizeEvent(QResizeEvent* evento) override;

 private:
  // What the picture of a series' markers is drawn from.
  struct Marcatore {
    int forma = -1;  // a QScatterSeries::MarkerShape; -1 none drawn yet
    int lato = 0;
    qreal rapporto = 0;
    QBrush riempimento;
    QColor contorno;
    bool operator==(const Marcatore&) const = default;
  };
  // The picture a line series draws at each of its points: lato pixels wide,
  // at the screen's pixel ratio.
  static QImage ImmagineMarcatore(const Marcatore& m);
  struct SerieDisegnata {
    int colonnaX;
    QLineSeries* linea;
    // The picture is drawn again only when what it shows changes.
    Marcatore marcatore;
    std::vector<int> righe;  // the chart row of each point of linea
    // Each row with a point, and the point of linea that stands for it: a
    // point repeated in the rows that follow it is drawn once.
    std::vector<std::pair<int, int>> puntoDellaRiga;
  };

  void ContenutoCambiato() override;
  void GeometriaCambiata() override;
  void CopiaRichiesta() override;

  void Ricostruisci();
  void GeometriaNelModello();

  Chart grafico_;
  QValueAxis* asseX_ = nullptr;  // made with the first picture, owned by the chart
  QValueAxis* asseY_ = nullptr;
  std::vector<SerieDisegnata> disegnate_;
  bool daRidisegnare_ = false;
  bool seguendo_ = false;
};

}  // namespace platform
