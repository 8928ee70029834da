#pragma once
// A window on screen as a Form: its controls are the widgets and menu items
// below it whose objectName is the control's name, "name_index" for an
// element of a control array. A name the window does not have gives a
// control that takes writes and forgets them.
#include <map>
#include <memory>
#include <string>

#include <QPointer>
#include <QWidget>

#include "platform/FormInMemoria.h"
#include "platform/qt/ControlQt.h"

namespace platform {

// "F_Mu", 0 -> "F_Mu_0"; without an index the name itself.
std::string NomeOggetto(const std::string& nome, int indice = SenzaIndice);

// The widget, named as the program reaches it.
template <class W>
W* Nominato(W* w, const std::string& nome, int indice = SenzaIndice) {
  w->setObjectName(QString::fromStdString(NomeOggetto(nome, indice)));
  return w;
}

class FormQt : public Form {
 public:
  FormQt(QWidget& finestra, std::string nome);
  std::string Name() const override { return nome_; }
  Control& Controllo(const std::string& nome, int indice = SenzaIndice) override;

 private:
  QPointer<QWidget> finestra_;
  std::string nome_;
  std::map<std::string, std::unique_ptr<ControlQt>> controlli_;
  ControlInMemoria assente_;
};

}  // namespace platform
