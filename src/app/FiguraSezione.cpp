#include "app/FiguraSezione.h"

#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <cmath>
#include <numbers>

namespace {

// Sketches are drawn on a 100 x 80 board, scaled into the picture.
constexpr double LarghezzaTavola = 100;
constexpr double AltezzaTavola = 80;

const QColor ColoreSezione(225, 225, 225);
const QColor ColoreBordo(60, 60, 60);
const QColor ColoreQuote(0, 70, 170);
const QColor ColoreBarre(190, 0, 0);

void Testo(QPainter& p, QPointF centro, const QString& testo) {
  const QRectF r(centro.x() - 20, centro.y() - 5, 40, 10);
  p.setPen(ColoreQuote);
  p.drawText(r, Qt::AlignCenter, testo);
}

// A dimension line from a to b with its ticks and its name beside it.
void Quota(QPainter& p, QPointF a, QPointF b, const QString& nome, QPointF spostamento) {
  p.setPen(QPen(ColoreQuote, 0.35));
  p.drawLine(a, b);
  const QPointF d = b - a;
  const double l = std::hypot(d.x(), d.y());
  const QPointF n(-d.y() / l * 1.5, d.x() / l * 1.5);
  p.drawLine(a - n, a + n);
  p.drawLine(b - n, b + n);
  Testo(p, (a + b) / 2 + spostamento, nome);
}

void Poligono(QPainter& p, const QPolygonF& punti) {
  p.setPen(QPen(ColoreBordo, 0.6));
  p.setBrush(ColoreSezione);
  p.drawPolygon(punti);
  p.setBrush(Qt::NoBrush);
}

void Barra(QPainter& p, QPointF centro) {
  p.setPen(Qt::NoPen);
  p.setBrush(ColoreBarre);
  p.drawEllipse(centro, 1.6, 1.6);
  p.setBrush(Qt::NoBrush);
}

// A bar layer at depth d below the top edge y0, with its d dimension.
void StratoBarre(QPainter& p, double x0, double x1, double y0, double y, double xQuota) {
  for (double x = x0; x <= x1 + 0.01; x += (x1 - x0) / 3) Barra(p, {x, y});
  Quota(p, {xQuota, y0}, {xQuota, y}, "d", {5, 0});
}

void Rettangolo(QPainter& p) {
  Poligono(p, QRectF(30, 10, 40, 60));
  StratoBarre(p, 35, 65, 10, 65, 78);
  Quota(p, {30, 7}, {70, 7}, "b", {0, -3.7});
  Quota(p, {22, 10}, {22, 70}, "h", {-5, 0});
}

void SezioneT(QPainter& p) {
  // Room on the left for "h (1)" and below for "b (2)", both whole.
  Poligono(p, QPolygonF({{22, 10}, {88, 10}, {88, 24}, {65, 24}, {65, 68}, {45, 68},
                         {45, 24}, {22, 24}}));
  StratoBarre(p, 49, 61, 10, 63, 71);
  Quota(p, {22, 7}, {88, 7}, "b (1)", {0, -3.7});
  Quota(p, {18, 10}, {18, 24}, "h (1)", {-8, 0});
  Quota(p, {45, 72}, {65, 72}, "b (2)", {0, 3});
  Quota(p, {38, 24}, {38, 68}, "h (2)", {-8, 0});
}

void Rettangoli(QPainter& p) {
  const double larghezze[] = {60, 30, 46};
  const double altezze[] = {14, 30, 16};
  double y = 8;
  for (int i = 0; i < 3; ++i) {
    const double b = larghezze[i];
    Poligono(p, QRectF(50 - b / 2, y, b, altezze[i]));
    const QString n = QString(" (%1)").arg(i + 1);
    Quota(p, {50 + b / 2 + 4, y}, {50 + b / 2 + 4, y + altezze[i]}, "h" + n, {8, 0});
    Testo(p, {50, y + altezze[i] / 2}, "b" + n);
    y += altezze[i];
  }
}

void Trapezi(QPainter& p) {
  Poligono(p, QPolygonF({{20, 10}, {80, 10}, {62, 34}, {38, 34}}));
  Poligono(p, QPolygonF({{38, 34}, {62, 34}, {70, 66}, {30, 66}}));
  Quota(p, {20, 7}, {80, 7}, "b sup (1)", {0, -3.7});
  Quota(p, {38, 38}, {62, 38}, "b inf (1)", {0, 3});
  Quota(p, {86, 10}, {86, 34}, "h (1)", {6, 0});
  Quota(p, {30, 71}, {70, 71}, "b inf (2)", {0, 3});
  Quota(p, {86, 34}, {86, 66}, "h (2)", {6, 0});
}

void Cerchio(QPainter& p) {
  const QPointF c(45, 40);
  QPainterPath anello;
  anello.addEllipse(c, 32, 32);
  anello.addEllipse(c, 14, 14);
  p.setPen(QPen(ColoreBordo, 0.6));
  p.setBrush(ColoreSezione);
  p.drawPath(anello);
  for (int i = 0; i < 10; ++i) {
    const double a = std::numbers::pi / 2 + i * 2 * std::numbers::pi / 10;
    Barra(p, c + QPointF(26 * std::cos(a), -26 * std::sin(a)));
  }
  Quota(p, c, c + QPointF(32 * std::cos(0.35), 32 * std::sin(0.35)), "R est", {4, 5});
  Quota(p, c, c + QPointF(-14, 0), "R int", {-2, -4});
  Quota(p, c + QPointF(0, -26), c + QPointF(0, -32), "c", {-4, 0});
  Testo(p, {c.x(), 76}, QString::fromUtf8("n barre Ø"));
}

void Vertici(QPainter& p) {
  const QPolygonF punti({{25, 15}, {75, 15}, {75, 35}, {55, 35}, {55, 65}, {25, 65}});
  Poligono(p, punti);
  for (int i = 0; i < punti.size(); ++i) {
    const QPointF v = punti[i];
    p.setPen(ColoreBordo);
    p.drawEllipse(v, 1, 1);
    Testo(p, v + QPointF(v.x() < 50 ? -5 : 5, v.y() < 40 ? -4 : 4), QString::number(i + 1));
  }
  p.setPen(QPen(ColoreQuote, 0.4));
  const QPointF o(15, 72);
  p.drawLine(o, o + QPointF(70, 0));
  p.drawLine(o, o + QPointF(0, -66));
  Testo(p, o + QPointF(72, 2), "x");
  Testo(p, o + QPointF(-3, -68), "y");
}

// Column details: longitudinal bars inside the stirrup, the cover c to the
// bars' centres, as the seismic window asks for them.
void StaffaPilastro(QPainter& p, const QRectF& staffa) {
  p.setPen(QPen(ColoreBordo, 0.5));
  p.drawRoundedRect(staffa, 2, 2);
}

void PilastroRettangolare(QPainter& p) {
  const QRectF sezione(28, 12, 44, 58);
  const double c = 6;
  Poligono(p, QPolygonF(sezione));
  const QRectF barre = sezione.adjusted(c, c, -c, -c);
  StaffaPilastro(p, barre.adjusted(-2, -2, 2, 2));
  for (int i = 0; i <= 3; ++i) {
    const double x = barre.left() + i * barre.width() / 3;
    Barra(p, {x, barre.top()});
    Barra(p, {x, barre.bottom()});
  }
  for (int j = 1; j <= 3; ++j) {
    const double y = barre.top() + j * barre.height() / 4;
    Barra(p, {barre.left(), y});
    Barra(p, {barre.right(), y});
  }
  Quota(p, {sezione.left(), 8}, {sezione.right(), 8}, "b", {0, -3.7});
  Quota(p, {20, sezione.top()}, {20, sezione.bottom()}, "h", {-5, 0});
  Quota(p, {sezione.right(), barre.bottom()}, {barre.right(), barre.bottom()}, "c", {6, 4});
  Testo(p, {50, 76}, "staffe");
}

void PilastroCircolare(QPainter& p) {
  const QPointF centro(50, 40);
  const double raggio = 30, c = 6;
  p.setPen(QPen(ColoreBordo, 0.6));
  p.setBrush(ColoreSezione);
  p.drawEllipse(centro, raggio, raggio);
  p.setBrush(Qt::NoBrush);
  p.setPen(QPen(ColoreBordo, 0.5));
  p.drawEllipse(centro, raggio - c + 2, raggio - c + 2);
  for (int i = 0; i < 10; ++i) {
    const double a = i * 2 * std::numbers::pi / 10;
    Barra(p, centro + QPointF((raggio - c) * std::cos(a), (raggio - c) * std::sin(a)));
  }
  const QPointF verso(std::cos(-0.6), std::sin(-0.6));
  Quota(p, centro, centro + raggio * verso, "R", {-2, -4});
  Quota(p, centro + QPointF(0, raggio - c), centro + QPointF(0, raggio), "c", {-4, 0});
  Testo(p, {50, 76}, "staffe o spirale");
}

}  // namespace

