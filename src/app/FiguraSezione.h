#pragma once
// The main window's section picture: the sketch of a section type with the
// names of its dimensions, or the section drawn by the program.
#include <functional>

#include <QImage>
#include <QWidget>

class FiguraSezione : public QWidget {
 public:
  explicit FiguraSezione(QWidget* genitore = nullptr);

  // The sketch of section type tipo: 0 rectangle, 1 T, 2 rectangles,
  // 3 trapezoids, 4 circle or ring, 5 vertices (type 6 shares it); and the
  // seismic column details.
  static constexpr int PilastroRettangolare = 7;
  static constexpr int PilastroCircolare = 8;
  void MostraSchizzo(int tipo);
  int Schizzo() const { return schizzo_; }
  // A drawing in place of the sketch.
  void MostraImmagine(const QImage& immagine);
  const QImage& Immagine() const { return immagine_; }

  std::function<void()> Click;
  std::function<void()> DblClick;

  QSize sizeHint() const override { return {300, 230}; }

 protected:
  void paintEvent(QPaintEvent* evento) override;
  void mouseReleaseEvent(QMouseEvent* evento) override;
  void mouseDoubleClickEvent(QMouseEvent* evento) override;

 private:
  int schizzo_ = 0;
  QImage immagine_;
};

// Draws the sketch of section type tipo into the rectangle.
void DisegnaSchizzo(QPainter& pittore, const QRectF& area, int tipo);
