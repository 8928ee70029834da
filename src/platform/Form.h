#pragma once
// A window whose controls are reached by name and index, as the analyses write
// their results into the window that asked for them.
#include <string>

#include "platform/Colori.h"

namespace platform {

// Index of a control that is not part of a control array.
inline constexpr int SenzaIndice = -1;

// One control: text box, label, button, check or option box, menu item, list.
// Each kind uses the properties it has; the others are kept and ignored.
class Control {
 public:
  virtual ~Control() = default;

  virtual std::string Text() const = 0;
  virtual void SetText(const std::string& testo) = 0;
  virtual std::string Caption() const = 0;
  virtual void SetCaption(const std::string& testo) = 0;
  virtual bool Visible() const = 0;
  virtual void SetVisible(bool visibile) = 0;
  virtual bool Enabled() const = 0;
  virtual void SetEnabled(bool abilitato) = 0;
  virtual Colore ForeColor() const = 0;
  virtual void SetForeColor(Colore colore) = 0;
  // A system colour (ColoreFacciaPulsante, ColoreSfondoFinestra) gives back
  // the style's own background.
  virtual Colore BackColor() const = 0;
  virtual void SetBackColor(Colore colore) = 0;
  // Check box 0/1/2, option button 0/1, menu item checked 0/1.
  virtual int Value() const = 0;
  virtual void SetValue(int valore) = 0;
  bool Checked() const { return Value() != 0; }
  void SetChecked(bool spuntato) { SetValue(spuntato ? 1 : 0); }

  // Combo and list boxes.
  virtual void Clear() = 0;
  virtual void AddItem(const std::string& voce) = 0;
  virtual int ListCount() const = 0;
  virtual std::string List(int indice) const = 0;
};

class Form {
 public:
  virtual ~Form() = default;
  virtual std::string Name() const = 0;
  // The control with that name (and index, for a control array). A window
  // without such a control returns one that takes writes and forgets them.
  virtual Control& Controllo(const std::string& nome, int indice = SenzaIndice) = 0;
};

}  // namespace platform