void DisegnaSchizzo(QPainter& pittore, const QRectF& area, int tipo) {
  pittore.save();
  pittore.setRenderHint(QPainter::Antialiasing);
  const double scala = std::min(area.width() / LarghezzaTavola, area.height() / AltezzaTavola);
  pittore.translate(area.center());
  pittore.scale(scala, scala);
  pittore.translate(-LarghezzaTavola / 2, -AltezzaTavola / 2);
  QFont carattere = pittore.font();
  carattere.setPointSizeF(4.2);
  pittore.setFont(carattere);
  switch (tipo) {
    case 0: Rettangolo(pittore); break;
    case 1: SezioneT(pittore); break;
    case 2: Rettangoli(pittore); break;
    case 3: Trapezi(pittore); break;
    case 4: Cerchio(pittore); break;
    case FiguraSezione::PilastroRettangolare: PilastroRettangolare(pittore); break;
    case FiguraSezione::PilastroCircolare: PilastroCircolare(pittore); break;
    default: Vertici(pittore); break;
  }
  pittore.restore();
}

FiguraSezione::FiguraSezione(QWidget* genitore) : QWidget(genitore) {
  setAutoFillBackground(true);
  QPalette tavolozza = palette();
  tavolozza.setColor(QPalette::Window, Qt::white);
  setPalette(tavolozza);
  setMinimumSize(180, 140);
  setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
}

void FiguraSezione::MostraSchizzo(int tipo) {
  schizzo_ = tipo == 6 ? 5 : tipo;
  immagine_ = QImage();
  update();
}

void FiguraSezione::MostraImmagine(const QImage& immagine) {
  immagine_ = immagine;
  update();
}

void FiguraSezione::paintEvent(QPaintEvent*) {
  QPainter pittore(this);
  if (!immagine_.isNull())
    pittore.drawImage(rect(), immagine_);
  else
    DisegnaSchizzo(pittore, QRectF(rect()).adjusted(4, 4, -4, -4), schizzo_);
  pittore.setPen(palette().color(QPalette::Mid));
  pittore.drawRect(rect().adjusted(0, 0, -1, -1));
}

void FiguraSezione::mouseReleaseEvent(QMouseEvent* evento) {
  if (evento->button() == Qt::LeftButton && Click) Click();
}

void FiguraSezione::mouseDoubleClickEvent(QMouseEvent* evento) {
  if (evento->button() == Qt::LeftButton && DblClick) DblClick();
}
