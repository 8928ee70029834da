#include <algorithm>
#include <vector>

#include <QApplication>
#include <QFontMetricsF>

#include "platform/FlexGrid.h"
#include "platform/qt/ModelloFlexGridQt.h"
#include "platform/qt/StampanteQt.h"

namespace platform {

namespace {

QString Cella(const FlexGrid& griglia, int riga, int colonna) {
  return QString::fromStdString(griglia.TextMatrix(riga, colonna));
}

}  // namespace

void StampanteQt::DisegnaTabella(const QStringList& titolo, const FlexGrid& griglia) {
  QPainter* p = Pittore();
  if (!p || griglia.Rows() == 0 || griglia.Cols() == 0) return;
  QFont testo = QApplication::font();
  testo.setPointSizeF(9);
  QFont intestazione = testo;
  intestazione.setBold(true);
  QFont grande = intestazione;
  grande.setPointSizeF(11);
  const QFontMetricsF misure(intestazione, &printer_), misureTitolo(grande, &printer_);
  const double margine = misure.averageCharWidth();

  // Each column as wide as its widest text, headers included.
  const int fisse = std::min(griglia.FixedRows(), griglia.Rows());
  std::vector<double> larghezze(static_cast<std::size_t>(griglia.Cols()));
  for (int c = 0; c < griglia.Cols(); ++c)
    for (int r = 0; r < griglia.Rows(); ++r)
      larghezze[static_cast<std::size_t>(c)] = std::max(
          larghezze[static_cast<std::size_t>(c)], misure.horizontalAdvance(Cella(griglia, r, c)) + 2 * margine);
  double larghezza = 0;
  for (double l : larghezze) larghezza += l;

  // A table wider than the paper is drawn smaller, its texts still texts.
  const double scala = std::min(1.0, LarghezzaPixel() / larghezza);
  const double altezzaPagina = AltezzaPixel() / scala;
  const double riga = misure.lineSpacing() * 1.3;
  const double testata = titolo.size() * misureTitolo.lineSpacing() + riga / 2 + fisse * riga;

  auto disegnaRiga = [&](int r, double y) {
    double x = 0;
    for (int c = 0; c < griglia.Cols(); ++c) {
      const double l = larghezze[static_cast<std::size_t>(c)];
      const QString t = Cella(griglia, r, c);
      p->drawText(QRectF(x + margine, y, l - 2 * margine, riga),
                  AllineamentoQt(griglia.CellAlignment(r, c), t) | Qt::AlignVCenter, t);
      x += l;
    }
  };

  p->save();
  p->scale(scala, scala);
  p->setPen(Qt::black);
  int r = fisse;
  do {
    if (r > fisse) {
      p->restore();
      NewPage();
      p->save();
      p->scale(scala, scala);
      p->setPen(Qt::black);
    }
    // Each page: the title, the headers, then as many rows as it holds.
    double y = 0;
    p->setFont(grande);
    for (const QString& linea : titolo) {
      p->drawText(QPointF(0, y + misureTitolo.ascent()), linea);
      y += misureTitolo.lineSpacing();
    }
    y += riga / 2;
    p->setFont(intestazione);
    for (int h = 0; h < fisse; ++h, y += riga) disegnaRiga(h, y);
    p->drawLine(QPointF(0, y), QPointF(larghezza, y));
    p->setFont(testo);
    for (; r < griglia.Rows() && (y + riga <= altezzaPagina || y <= testata); ++r, y += riga)
      disegnaRiga(r, y);
  } while (r < griglia.Rows());
  p->restore();
}

}  // namespace platform
