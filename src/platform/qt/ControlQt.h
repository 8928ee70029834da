#pragma once
// One control of a window on screen, reached by name: a widget (text box,
// label, button, check or option box, frame, combo or list box, menu) or a
// menu item. Each kind answers the properties it has; the others do nothing.
//
// A widget or menu item whose command is not there yet carries the property
// NonDisponibile: it stays disabled whatever the program asks, and Enabled()
// answers what was asked.
#include <QPointer>

#include "platform/Form.h"

namespace platform {

inline constexpr const char* NonDisponibile = "tramokNonDisponibile";
// What such a control tells the user in its tooltip.
inline constexpr const char* MotivoNonDisponibile =
    "Non disponibile in questa versione del programma";

class ControlQt : public Control {
 public:
  explicit ControlQt(QObject* oggetto) : oggetto_(oggetto) {}

  std::string Text() const override;
  void SetText(const std::string& testo) override;
  std::string Caption() const override;
  void SetCaption(const std::string& testo) override;
  bool Visible() const override;
  void SetVisible(bool visibile) override;
  bool Enabled() const override;
  void SetEnabled(bool abilitato) override;
  Colore ForeColor() const override;
  void SetForeColor(Colore colore) override;
  Colore BackColor() const override;
  void SetBackColor(Colore colore) override;
  int Value() const override;
  void SetValue(int valore) override;
  void Clear() override;
  void AddItem(const std::string& voce) override;
  int ListCount() const override;
  std::string List(int indice) const override;

 private:
  QPointer<QObject> oggetto_;
  bool abilitatoRichiesto_ = true;
};

}  // namespace platform
