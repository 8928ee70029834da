#pragma once
// A text box that the program places, selects and focuses itself: the floating
// cell editor of a grid, the read-out box of a chart. Plain controls reached by
// name are platform::Control; these also move and take the focus.
#include <string>

namespace platform {

// Anything that can be given the keyboard focus.
class Focalizzabile {
 public:
  virtual ~Focalizzabile() = default;
  virtual void SetFocus() = 0;
};

class CasellaTesto : public Focalizzabile {
 public:
  virtual std::string Text() const = 0;
  // A new text leaves the caret at its start and nothing selected.
  virtual void SetText(const std::string& testo) = 0;
  virtual bool Visible() const = 0;
  virtual void SetVisible(bool visibile) = 0;

  // Selection in characters. A start past the end puts the caret at the end;
  // setting the start clears the selection; a length is cut at the end.
  virtual int SelStart() const = 0;
  virtual void SetSelStart(int inizio) = 0;
  virtual int SelLength() const = 0;
  virtual void SetSelLength(int lunghezza) = 0;

  // Position and size in twips, in the coordinates of the box's window.
  virtual int Left() const = 0;
  virtual int Top() const = 0;
  virtual int Width() const = 0;
  virtual int Height() const = 0;
  virtual void Move(int left, int top, int width, int height) = 0;
};

}  // namespace platform
