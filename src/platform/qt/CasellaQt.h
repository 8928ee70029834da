#pragma once
// What the one-line and the multi-line text boxes share: visibility, focus
// and a place in twips over a Qt editor widget. The text and the selection
// are each box's own.
#include <QWidget>

#include "platform/CasellaTesto.h"
#include "platform/Twips.h"
#include "platform/qt/GeometriaQt.h"

namespace platform {

template <class Editor>
class CasellaQt : public Editor, public CasellaTesto {
 public:
  explicit CasellaQt(QWidget* genitore) : Editor(genitore) {}

  bool Visible() const override { return !this->isHidden(); }
  void SetVisible(bool visibile) override { this->setVisible(visibile); }
  int Left() const override { return TwipsDaPixel(this->x()); }
  int Top() const override { return TwipsDaPixel(this->y()); }
  int Width() const override { return TwipsDaPixel(this->width()); }
  int Height() const override { return TwipsDaPixel(this->height()); }
  // Also brings the box above its sibling controls.
  void Move(int left, int top, int width, int height) override {
    this->setGeometry(RettangoloPixel(left, top, width, height));
    this->raise();
  }
  void SetFocus() override { this->setFocus(Qt::OtherFocusReason); }
};

}  // namespace platform
