#pragma once
// A one-line text box on screen that the program places, selects and focuses:
// the floating cell editor of a grid. Tab reaches its key-down handler
// instead of moving the focus, so that the handler can take it as Enter.
#include <functional>
#include <string>

#include <QLineEdit>

#include "platform/qt/CasellaQt.h"

namespace platform {

class CasellaTestoQt : public CasellaQt<QLineEdit> {
 public:
  explicit CasellaTestoQt(QWidget* genitore = nullptr);

  std::string Text() const override;
  void SetText(const std::string& testo) override;
  // Positions count the characters of the basic plane.
  int SelStart() const override;
  void SetSelStart(int inizio) override;
  int SelLength() const override;
  void SetSelLength(int lunghezza) override;

  // Key-down with the program's key code and shift bits; Enter, Esc, Tab,
  // Up and Down stop there, other keys then edit the text.
  std::function<void(int& codice, int shift)> KeyDown;
  std::function<void()> GotFocus;
  std::function<void()> LostFocus;

 protected:
  bool event(QEvent* evento) override;
  void keyPressEvent(QKeyEvent* evento) override;
  void focusInEvent(QFocusEvent* evento) override;
  void focusOutEvent(QFocusEvent* evento) override;
};

}  // namespace platform
