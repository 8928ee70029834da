#pragma once
// Keyboard services a window installs once: the keypad's decimal key types
// the regional decimal separator in every box of the window, and the boxes
// named select their whole text when they get the focus.
#include <QObject>

class QLineEdit;
class QWidget;

namespace Generale {

class TastieraFinestra : public QObject {
 public:
  // Watches the key events of every widget of the window.
  explicit TastieraFinestra(QWidget& finestra);
  ~TastieraFinestra() override;

  // The box selects its text on focus, as SelezionaTesto does.
  void SelezionaAlFuoco(QLineEdit& casella);

 protected:
  bool eventFilter(QObject* oggetto, QEvent* evento) override;

 private:
  QWidget* finestra_;
};

// Selects the box's whole text.
void SelezionaTesto(QLineEdit& casella);

}  // namespace Generale
