#pragma once
// A text box of several lines that the program places and fills: the read-out
// box of a chart's clicked point. Lines the program ends with CR LF.
#include <string>

#include <QPlainTextEdit>

#include "platform/CasellaTesto.h"

namespace platform {

class CasellaMultirigaQt : public QPlainTextEdit, public CasellaTesto {
 public:
  explicit CasellaMultirigaQt(QWidget* genitore = nullptr);

  std::string Text() const override;
  void SetText(const std::string& testo) override;
  bool Visible() const override { return !isHidden(); }
  void SetVisible(bool visibile) override { setVisible(visibile); }
  // Positions count a line break as one character.
  int SelStart() const override;
  void SetSelStart(int inizio) override;
  int SelLength() const override;
  void SetSelLength(int lunghezza) override;
  int Left() const override;
  int Top() const override;
  int Width() const override;
  int Height() const override;
  // Also brings the box above its sibling controls.
  void Move(int left, int top, int width, int height) override;
  void SetFocus() override { setFocus(Qt::OtherFocusReason); }
};

}  // namespace platform
