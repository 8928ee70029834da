#pragma once
// Watches the inputs a window's results are computed from. A change of one
// of them, by the user or by another window, makes the results stale and
// calls the function given: a text box counts when its text changes, a
// button or a menu item when it is checked or cleared, a grid when the text
// of one of its cells changes.
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <utility>

#include <QObject>

class QAbstractButton;
class QAction;
class QLineEdit;

namespace platform {
class FlexGridQt;
}

class GuardiaRisultati : public QObject {
 public:
  GuardiaRisultati(QObject* genitore, std::function<void()> scaduti);

  // conta tells whether the box is an input of the results now shown.
  void Osserva(QLineEdit& casella, std::function<bool()> conta = {});
  void Osserva(QAbstractButton& bottone);
  void Osserva(QAction& voce);
  // Items that show a value held elsewhere (the code in force): a toggle
  // counts only when that value differs from the one last seen.
  void Osserva(QAction& voce, std::function<int()> valore);
  void Osserva(platform::FlexGridQt& griglia);

  // While one lives, changes leave the results as they are: the window's
  // own calculation, which reads and rewrites its inputs, or a change the
  // results do not depend on.
  class Sospesa {
   public:
    explicit Sospesa(GuardiaRisultati& guardia) : guardia_(guardia) { ++guardia_.sospensioni_; }
    ~Sospesa() { --guardia_.sospensioni_; }
    Sospesa(const Sospesa&) = delete;
    Sospesa& operator=(const Sospesa&) = delete;

   private:
    GuardiaRisultati& guardia_;
  };

 private:
  using Celle = std::map<std::pair<int, int>, std::string>;
  void Cambiato();

  std::function<void()> scaduti_;
  int sospensioni_ = 0;
};
